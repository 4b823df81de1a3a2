#include "maintenance/FileChecks.h"

#include "store/FieldFile.h"

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
                   QStringLiteral("Die Eingabedatei %1 kann nicht gelesen werden (%2).\n").arg(quoted(name), in.reason()) +
                           kNothingWritten};
}

std::optional<Problem> refuseSame(const QString& input, const QString& output) {
    if (!sameFile(input, output)) return std::nullopt;
    return Problem{QStringLiteral("Ein- und Ausgabe gleich"),
                   QStringLiteral("Die Eingabedatei %1 ist zugleich die Ausgabedatei %2.\n"
                                  "Die Konvertierung wurde nicht ausgeführt; die Datei bleibt unverändert.")
                           .arg(quoted(input), quoted(output))};
}

static Problem cannotOpenOutput(const QString& name, const QString& reason) {
    return Problem{QStringLiteral("Schreibfehler"),
                   QStringLiteral("Die Ausgabedatei %1 kann nicht angelegt oder beschrieben werden (%2).\n")
                           .arg(quoted(name), reason) + kNothingWritten};
}

std::optional<Problem> openOutput(FieldFile& out, const QString& name) {
    if (name.isEmpty())
        return Problem{QStringLiteral("Ausgabedatei fehlt"),
                       QStringLiteral("Es ist keine Ausgabedatei angegeben.\n") + kNothingWritten};
    if (out.openForWriting(name)) return std::nullopt;
    return cannotOpenOutput(name, out.reason());
}

std::optional<Problem> openAppend(FieldFile& out, const QString& name) {
    if (name.isEmpty())
        return Problem{QStringLiteral("Ausgabedatei fehlt"),
                       QStringLiteral("Es ist keine Ausgabedatei angegeben.\n") + kNothingWritten};
    if (out.openForAppend(name)) return std::nullopt;
    return cannotOpenOutput(name, out.reason());
}

std::optional<Problem> closeOutput(FieldFile& out) {
    const QString name = out.fileName();
    if (out.close()) return std::nullopt;
    return notWritten(name, out.reason(), out.restored());
}

Problem notWritten(const QString& name, const QString& reason, bool restored) {
    return Problem{QStringLiteral("Schreibfehler"),
                   QStringLiteral("Die Datei %1 konnte nicht geschrieben werden (%2).\n").arg(quoted(name), reason) +
                       (restored ? QStringLiteral("Sie ist unverändert geblieben; es wurde nichts geschrieben.")
                                 : QStringLiteral("ACHTUNG: Sie konnte nicht auf ihren vorigen Stand gebracht werden "
                                                  "und endet mit einem unvollständigen Teil."))};
}

namespace {

constexpr qsizetype kLinesNamed = 10;

// Counts lines forward through the loaded bytes: CR LF, a lone CR and a lone
// LF each end one, as the line reader takes them.
class LineCounter {
public:
    explicit LineCounter(QByteArrayView bytes) : bytes_(bytes) {}
    qsizetype lineAt(qsizetype offset) {
        for (; pos_ < offset && pos_ < bytes_.size(); ++pos_) {
            const char c = bytes_[pos_];
            if (c == '\n' || (c == '\r' && !(pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n'))) ++line_;
        }
        return line_;
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    qsizetype line_ = 1;
};

// The lines concerned: the first few by number, and how many in all.
// Lines arrive in order, a line with several such items more than once.
struct Lines {
    QList<qsizetype> first;
    qsizetype count = 0;
    qsizetype last = 0;
    void add(qsizetype line) {
        if (count > 0 && line == last) return;
        last = line;
        ++count;
        if (first.size() < kLinesNamed) first.append(line);
    }
};

QString numberList(const QList<qsizetype>& numbers) {
    QStringList parts;
    for (qsizetype n : numbers) parts << QString::number(n);
    if (parts.size() == 1) return parts.first();
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
}

}  // namespace

std::optional<Problem> refuseQuotesInLines(FieldFile& in) {
    Lines lines;
    qsizetype number = 0;
    QByteArrayView line;
    while (!in.atEnd() && in.readRawLine(line)) {
        ++number;
        if (line.contains('"')) lines.add(number);
    }
    in.rewind();
    if (lines.count == 0) return std::nullopt;
    return quotesInData(in.fileName(), lines.first, lines.count);
}

std::optional<Problem> refuseQuotesInItems(FieldFile& in, int fields, int unwrittenField) {
    Lines lines;
    LineCounter counter(in.loadedBytes());
    QList<FieldFile::RawItem> items(fields);
    while (!in.atEnd() && in.readRawItems(fields, items.data())) {
        for (int i = 0; i < fields; ++i) {
            const FieldFile::RawItem& item = items[i];
            // A quoted item ends at the next quote, so only an unquoted one can hold one.
            if (i == unwrittenField || item.quoted || !item.bytes().contains('"')) continue;
            lines.add(counter.lineAt(in.offsetOf(item)));
        }
    }
    in.rewind();
    if (lines.count == 0) return std::nullopt;
    return quotesInData(in.fileName(), lines.first, lines.count);
}

std::optional<Problem> refuseQuotes(FieldFile& in, int fields, int unwrittenField) {
    return fields == 0 ? refuseQuotesInLines(in) : refuseQuotesInItems(in, fields, unwrittenField);
}

Problem quotesInData(const QString& input, const QList<qsizetype>& lines, qsizetype count) {
    QString where;
    if (count == 1)
        where = QStringLiteral("in Zeile %1").arg(lines.first());
    else if (count <= lines.size())
        where = QStringLiteral("in den Zeilen %1").arg(numberList(lines));
    else
        where = QStringLiteral("in %1 Zeilen, zuerst in den Zeilen %2").arg(count).arg(numberList(lines));
    return Problem{QStringLiteral("Anführungszeichen in den Daten"),
                   QStringLiteral("Die Datei %1 enthält %2 ein Anführungszeichen (\") in einem Text.\n"
                                  "In der Ausgabe steht jeder Text zwischen Anführungszeichen; ein weiteres "
                                  "darin würde den Text beim Lesen abschneiden. Bitte diese Anführungszeichen "
                                  "in der Eingabe ersetzen, z. B. durch ' oder „ “.\n"
                                  "Aus dieser Datei wurde nichts geschrieben.")
                           .arg(quoted(input), where)};
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

Problem cannotWrite(const QString& name, const QString& reason, int records, const QString& doneWhat) {
    return Problem{QStringLiteral("Schreibfehler"),
                   QStringLiteral("An die Datei %1 konnte der nächste Datensatz nicht angefügt werden (%2); "
                                  "sie endet mit dem Datensatz davor.\n%3")
                           .arg(quoted(name), reason, recordsDone(records, doneWhat))};
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
