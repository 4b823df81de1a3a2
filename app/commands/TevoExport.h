#pragma once

#include "MainVariables.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class QProcess;
class QWidget;

// The export of the six term dictionaries to TEVO's text format: each lexicon
// file becomes an intermediate file of quoted lines "term;explanation;code;
// further info;source", and a qstrip process started on it writes the .tvx file
// without the quotes. The export does not wait for those processes.
namespace tevo {

struct Dictionary {
    QString lexicon;       // "2da.lex"
    QString intermediate;  // "outda"
    QString tevoFile;      // "2da.tvx"
};

// 2da, 2kr, 2la, 2pe, 2sp, 2vo: the order of the export.
const QList<Dictionary>& dictionaries();

enum class Outcome {
    Exported,            // intermediate file written, filter started
    LexiconMissing,      // no lexicon file: nothing written for it
    LexiconUnreadable,   // it exists but cannot be read: nothing written for it
    CannotWrite,         // the intermediate file could not be created or written: no filter started
    FilterNotFound,      // intermediate file written, but there is no qstrip to start
    FilterNotStarted,    // intermediate file written, but qstrip could not be started
    FilterStillRunning,  // a filter of an earlier export still reads the intermediate file: left alone
};

struct DictionaryResult {
    Dictionary dictionary;
    Outcome outcome = Outcome::Exported;
    // The lexicon file ends inside a record: the complete records before it
    // were exported (and filtered), the broken one not.
    bool cutShort = false;
    int records = 0;  // records written to the intermediate file
    bool exported() const { return outcome == Outcome::Exported && !cutShort; }
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

// Runs the export and keeps track of the filters it started, so that a later
// export never rewrites an intermediate file a running filter still reads.
// Lives as long as the main window.
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

    // Reads each lexicon file record by record into the record buffer of `vars`,
    // sets vars.exportLine for each, writes the intermediate files and starts
    // the filters. Files are named bare, in the current working directory.
    ExportResult run(MainVariables& vars);

    // How long run() waits for a filter of an earlier export on the same file.
    void setFilterWaitMs(int ms) { filterWaitMs_ = ms; }

    // Waits until every filter started has ended; false when one is still
    // running after `ms` milliseconds.
    bool waitForFilters(int ms = 30000);
    int runningFilters() const;
    // Exit code of the last filter that ended on this intermediate file (named
    // as in run(), resolved against the current directory); nullopt while it
    // runs, when none was started, or when it crashed.
    std::optional<int> filterExitCode(const QString& intermediate) const;

private:
    DictionaryResult exportOne(const Dictionary& d, MainVariables& vars, const QString& program);
    bool waitForFilterOn(const QString& key, int ms);
    bool startFilter(const QString& program, const Dictionary& d, const QString& key);

    QString program_;
    int filterWaitMs_ = 30000;
    QHash<QString, QPointer<QProcess>> running_;  // by absolute path of the intermediate file
    QHash<QString, std::optional<int>> exitCodes_;
};

}  // namespace tevo
