#pragma once

#include "store/FieldValue.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QPointer>
#include <QString>

class QWidget;

// The export of the six term dictionaries to TEVO's text format: each lexicon
// file becomes an intermediate file of quoted lines "term;explanation;code;
// further info;source", and a qstrip process started on it writes the .tvx file
// without the quotes. The window does not wait for those processes: each is
// watched to its end, and the export is reported once all of them have ended.
namespace tevo {

struct Dictionary {
    QString lexicon;       // "2da.lex"
    QString intermediate;  // "outda"
    QString tevoFile;      // "2da.tvx"
};

// 2da, 2kr, 2la, 2pe, 2sp, 2vo: the order of the export.
const QList<Dictionary>& dictionaries();

enum class Outcome {
    Exported,            // intermediate file written, filter started (and, once ended, ended with 0)
    LexiconMissing,      // no lexicon file: nothing written for it
    LexiconUnreadable,   // it exists but cannot be read: nothing written for it
    CannotWrite,         // the intermediate file could not be created or written: no filter started
    FilterNotFound,      // intermediate file written, but there is no qstrip to start
    FilterNotStarted,    // intermediate file written, but qstrip could not be started
    FilterFailed,        // qstrip ended with an exit code other than 0
    FilterCrashed,       // qstrip did not end normally
};

struct DictionaryResult {
    Dictionary dictionary;
    Outcome outcome = Outcome::Exported;
    // The lexicon file ends inside a record: the complete records before it
    // were exported (and filtered), the broken one not.
    bool cutShort = false;
    int records = 0;  // records written to the intermediate file
    bool filterRunning = false;  // its qstrip was started and has not ended yet
    int filterExitCode = 0;      // once ended
    QString filterMessage;       // what qstrip wrote on its console, line end removed
    bool exported() const { return outcome == Outcome::Exported && !cutShort && !filterRunning; }
    // Why it was not (wholly) exported, in German; empty when it was.
    QString reason() const;
};

struct ExportResult {
    QList<DictionaryResult> dictionaries;  // one per dictionary, in export order
    bool allExported() const;
    QList<DictionaryResult> notExported() const;
};

// "Alle Lexikondateien sind ins TEVO-Format konvertiert": for Text2 when allExported().
QString completionText();
QString failureTitle();
// One text naming each dictionary that was not exported and why.
QString failureText(const ExportResult& result);
// Shows failureText() through messages::show; does nothing when all were exported.
void showFailures(QWidget* parent, const ExportResult& result);
// qstrip's exit codes in words, for a filter that failed without a message.
QString exitCodeMeaning(int exitCode);

// Runs the export and watches the filters it started. Lives as long as the
// main window. An export asked for while the filters of the previous one
// still run is started once that one has been reported, so that no
// intermediate file is rewritten while a filter still reads it.
class Exporter : public QObject {
    Q_OBJECT
public:
    explicit Exporter(QObject* parent = nullptr);
    // Waits for filters still running, so that none is cut off mid-file.
    ~Exporter() override;

    // The qstrip to start; empty (the default) looks for it beside the running
    // program first, then on PATH.
    void setFilterProgram(const QString& path) { program_ = path; }
    QString filterProgram() const;
    static QString findFilterProgram();

    // Reads each lexicon file record by record, writes its export lines to the
    // intermediate file and starts the filters, then returns: started() comes
    // first, finished() once every filter has ended (before start() returns
    // when none was started). While an export runs, the call only notes that
    // another one is wanted; it starts after finished(). Files are named bare,
    // in the current working directory.
    void start();
    bool busy() const { return busy_; }
    bool anotherWanted() const { return anotherWanted_; }

    // The result so far of the export running or last finished.
    const ExportResult& result() const { return result_; }

    // Waits until every filter started has ended; false when one is still
    // running after `ms` milliseconds. The filters' ends are handled as they
    // come, finished() included.
    bool waitForFilters(int ms = 30000);
    int runningFilters() const;

signals:
    void started();
    void finished(const tevo::ExportResult& result);

private:
    DictionaryResult exportOne(const Dictionary& d, const QString& program, int index);
    bool startFilter(const QString& program, const Dictionary& d, int index);
    void filterEnded(int index, QProcess* process, int exitCode, QProcess::ExitStatus status);
    void finish();

    QString program_;
    ExportResult result_;
    QHash<int, QPointer<QProcess>> running_;  // by index of the dictionary
    bool busy_ = false;
    bool anotherWanted_ = false;
};

}  // namespace tevo
