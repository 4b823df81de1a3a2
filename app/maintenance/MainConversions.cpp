#include "maintenance/MainConversions.h"

#include "store/FieldFile.h"
#include "maintenance/FileChecks.h"
#include "store/LexiconFiles.h"
#include "store/Categories.h"

#include <QFileInfo>

namespace maintenance {

using namespace files;

namespace {

Outcome failed(const Problem& p, int records = 0) { return Outcome{QString(), p, records}; }
Outcome done(const QString& status, int records) { return Outcome{status, std::nullopt, records}; }

// Blanks (spaces only) removed at both ends; other white space stays.
QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ') ++b;
    while (e > b && s[e - 1] == u' ') --e;
    return s.mid(b, e - b);
}

// What of the input becomes texts of the output, for the check on double quotes.
struct Written {
    int fields = 0;            // 0: every line is written as a text
    int unwrittenField = -1;   // an item of each record that is dropped
};

// Opens `input` and `output` of a one-to-one conversion, refusing an output
// that is the input and an input with a double quote in a text to be written.
// Returns the problem, if any, before anything is written.
std::optional<Problem> openPair(FieldFile& in, const QString& input, FieldFile& out, const QString& output,
                                Written written) {
    if (auto p = openInput(in, input)) return p;
    if (auto p = refuseSame(input, output)) return p;
    if (auto p = refuseQuotes(in, written.fields, written.unwrittenField)) return p;
    return openOutput(out, output);
}

// Copies records of n fields unchanged (re-encoded by the writer rules).
struct CopyResult {
    int records = 0;
    bool endedEarly = false;
};
CopyResult copyRecords(FieldFile& in, FieldFile& out, int n) {
    CopyResult r;
    FieldValues rec;
    while (!in.atEnd()) {
        if (!in.readItems(n, rec)) {
            r.endedEarly = true;
            break;
        }
        out.writeRecord(rec);
        ++r.records;
    }
    return r;
}

Outcome finish(FieldFile& out, const QString& input, const QString& output, int records, bool endedEarly,
               const QString& status) {
    if (auto p = closeOutput(out)) return failed(*p);
    if (endedEarly) return failed(endedInsideRecord(input, records, writtenInto(output)), records);
    return done(status, records);
}

}  // namespace

Outcome csvToLines() {
    const QString input = kCsvSource, output = kLineFile;
    FieldFile in, out;
    if (auto p = openPair(in, input, out, output, Written{})) return failed(*p);
    int records = 0;
    QString line;
    while (!in.atEnd() && in.readLine(line)) {
        out.writeRecord({line});
        ++records;
    }
    return finish(out, input, output, records, false, QStringLiteral("cvs->line-anf-OK"));
}

Outcome twoLinesToThreeColumns() {
    const QString input = kTwoLineSource, output = kThreeColumnFile;
    FieldFile in, out;
    if (auto p = openPair(in, input, out, output, Written{})) return failed(*p);
    int records = 0;
    bool odd = false;
    QString term, explanation;
    while (!in.atEnd()) {
        in.readLine(term);
        if (in.atEnd()) {
            odd = true;
            break;
        }
        in.readLine(explanation);
        out.writeRecord({QString(), trimBlanks(term), trimBlanks(explanation)});
        ++records;
    }
    if (auto p = closeOutput(out)) return failed(*p);
    if (odd) return failed(oddLineCount(input, records, writtenInto(output)), records);
    return done(QStringLiteral("Kolt-konvert-2.Zeilig auf 3.spaltig-OK"), records);
}

Outcome fiveToSixColumns() {
    const QString input = kFiveColumnSource, output = kSixColumnFile;
    FieldFile in, out;
    // The fourth input field is dropped.
    if (auto p = openPair(in, input, out, output, Written{5, 3})) return failed(*p);
    int records = 0;
    bool early = false;
    FieldValues rec;
    while (!in.atEnd()) {
        if (!in.readItems(5, rec)) {
            early = true;
            break;
        }
        // The more-info key is a single blank, not an empty field; the fourth
        // field read is dropped and the further information is "-".
        out.writeRecord({QStringLiteral(" "), trimBlanks(textOf(rec[0])), trimBlanks(textOf(rec[1])), rec[2],
                         QStringLiteral("-"), rec[4]});
        ++records;
    }
    return finish(out, input, output, records, early, QStringLiteral("5-spaltig auf 6-spaltig-OK"));
}

