#include "commands/TevoExport.h"

#include "store/Categories.h"

#include "store/FieldFile.h"
#include "store/LexiconFiles.h"
#include "common/Messages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>

namespace tevo {

namespace {

constexpr char kStripQuote[] = "34";
constexpr int kStartTimeoutMs = 10000;

#ifdef Q_OS_WIN
const QString kFilterName = QStringLiteral("qstrip.exe");
#else
const QString kFilterName = QStringLiteral("qstrip");
#endif

// A quoted item that runs to the end of the data has no closing quote: the
// file ends inside it. The loaded bytes are a QByteArray, so the byte after the
// item is readable (the closing quote or the terminating zero).
bool unterminated(const FieldFile::RawItem& item) { return item.quoted && item.data[item.size] != '"'; }

enum class Next { Record, End, CutShort };

// Reads the six items of the next record. Blank lines and blanks after the
// last record end the file; anything else that stops before the sixth item, or
// a quote left open, is a record cut short.
Next readRecord(FieldFile& in, FieldFile::RawItem (&items)[lexicon::kRecordFields]) {
    for (int i = 0; i < lexicon::kRecordFields; ++i) {
        if (!in.readRawItems(1, &items[i])) {
            for (int k = 0; k < i; ++k)
                if (!items[k].absent()) return Next::CutShort;
            return Next::End;
        }
        if (unterminated(items[i])) return Next::CutShort;
    }
    return Next::Record;
}

// Every field but the more-info key, joined by ";", absent as empty, nothing escaped.
QString exportLineOf(const FieldFile::RawItem (&items)[lexicon::kRecordFields]) {
    QString line;
    for (int i = 1; i < lexicon::kRecordFields; ++i) {
        if (i > 1) line += u';';
        line += textOf(FieldFile::decodeItem(items[i]));
    }
    return line;
}

}  // namespace

const QList<Dictionary>& dictionaries() {
    // The six term dictionaries by name: 2da.lex -> outda -> 2da.tvx, and so on.
    static const QList<Dictionary> list = [] {
        QList<Dictionary> l;
        for (const QString& lex : lexicon::lexiconFilesInNameOrder()) {
            if (lex == lexicon::kMoreInfoLexicon) continue;
            const QString stem = lex.chopped(4);  // "2da"
            l.append({lex, QStringLiteral("out") + stem.mid(1), stem + QStringLiteral(".tvx")});
        }
        return l;
    }();
    return list;
}

QString DictionaryResult::reason() const {
    const Dictionary& d = dictionary;
    QString why;
    switch (outcome) {
        case Outcome::Exported: break;
        case Outcome::LexiconMissing: return QStringLiteral("Die Lexikondatei ist nicht vorhanden.");
        case Outcome::LexiconUnreadable: return QStringLiteral("Die Lexikondatei kann nicht gelesen werden.");
        case Outcome::CannotWrite:
            return QStringLiteral("Die Zwischendatei %1 kann nicht geschrieben werden.").arg(d.intermediate);
        case Outcome::FilterFailed: {
            const QString said = filterMessage.isEmpty() ? exitCodeMeaning(filterExitCode) : filterMessage;
            why = QStringLiteral("qstrip endete mit Fehlercode %1 (%2); %3 ist nicht oder nicht vollständig "
                                 "geschrieben.")
                      .arg(filterExitCode)
                      .arg(said, d.tevoFile);
            break;
        }
        case Outcome::FilterCrashed:
            why = QStringLiteral("qstrip wurde abgebrochen, ehe es fertig war; %1 ist nicht oder nicht "
                                 "vollständig geschrieben.")
                      .arg(d.tevoFile);
            break;
        case Outcome::FilterNotFound:
            why = QStringLiteral("qstrip wurde weder neben sippora noch im Suchpfad gefunden; "
                                 "%1 ist geschrieben, %2 nicht.")
                      .arg(d.intermediate, d.tevoFile);
            break;
        case Outcome::FilterNotStarted:
            why = QStringLiteral("qstrip konnte nicht gestartet werden; %1 ist geschrieben, %2 nicht.")
                      .arg(d.intermediate, d.tevoFile);
            break;
    }
    if (cutShort) {
        const QString kept = records == 1 ? QStringLiteral("1 vollständiger Eintrag ist übernommen")
                                          : QStringLiteral("%1 vollständige Einträge sind übernommen").arg(records);
        const QString cut = QStringLiteral("Die Datei endet mitten in einem Eintrag; %1, der abgebrochene nicht.")
                                .arg(kept);
        why = why.isEmpty() ? cut : cut + u' ' + why;
    }
    return why;
}

bool ExportResult::allExported() const {
    for (const DictionaryResult& r : dictionaries)
        if (!r.exported()) return false;
    return !dictionaries.isEmpty();
}

QList<DictionaryResult> ExportResult::notExported() const {
    QList<DictionaryResult> out;
    for (const DictionaryResult& r : dictionaries)
        if (!r.exported()) out.append(r);
    return out;
}

QString exitCodeMeaning(int exitCode) {
    switch (exitCode) {
        case 2: return QStringLiteral("Parameterdatei nicht gefunden");
        case 3: return QStringLiteral("falsche Zahl der Parameter");
        case 4: return QStringLiteral("Eingabedatei konnte nicht geöffnet werden");
        case 5: return QStringLiteral("Parameterdatei fehlerhaft");
        case 6: return QStringLiteral("Eingabe- und Ausgabedatei sind dieselbe Datei");
        case 7: return QStringLiteral("Ausgabedatei konnte nicht geschrieben werden");
        case 8: return QStringLiteral("Fehler beim Lesen der Eingabedatei");
        default: return QStringLiteral("ohne Meldung");
    }
}

QString completionText() { return QStringLiteral("Alle Lexikondateien sind ins TEVO-Format konvertiert"); }

QString failureTitle() { return QStringLiteral("TEVO-Export"); }

QString failureText(const ExportResult& result) {
    QString text = QStringLiteral("Nicht alle Lexikondateien sind ins TEVO-Format konvertiert:\n");
    for (const DictionaryResult& r : result.notExported())
        text += QStringLiteral("\n%1: %2").arg(r.dictionary.lexicon, r.reason());
    return text;
}

void showFailures(QWidget* parent, const ExportResult& result) {
    if (result.allExported()) return;
    messages::show(parent, failureTitle(), failureText(result));
}

namespace {

// qstrip writes its message in UTF-8 or in ISO 8859-1, after the console's locale.
QString consoleText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    return text.trimmed();
}

}  // namespace

