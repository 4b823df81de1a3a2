#include "MainConversions.h"

#include "FieldFile.h"
#include "FileChecks.h"
#include "LexiconFiles.h"
#include "MainVariables.h"

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
    if (auto p = written.fields == 0 ? refuseQuotesInLines(in)
                                     : refuseQuotesInItems(in, written.fields, written.unwrittenField))
        return p;
    return openOutput(out, output);
}

// Copies records of n fields; the record buffer receives the fields in order.
struct CopyResult {
    int records = 0;
    bool endedEarly = false;
};
CopyResult copyRecords(FieldFile& in, FieldFile& out, int n, MainVariables& vars) {
    CopyResult r;
    FieldValues rec;
    FieldValue* buffer[] = {&vars.recMoreKey, &vars.recTerm, &vars.recExplanation,
                           &vars.recCategory, &vars.recFurtherInfo, &vars.recSource};
    while (!in.atEnd()) {
        if (!in.readItems(n, rec)) {
            r.endedEarly = true;
            break;
        }
        for (int i = 0; i < n; ++i) *buffer[i] = rec[i];
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

Outcome csvToLines(MainVariables& vars) {
    const QString input = kCsvSource, output = kLineFile;
    FieldFile in, out;
    if (auto p = openPair(in, input, out, output, Written{})) return failed(*p);
    int records = 0;
    QString line;
    while (!in.atEnd() && in.readLine(line)) {
        vars.recMoreKey = line;
        out.writeRecord({line});
        ++records;
    }
    return finish(out, input, output, records, false, QStringLiteral("cvs->line-anf-OK"));
}

Outcome twoLinesToThreeColumns(MainVariables& vars) {
    const QString input = kTwoLineSource, output = kThreeColumnFile;
    FieldFile in, out;
    if (auto p = openPair(in, input, out, output, Written{})) return failed(*p);
    int records = 0;
    bool odd = false;
    QString term, explanation;
    vars.recMoreKey = QString();
    while (!in.atEnd()) {
        in.readLine(term);
        vars.recTerm = trimBlanks(term);
        if (in.atEnd()) {
            odd = true;
            break;
        }
        in.readLine(explanation);
        vars.recExplanation = trimBlanks(explanation);
        out.writeRecord({vars.recMoreKey, vars.recTerm, vars.recExplanation});
        ++records;
    }
    if (auto p = closeOutput(out)) return failed(*p);
    if (odd) return failed(oddLineCount(input, records, writtenInto(output)), records);
    return done(QStringLiteral("Kolt-konvert-2.Zeilig auf 3.spaltig-OK"), records);
}

Outcome fiveToSixColumns(MainVariables& vars) {
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
        vars.recTerm = rec[0];
        vars.recExplanation = rec[1];
        vars.recCategory = rec[2];
        vars.recFurtherInfo = rec[3];
        vars.recSource = rec[4];
        // The more-info key is a single blank, not an empty field.
        vars.recMoreKey = QStringLiteral(" ");
        vars.recFurtherInfo = QStringLiteral("-");
        out.writeRecord({vars.recMoreKey, trimBlanks(textOf(vars.recTerm)),
                         trimBlanks(textOf(vars.recExplanation)), vars.recCategory, vars.recFurtherInfo,
                         vars.recSource});
        ++records;
    }
    return finish(out, input, output, records, early, QStringLiteral("5-spaltig auf 6-spaltig-OK"));
}

Outcome fourColumnsToFirstNames(MainVariables& vars) {
    const QString input = kFourColumnSource, output = kFirstNameFile;
    FieldFile in, out;
    if (auto p = openPair(in, input, out, output, Written{4})) return failed(*p);
    int records = 0;
    bool early = false;
    FieldValues rec;
    vars.recSource = QString();
    while (!in.atEnd()) {
        if (!in.readItems(4, rec)) {
            early = true;
            break;
        }
        vars.recMoreKey = rec[0];
        vars.recTerm = rec[1];
        vars.recExplanation = rec[2];
        vars.recCategory = rec[3];
        vars.recExplanation = textOf(vars.recExplanation) + QStringLiteral(" - ") + textOf(vars.recTerm);
        vars.recFurtherInfo = vars.recCategory;
        vars.recCategory = QStringLiteral("Vo");
        out.writeRecord({vars.recSource, vars.recMoreKey, vars.recExplanation, vars.recCategory,
                         vars.recFurtherInfo});
        ++records;
    }
    return finish(out, input, output, records, early, QStringLiteral("vordatei-lex-OK"));
}

Outcome copyLexiconsToText(MainVariables& vars) {
    const QStringList lexicons = {"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2sp.lex", "2te.lex", "2vo.lex"};
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
        const CopyResult r = copyRecords(in, out, fields, vars);
        total += r.records;
        const Outcome o = finish(out, lex, output, r.records, r.endedEarly, QString());
        if (o.problem) problems << *o.problem;
    }
    if (problems.isEmpty()) return done(QStringLiteral("-OK-"), total);
    Problem all{problems.first().title, {}};
    for (const Problem& p : problems) all.text += (all.text.isEmpty() ? QString() : QStringLiteral("\n\n")) + p.text;
    return failed(all, total);
}

Outcome importNewEntries(MainVariables& vars) {
    vars.importFileName = kImportFile;
    const QString input = vars.importFileName;
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
        vars.recMoreKey = rec[0];
        vars.recTerm = rec[1];
        vars.recExplanation = rec[2];
        vars.recCategory = rec[3];
        vars.recFurtherInfo = rec[4];
        vars.recSource = rec[5];
        // A long explanation is also kept whole as further information, where
        // there is none yet; the result list cuts the explanation column.
        const QString further = textOf(vars.recFurtherInfo);
        if ((further == u"-" || further.isEmpty()) && textOf(vars.recExplanation).size() > 26)
            vars.recFurtherInfo = vars.recExplanation;
        vars.importTargetFile = lexicon::importTarget(textOf(vars.recCategory));
        vars.recMoreKey = QString();

        // Opened and closed for every record, so the lexicon files are complete after each one.
        FieldFile target;
        if (!target.openForAppend(vars.importTargetFile))
            return failed(cannotWrite(vars.importTargetFile, target.reason(), records, doneWhat), records);
        target.writeRecord({vars.recMoreKey, vars.recTerm, vars.recExplanation, vars.recCategory,
                            vars.recFurtherInfo, vars.recSource});
        // A record that cannot be appended whole is cut back; the file keeps the ones before.
        if (!target.close()) {
            if (!target.restored())
                return failed(notWritten(vars.importTargetFile, target.reason(), false), records);
            return failed(cannotWrite(vars.importTargetFile, target.reason(), records, doneWhat), records);
        }
        ++records;
    }
    return done(QString(), records);
}

}  // namespace maintenance