Outcome fourColumnsToFirstNames() {
    const QString input = kFourColumnSource, output = kFirstNameFile;
    FieldFile in, out;
    if (auto p = openPair(in, input, out, output, Written{4})) return failed(*p);
    int records = 0;
    bool early = false;
    FieldValues rec;
    while (!in.atEnd()) {
        if (!in.readItems(4, rec)) {
            early = true;
            break;
        }
        // A, B, C, D become: empty, A, "C - B", "Vo", D.
        out.writeRecord({QString(), rec[0], textOf(rec[2]) + QStringLiteral(" - ") + textOf(rec[1]),
                         QStringLiteral("Vo"), rec[3]});
        ++records;
    }
    return finish(out, input, output, records, early, QStringLiteral("vordatei-lex-OK"));
}

Outcome copyLexiconsToText() {
    const QStringList lexicons = lexicon::lexiconFilesInNameOrder();
    auto textName = [](const QString& lex) { return lex.left(lex.size() - 4) + QStringLiteral(".txt"); };

    // All seven are checked first, so that a missing one leaves every copy as it was.
    QStringList missing;
    for (const QString& lex : lexicons) {
        const QFileInfo fi(lex);
        if (!fi.isFile() || !fi.isReadable()) missing << lex;
    }
    if (!missing.isEmpty()) return failed(missingInputs(missing));
    for (const QString& lex : lexicons)
        if (auto p = refuseSame(lex, textName(lex))) return failed(*p);

    QList<Problem> problems;
    int total = 0;
    for (const QString& lex : lexicons) {
        const QString output = textName(lex);
        const int fields = lex == lexicon::kMoreInfoLexicon ? lexicon::kMoreInfoFields : lexicon::kRecordFields;
        FieldFile in, out;
        if (auto p = openPair(in, lex, out, output, Written{fields})) {
            problems << *p;
            continue;
        }
        const CopyResult r = copyRecords(in, out, fields);
        total += r.records;
        const Outcome o = finish(out, lex, output, r.records, r.endedEarly, QString());
        if (o.problem) problems << *o.problem;
    }
    if (problems.isEmpty()) return done(QStringLiteral("-OK-"), total);
    Problem all{problems.first().title, {}};
    for (const Problem& p : problems) all.text += (all.text.isEmpty() ? QString() : QStringLiteral("\n\n")) + p.text;
    return failed(all, total);
}

Outcome importNewEntries() {
    const QString input = kImportFile;
    FieldFile in;
    if (auto p = openInput(in, input)) return failed(*p);
    for (const QString& target : lexicon::allTermFiles())
        if (sameFile(input, target)) return failed(inputIsTarget(input, target));
    if (auto p = refuseQuotesInItems(in, lexicon::kRecordFields)) return failed(*p);

    const QString doneWhat = QStringLiteral("an die Lexikondateien angefügt");
    int records = 0;
    FieldValues rec;
    while (!in.atEnd()) {
        if (!in.readItems(lexicon::kRecordFields, rec))
            return failed(endedInsideRecord(input, records, doneWhat), records);
        // A long explanation is also kept whole as further information, where
        // there is none yet; the result list cuts the explanation column.
        const QString further = textOf(rec[4]);
        if ((further == u"-" || further.isEmpty()) && textOf(rec[2]).size() > 26) rec[4] = rec[2];
        rec[0] = QString();  // imported entries have no more-info key
        const QString targetFile = lexicon::importTarget(textOf(rec[3]));

        // Opened and closed for every record, so the lexicon files are complete after each one.
        FieldFile target;
        if (!target.openForAppend(targetFile))
            return failed(cannotWrite(targetFile, target.reason(), records, doneWhat), records);
        target.writeRecord(rec);
        // A record that cannot be appended whole is cut back; the file keeps the ones before.
        if (!target.close()) {
            if (!target.restored()) return failed(notWritten(targetFile, target.reason(), false), records);
            return failed(cannotWrite(targetFile, target.reason(), records, doneWhat), records);
        }
        ++records;
    }
    return done(QString(), records);
}

}  // namespace maintenance