Exporter::Exporter(QObject* parent) : QObject(parent) {}

Exporter::~Exporter() {
    // A filter cut off mid-file would leave a half-written .tvx behind.
    for (const QPointer<QProcess>& p : std::as_const(running_)) {
        if (!p) continue;
        p->disconnect(this);
        p->waitForFinished(30000);
    }
}

QString Exporter::filterProgram() const { return program_.isEmpty() ? findFilterProgram() : program_; }

QString Exporter::findFilterProgram() {
    if (QCoreApplication::instance()) {
        const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(kFilterName));
        if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(kFilterName);
}

void Exporter::start() {
    if (busy_) {
        anotherWanted_ = true;
        return;
    }
    busy_ = true;
    anotherWanted_ = false;
    result_ = ExportResult();
    emit started();
    const QString program = filterProgram();
    for (int i = 0; i < dictionaries().size(); ++i)
        result_.dictionaries.append(exportOne(dictionaries()[i], program, i));
    if (running_.isEmpty()) finish();
}

DictionaryResult Exporter::exportOne(const Dictionary& d, const QString& program, int index) {
    DictionaryResult result;
    result.dictionary = d;
    FieldFile in;
    if (!in.openForReading(d.lexicon)) {
        result.outcome = in.status() == FieldFile::Status::NotFound ? Outcome::LexiconMissing
                                                                   : Outcome::LexiconUnreadable;
        return result;
    }
    FieldFile out;
    if (!out.openForWriting(d.intermediate)) {
        result.outcome = Outcome::CannotWrite;
        return result;
    }
    bool written = true;
    FieldFile::RawItem items[lexicon::kRecordFields];
    while (written && !in.atEnd()) {
        const Next next = readRecord(in, items);
        if (next != Next::Record) {
            result.cutShort = next == Next::CutShort;
            break;
        }
        written = out.writeRecord({FieldValue(exportLineOf(items))});
        if (written) ++result.records;
    }
    in.close();
    if (!out.close() || !written) {
        result.outcome = Outcome::CannotWrite;
        return result;
    }
    if (program.isEmpty())
        result.outcome = Outcome::FilterNotFound;
    else if (!startFilter(program, d, index))
        result.outcome = Outcome::FilterNotStarted;
    else
        result.filterRunning = true;
    return result;
}

bool Exporter::startFilter(const QString& program, const Dictionary& d, int index) {
    auto* p = new QProcess(this);
    p->setProgram(program);
    p->setArguments({QString::fromLatin1(kStripQuote), d.intermediate, d.tevoFile});
    p->setWorkingDirectory(QDir::currentPath());
    p->setStandardInputFile(QProcess::nullDevice());
    // qstrip's one-line message is kept for the report; a user who started
    // sippora from the desktop has no console to read it on.
    p->setProcessChannelMode(QProcess::MergedChannels);
    connect(p, &QProcess::finished, this, [this, index, p](int exitCode, QProcess::ExitStatus status) {
        filterEnded(index, p, exitCode, status);
    });
    p->start();
    if (!p->waitForStarted(kStartTimeoutMs)) {
        p->disconnect(this);
        delete p;
        return false;
    }
    running_.insert(index, p);
    return true;
}

void Exporter::filterEnded(int index, QProcess* process, int exitCode, QProcess::ExitStatus status) {
    if (running_.value(index) != process) return;
    running_.remove(index);
    DictionaryResult& r = result_.dictionaries[index];
    r.filterRunning = false;
    r.filterExitCode = exitCode;
    r.filterMessage = consoleText(process->readAll());
    if (status != QProcess::NormalExit)
        r.outcome = Outcome::FilterCrashed;
    else if (exitCode != 0)
        r.outcome = Outcome::FilterFailed;
    process->deleteLater();
    if (running_.isEmpty()) finish();
}

void Exporter::finish() {
    busy_ = false;
    const ExportResult done = result_;
    emit finished(done);
    // An export asked for meanwhile runs now, unless one was started while the
    // report was shown.
    if (anotherWanted_ && !busy_) start();
}

bool Exporter::waitForFilters(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!running_.isEmpty()) {
        if (deadline.hasExpired()) return false;
        const auto it = running_.begin();
        const QPointer<QProcess> p = it.value();
        if (!p) {
            running_.erase(it);
        } else if (p->state() == QProcess::NotRunning) {
            QCoreApplication::processEvents();  // its end is on its way
        } else {
            // Emits finished() when it ends, which takes it out of running_.
            p->waitForFinished(int(qMax<qint64>(1, deadline.remainingTime())));
        }
    }
    return true;
}

int Exporter::runningFilters() const {
    int n = 0;
    for (const QPointer<QProcess>& p : running_)
        if (p && p->state() != QProcess::NotRunning) ++n;
    return n;
}

}  // namespace tevo
