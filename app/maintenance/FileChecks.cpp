#include "FileChecks.h"

#include "FieldFile.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace maintenance::files {

namespace {
const QString kNothingWritten = QStringLiteral("Es wurde nichts geschrieben.");
}

QString quoted(const QString& name) { return QStringLiteral("„%1“").arg(name); }

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    // Same device and file number: catches "./x", symbolic and hard links alike.
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                                  std::filesystem::path(QFile::encodeName(b).toStdString()), error);
    if (!error) return same;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

std::optional<Problem> openInput(FieldFile& in, const QString& name) {
    if (name.isEmpty())
        return Problem{QStringLiteral("Eingabedatei fehlt"),
                       QStringLiteral("Es ist keine Eingabedatei angegeben. Bitte eine Datei auswählen "
                                      "oder ihren Namen eintragen.\n") + kNothingWritten};
    if (in.openForReading(name)) return std::nullopt;
    if (in.status() == FieldFile::Status::NotFound)
        return Problem{QStringLiteral("Eingabedatei fehlt"),
                       QStringLiteral("Die Eingabedatei %1 gibt es im Arbeitsverzeichnis nicht.\n")
                               .arg(quoted(name)) + kNothingWritten};
    return Problem{QStringLiteral("Eingabedatei nicht lesbar"),
                   QStringLiteral("Die Eingabedatei %1 kann nicht gelesen werden.\n").arg(quoted(name)) +
                           kNothingWritten};
}

std::optional<Problem> refuseSame(const QString& input, const QString& output) {
    if (!sameFile(input, output)) return std::nullopt;
    return Problem{QStringLiteral("Ein- und Ausgabe gleich"),
                   QStringLiteral("Die Eingabedatei %1 ist zugleich die Ausgabedatei %2.\n"
                                  "Die Konvertierung wurde nicht ausgeführt; die Datei bleibt unverändert.")
                           .arg(quoted(input), quoted(output))};
}

static Problem cannotOpenOutput(const QString& name) {
    return Problem{QStringLiteral("Schreibfehler"),
                   QStringLiteral("Die Ausgabedatei %1 kann nicht angelegt oder beschrieben werden.\n")
                           .arg(quoted(name)) + kNothingWritten};
}

std::optional<Problem> openOutput(FieldFile& out, const QString& name) {
    if (name.isEmpty())
        return Problem{QStringLiteral("Ausgabedatei fehlt"),
                       QStringLiteral("Es ist keine Ausgabedatei angegeben.\n") + kNothingWritten};
    if (out.openForWriting(name)) return std::nullopt;
    return cannotOpenOutput(name);
}

std::optional<Problem> openAppend(FieldFile& out, const QString& name) {
    if (name.isEmpty())
        return Problem{QStringLiteral("Ausgabedatei fehlt"),
                       QStringLiteral("Es ist keine Ausgabedatei angegeben.\n") + kNothingWritten};
    if (out.openForAppend(name)) return std::nullopt;
    return cannotOpenOutput(name);
}

std::optional<Problem> closeOutput(FieldFile& out, int records, const QString& doneWhat) {
    const QString name = out.fileName();
    if (out.close()) return std::nullopt;
    return cannotWrite(name, records, doneWhat);
}

QString recordsDone(int n, const QString& doneWhat) {
    if (n == 0) return QStringLiteral("Kein vollständiger Datensatz wurde %1.").arg(doneWhat);
    if (n == 1) return QStringLiteral("Ein vollständiger Datensatz wurde %1.").arg(doneWhat);
    return QStringLiteral("%1 vollständige Datensätze wurden %2.").arg(n).arg(doneWhat);
}

QString writtenInto(const QString& name) { return QStringLiteral("in %1 geschrieben").arg(quoted(name)); }
QString appendedTo(const QString& name) { return QStringLiteral("an %1 angefügt").arg(quoted(name)); }

Problem endedInsideRecord(const QString& input, int records, const QString& doneWhat) {
    return Problem{QStringLiteral("Eingabe unvollständig"),
                   QStringLiteral("Die Datei %1 endet mitten in einem Datensatz.\n%2\n"
                                  "Der unvollständige Rest am Ende wurde nicht übernommen.")
                           .arg(quoted(input), recordsDone(records, doneWhat))};
}

Problem oddLineCount(const QString& input, int records, const QString& doneWhat) {
    return Problem{QStringLiteral("Eingabe unvollständig"),
                   QStringLiteral("Die Datei %1 hat eine ungerade Zahl von Zeilen: zur letzten Zeile "
                                  "fehlt die Erklärung.\n%2\nDie letzte Zeile wurde nicht übernommen.")
                           .arg(quoted(input), recordsDone(records, doneWhat))};
}

Problem cannotWrite(const QString& name, int records, const QString& doneWhat) {
    return Problem{QStringLiteral("Schreibfehler"),
                   QStringLiteral("Die Datei %1 konnte nicht vollständig geschrieben werden "
                                  "(Datenträger voll oder schreibgeschützt?).\n%2")
                           .arg(quoted(name), recordsDone(records, doneWhat))};
}

Problem nameTooShort(const QString& name) {
    return Problem{QStringLiteral("Dateiname zu kurz"),
                   QStringLiteral("Aus dem Dateinamen %1 lässt sich kein Name für die Ausgabedatei "
                                  "bilden: er muss mindestens vier Zeichen lang sein (z. B. „liste.txt“).\n")
                           .arg(quoted(name)) + kNothingWritten};
}

Problem inputIsTarget(const QString& input, const QString& target) {
    return Problem{QStringLiteral("Ein- und Ausgabe gleich"),
                   QStringLiteral("Die Eingabedatei %1 ist zugleich die Lexikondatei %2, in die "
                                  "importiert wird.\nDer Import wurde nicht ausgeführt; alle Dateien "
                                  "bleiben unverändert.")
                           .arg(quoted(input), quoted(target))};
}

Problem missingInputs(const QStringList& names) {
    QStringList q;
    for (const QString& n : names) q << quoted(n);
    return Problem{QStringLiteral("Eingabedatei fehlt"),
                   QStringLiteral("Diese Dateien fehlen im Arbeitsverzeichnis oder sind nicht lesbar: %1.\n")
                           .arg(q.join(QStringLiteral(", "))) + kNothingWritten};
}

}  // namespace maintenance::files
