#pragma once

#include "search/ResultDetail.h"

#include <QList>
#include <QString>
#include <QStringList>

// The search over the lexicon files: the term search and the explanation
// search are one operation that differs in three parameters.
namespace search {

enum class MatchMode { Begins, Contains };

struct Params {
    int comparedField;         // index of the record field compared: 1 term, 2 explanation
    QStringList moreFiles;     // files whose entries with a more-info key are marked "mehr"
    // The explanation search starts clean: nothing an earlier operation left
    // behind may stop it. Every operation here closes its files before it
    // returns, so no file is ever left open to close.
    bool cleanStart;
};
Params termSearch();         // term, "mehr" from 2sp.lex and 2pe.lex
Params explanationSearch();  // explanation, "mehr" from 2sp.lex only

// A file of the selection that could not be read to its end.
struct FileProblem {
    QString file;
    QString reason;
};

struct Outcome {
    int hitCount = 0;
    QStringList lines;              // the result list, one line per ResultFile record
    QList<FileProblem> problems;    // lexicon files not read to their end
    // Why the hits could not be written to the ResultFile; then nothing is listed.
    QString resultFileProblem;
    detail::ResultIndex index;      // where each record of the ResultFile starts
};

// Which lexicon files the dictionary choice selects, in reading order.
// `option` is the number of the selected option 3..9 of the frame "Lexika".
QStringList filesForOption(int option);

// Runs a search for `text` (not empty) over `files`: deletes the ResultFile,
// appends every hit of every complete record to it and builds the list line of
// each record written, from the same bytes.
Outcome run(const QString& text, MatchMode mode, const QStringList& files, const Params& params);

// The message for a ResultFile that cannot be written.
QString resultFileTitle();
QString resultFileText(const QString& reason);

// The message that names every file that could not be read to its end.
QString problemTitle();
QString problemText(const QList<FileProblem>& problems);

}  // namespace search
