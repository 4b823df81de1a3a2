#include "maintenance/KonvertConversions.h"

#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "maintenance/FileChecks.h"
#include "store/Categories.h"
#include "store/LexiconFiles.h"

#include <QHash>

namespace maintenance {

using namespace files;

namespace {

Outcome failed(const Problem& p, int records = 0) { return Outcome{QString(), p, records}; }
Outcome done(const QString& status, int records) { return Outcome{status, std::nullopt, records}; }

constexpr int kExplanationLimit = 28;

// Opens the input named in the window and the output derived from it, after
// every check that must pass before the output is created or emptied; the
// input is read by lines (fields 0) or by records of `fields` items, every
// one of which is written as a text.
std::optional<Problem> openDerived(FieldFile& in, const QString& input, FieldFile& out,
                                   const QString& suffix, QString& output, int fields) {
    if (auto p = openInput(in, input)) return p;
    output = derivedName(input, suffix);
    if (output.isEmpty()) return nameTooShort(input);
    if (auto p = refuseSame(input, output)) return p;
    if (auto p = refuseQuotes(in, fields)) return p;
    return openOutput(out, output);
}

Outcome finish(FieldFile& out, const QString& input, const QString& doneWhat, int records, bool endedEarly,
               const QString& status) {
    if (auto p = closeOutput(out)) return failed(*p);
    if (endedEarly) return failed(endedInsideRecord(input, records, doneWhat), records);
    return done(status, records);
}

// Reads records of n fields and writes each as `convert` makes it.
template <typename Convert>
Outcome convertRecords(const QString& input, const QString& suffix, int n, const QString& status,
                       Convert convert) {
    FieldFile in, out;
    QString output;
    if (auto p = openDerived(in, input, out, suffix, output, n)) return failed(*p);
    int records = 0;
    bool early = false;
    FieldValues rec;
    while (!in.atEnd()) {
        if (!in.readItems(n, rec)) {
            early = true;
            break;
        }
        out.writeRecord(convert(rec));
        ++records;
    }
    return finish(out, input, writtenInto(output), records, early, status);
}

}  // namespace

QString derivedName(const QString& input, const QString& suffix) {
    if (input.size() < 4) return QString();
    return input.left(input.size() - 4) + suffix + input.right(4);
}

Listing listLines(const QString& input) {
    Listing listing;
    FieldFile in;
    if (auto p = openInput(in, input)) {
        // Nothing is written by a listing; only the first line of the message applies.
        p->text = p->text.section(u'\n', 0, 0);
        listing.problem = p;
        return listing;
    }
    QString line;
    while (!in.atEnd() && in.readLine(line)) listing.lines.append(line);
    return listing;
}

Outcome lineInput(const QString& input) {
    FieldFile in, out;
    QString output;
    if (auto p = openDerived(in, input, out, kKorrSuffix, output, 0)) return failed(*p);
    int records = 0;
    QString line;
    while (!in.atEnd() && in.readLine(line)) {
        out.writeRecord({line});
        ++records;
    }
    return finish(out, input, writtenInto(output), records, false, QString());
}

Outcome twoToSixColumns(const QString& input) {
    return convertRecords(input, kSixColumnSuffix, 2, QStringLiteral("Konvertierung fertig"),
                          [](const FieldValues& rec) -> FieldValues {
                              const FieldValue& term = rec[0];
                              const FieldValue& explanation = rec[1];
                              const QString e = textOf(explanation);
                              const bool longText = e.size() > kExplanationLimit;
                              return {QString(),
                                      term,
                                      longText ? FieldValue(e.left(kExplanationLimit)) : explanation,
                                      QStringLiteral("Al"),
                                      longText ? e : QString(),
                                      QStringLiteral("oöla")};
                          });
}

Outcome checkTwoColumns(const QString& input) {
    return convertRecords(input, kCheckSuffix, 2, QString(), [](const FieldValues& rec) { return rec; });
}

Outcome checkSixColumns(const QString& input) {
    return convertRecords(input, kCheckSuffix, lexicon::kRecordFields, QStringLiteral("Datei in Ordnung"),
                          [](const FieldValues& rec) { return rec; });
}

Outcome importSixColumns(const QString& input) {
    FieldFile in;
    if (auto p = openInput(in, input)) return failed(*p);
    const QStringList targets = lexicon::allTermFiles();
    for (const QString& target : targets)
        if (sameFile(input, target)) return failed(inputIsTarget(input, target));
    if (auto p = refuseQuotesInItems(in, lexicon::kRecordFields)) return failed(*p);

    const QString doneWhat = QStringLiteral("an die Lexikondateien angefügt");
    QHash<QString, FieldFile*> files;
    FieldFile outs[6];
    for (int i = 0; i < 6; ++i) {
        if (auto p = openAppend(outs[i], targets[i])) return failed(*p);
        files.insert(targets[i], &outs[i]);
    }
    int records = 0;
    bool early = false;
    FieldValues rec;
    while (!in.atEnd()) {
        if (!in.readItems(lexicon::kRecordFields, rec)) {
            early = true;
            break;
        }
        files.value(lexicon::importTarget(textOf(rec[3])))->writeRecord(rec);
        ++records;
    }
    // All six or none: when one file cannot take its records, every file is
    // cut back to what it held before the import.
    for (FieldFile& out : outs) {
        if (out.flush()) continue;
        const QString name = out.fileName(), reason = out.reason();
        bool restored = true;
        for (FieldFile& other : outs) {
            other.discard();
            restored = restored && other.restored();
        }
        return failed(notWritten(name, reason, restored));
    }
    std::optional<Problem> writeProblem;
    for (FieldFile& out : outs)
        if (auto p = closeOutput(out); p && !writeProblem) writeProblem = p;
    if (writeProblem) return failed(*writeProblem, records);
    if (early) return failed(endedInsideRecord(input, records, doneWhat), records);
    return done(QStringLiteral("Alle Daten importiert"), records);
}

Outcome textToMoreInfo(const QString& input, const QString& output, const QString& callName) {
    if (callName.isEmpty()) return failed(Problem{kCallNameTitle, kCallNameText});
    // The call name is written inside quotes as Windows-1252: a double quote
    // would end it early, and a character outside the code page would be lost.
    if (callName.contains(u'"') || !cp1252::canEncode(callName)) {
        QString bad = cp1252::unencodable(callName);
        if (callName.contains(u'"')) bad.prepend(u'"');
        return failed(Problem{QStringLiteral("Aufrufname ungültig"),
                              QStringLiteral("Der Aufrufname %1 enthält Zeichen, die in der Datei nicht "
                                             "gespeichert werden können: %2\nEs wurde nichts geschrieben.")
                                      .arg(quoted(callName), bad)});
    }
    FieldFile in, out;
    if (auto p = openInput(in, input)) return failed(*p);
    if (auto p = refuseSame(input, output)) return failed(*p);
    if (auto p = refuseQuotesInItems(in, 1)) return failed(*p);
    if (auto p = openAppend(out, output)) return failed(*p);
    int records = 0;
    bool early = false;
    FieldValues item;
    while (!in.atEnd()) {
        if (!in.readItems(1, item)) {
            early = true;
            break;
        }
        out.writeRecord({callName, item[0]});
        ++records;
    }
    return finish(out, input, appendedTo(output), records, early, QString());
}

}  // namespace maintenance
