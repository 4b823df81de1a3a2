#include "TevoExport.h"

#include "FieldFile.h"
#include "LexiconFiles.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tevo {

namespace {

constexpr char kStripQuote[] = "34";
constexpr int kStartTimeoutMs = 10000;

#ifdef Q_OS_WIN
const QString kFilterName = QStringLiteral("qstrip.exe");
#else
const QString kFilterName = QStringLiteral("qstrip");
#endif

QString intermediateKey(const QString& name) { return QFileInfo(name).absoluteFilePath(); }

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

void intoBuffer(const FieldFile::RawItem (&items)[lexicon::kRecordFields], MainVariables& vars) {
    vars.recMoreKey = FieldFile::decodeItem(items[0]);
    vars.recTerm = FieldFile::decodeItem(items[1]);
    vars.recExplanation = FieldFile::decodeItem(items[2]);
    vars.recCategory = FieldFile::decodeItem(items[3]);
    vars.recFurtherInfo = FieldFile::decodeItem(items[4]);
    vars.recSource = FieldFile::decodeItem(items[5]);
}

// Every field but the more-info key, joined by ";", absent as empty, nothing escaped.
QString exportLineOf(const MainVariables& vars) {
    return textOf(vars.recTerm) + u';' + textOf(vars.recExplanation) + u';' + textOf(vars.recCategory) + u';' +
           textOf(vars.recFurtherInfo) + u';' + textOf(vars.recSource);
}

}  // namespace

const QList<Dictionary>& dictionaries() {
    static const QList<Dictionary> list = {
        {"2da.lex", "outda", "2da.tvx"}, {"2kr.lex", "outkr", "2kr.tvx"}, {"2la.lex", "outla", "2la.tvx"},
        {"2pe.lex", "outpe", "2pe.tvx"}, {"2sp.lex", "outsp", "2sp.tvx"}, {"2vo.lex", "outvo", "2vo.tvx"},
    };
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
        case Outcome::FilterStillRunning:
            return QStringLiteral("qstrip bearbeitet %1 von der vorigen Umwandlung noch; "
                                  "die Datei wurde nicht neu geschrieben.")
                .arg(d.intermediate);
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

Exporter::Exporter(QObject* parent) : QObject(parent) {}

Exporter::~Exporter() {
    // A filter cut off mid-file would leave a half-written .tvx behind.
    waitForFilters(filterWaitMs_);
    const QList<QPointer<QProcess>> processes = running_.values();
    for (const QPointer<QProcess>& p : processes) {
        if (!p) continue;
        p->disconnect(this);
        delete p;
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

ExportResult Exporter::run(MainVariables& vars) {
    const QString program = filterProgram();
    ExportResult result;
    for (const Dictionary& d : dictionaries()) result.dictionaries.append(exportOne(d, vars, program));
    return result;
}

DictionaryResult Exporter::exportOne(const Dictionary& d, MainVariables& vars, const QString& program) {
    DictionaryResult result{d};
    FieldFile in;
    if (!in.openForReading(d.lexicon)) {
        result.outcome = in.status() == FieldFile::Status::NotFound ? Outcome::LexiconMissing
                                                                   : Outcome::LexiconUnreadable;
        return result;
    }
    const QString key = intermediateKey(d.intermediate);
    if (!waitForFilterOn(key, filterWaitMs_)) {
        result.outcome = Outcome::FilterStillRunning;
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
        intoBuffer(items, vars);
        vars.exportLine = exportLineOf(vars);
        written = out.writeRecord({FieldValue(vars.exportLine)});
        if (written) ++result.records;
    }
    in.close();
    if (!out.close() || !written) {
        result.outcome = Outcome::CannotWrite;
        return result;
    }
    if (program.isEmpty())
        result.outcome = Outcome::FilterNotFound;
    else if (!startFilter(program, d, key))
        result.outcome = Outcome::FilterNotStarted;
    return result;
}

bool Exporter::startFilter(const QString& program, const Dictionary& d, const QString& key) {
    auto* p = new QProcess(this);
    p->setProgram(program);
    p->setArguments({QString::fromLatin1(kStripQuote), d.intermediate, d.tevoFile});
    p->setWorkingDirectory(QDir::currentPath());
    p->setStandardInputFile(QProcess::nullDevice());
    // qstrip's one-line messages reach the console sippora was started from.
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(p, &QProcess::finished, this, [this, key, p](int exitCode, QProcess::ExitStatus status) {
        exitCodes_[key] = status == QProcess::NormalExit ? std::optional<int>(exitCode) : std::nullopt;
        if (running_.value(key) == p) running_.remove(key);
        p->deleteLater();
    });
    exitCodes_.remove(key);
    p->start();
    if (!p->waitForStarted(kStartTimeoutMs)) {
        p->disconnect(this);
        delete p;
        return false;
    }
    running_.insert(key, p);
    return true;
}

bool Exporter::waitForFilterOn(const QString& key, int ms) {
    const QPointer<QProcess> p = running_.value(key);
    if (!p || p->state() == QProcess::NotRunning) return true;
    return p->waitForFinished(ms) || p->state() == QProcess::NotRunning;
}

bool Exporter::waitForFilters(int ms) {
    const QDeadlineTimer deadline(ms);
    const QStringList keys = running_.keys();
    for (const QString& key : keys)
        if (!waitForFilterOn(key, int(qMax<qint64>(0, deadline.remainingTime())))) return false;
    return true;
}

int Exporter::runningFilters() const {
    int n = 0;
    for (const QPointer<QProcess>& p : running_)
        if (p && p->state() != QProcess::NotRunning) ++n;
    return n;
}

std::optional<int> Exporter::filterExitCode(const QString& intermediate) const {
    return exitCodes_.value(intermediateKey(intermediate), std::nullopt);
}

}  // namespace tevo
