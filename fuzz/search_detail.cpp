// The search over one fuzzed lexicon file, and the detail display's read of
// each hit. Compared with the rules written down plainly:
//  - the hits are exactly the complete records whose lower-cased term (or
//    explanation) begins with the lower-cased search text, or for "enthält"
//    contains it first at its second character or later; in record order;
//  - the ResultFile reads back as one 7-item record per hit and nothing else:
//    the record's items as read (absent stays absent), the indicator in the
//    sixth place ("nein"/"ja"/"mehr" by lengths and the more-info key);
//  - the list has one line per record, laid out in its columns from that record;
//  - the detail read of any index gives the record of that index, by the
//    index of the search and by reading from the start; one past the last fails;
//  - a file that ends inside a record, and a missing file, are reported.
//
// Input: a byte of choices, a byte for the length of the search text, the
// search text (Windows-1252 or UTF-8 bytes), then the lexicon file.
#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "FuzzCheck.h"
#include "store/Categories.h"
#include "store/LexiconFiles.h"
#include "ModelReader.h"
#include "search/ResultDetail.h"
#include "search/Search.h"
#include "WorkDir.h"

#include <QFile>

#include <algorithm>

namespace {

const char* const kFiles[] = {"2sp.lex", "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex"};

FieldValue valueOf(const model::Item& item) {
    if (item.absent()) return std::nullopt;
    return cp1252::decode(QByteArrayView(item.bytes.data(), qsizetype(item.bytes.size())));
}

QString oneLine(QString s) {
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

QString column(const QString& s, int width) { return s.size() >= width ? s : s + QString(width - s.size(), u' '); }

// Term 1-30 (over 25 characters cut to 24), explanation 31-61 (over 31 cut to
// 28), indicator 62-69, label 70-82 (a longer label cut to the column), the
// first four characters of the source; line breaks show as blanks.
QString listLine(const FieldValues& r) {
    const QString term = oneLine(textOf(r[1]));
    const QString expl = oneLine(textOf(r[2]));
    const QString label = oneLine(lexicon::categoryLabel(textOf(r[3])));
    return column(term.size() > 25 ? term.left(24) : term, 30) + column(expl.size() > 31 ? expl.left(28) : expl, 31) +
           column(textOf(r[5]), 8) + column(label.left(13), 13) + oneLine(textOf(r[6]).left(4));
}

QString indicator(const QString& file, const FieldValues& r, const QStringList& moreFiles) {
    const int limit = file == QLatin1String("2la.lex") ? 29 : 26;
    const QString further = textOf(r[4]);
    QString ind = further.isEmpty() || further == QLatin1String("-") ? "nein" : "ja";
    if (textOf(r[1]).size() > limit || textOf(r[2]).size() > limit) ind = "ja";
    if (moreFiles.contains(file) && !textOf(r[0]).isEmpty()) ind = "mehr";
    return ind;
}

bool sameRecord(const FieldValues& a, const FieldValues& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].has_value() != b[i].has_value() || textOf(a[i]) != textOf(b[i])) return false;
    return true;
}

void writeFile(const QString& name, std::string_view bytes) {
    QFile f(name);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "the lexicon file can be written");
    FUZZ_CHECK(f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()), "the lexicon file is written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    enterFuzzWorkDir();
    FuzzInput in(data, size);
    const unsigned char choice = in.byte();
    const auto mode = (choice & 1) ? search::MatchMode::Contains : search::MatchMode::Begins;
    const search::Params params = (choice & 2) ? search::explanationSearch() : search::termSearch();
    const QString file = QString::fromLatin1(kFiles[(choice >> 2) % 6]);
    const bool keyInUtf8 = choice & 0x20;
    const bool withMissingFile = choice & 0x40;
    std::size_t keyLength = 0;
    const char* keyBytes = in.take(1 + in.byte() % 6, keyLength);
    const QString key = keyInUtf8 ? QString::fromUtf8(keyBytes, qsizetype(keyLength))
                                  : cp1252::decode(QByteArrayView(keyBytes, qsizetype(keyLength)));
    if (key.isEmpty()) return 0;  // the search box refuses the empty text before searching
    std::size_t got = 0;
    const char* lexBytes = in.rest(got);
    const std::string_view lex(lexBytes, got);
    writeFile(file, lex);
    QFile::remove(QStringLiteral("2xx.lex"));

    // What the rules find.
    bool complete = false;
    const auto records = model::readAll(lex, lexicon::kRecordFields, complete);
    const QString spelled = cp1252::transliterate(key.toLower());
    const bool keyUsable = cp1252::canEncode(spelled);
    QList<FieldValues> expected;
    for (const auto& rec : records) {
        FieldValues v;
        for (const auto& item : rec) v.append(valueOf(item));
        const QString compared = textOf(v[params.comparedField]).toLower();
        bool hit = false;
        if (keyUsable) {
            if (mode == search::MatchMode::Begins)
                hit = compared.startsWith(spelled);
            else
                hit = compared.indexOf(spelled) > 0;
        }
        if (!hit) continue;
        v.insert(5, indicator(file, v, params.moreFiles));
        expected.append(v);
    }

    QStringList files{file};
    if (withMissingFile) files.append(QStringLiteral("2xx.lex"));
    const search::Outcome out = search::run(key, mode, files, params);

    FUZZ_CHECK(out.resultFileProblem.isEmpty(), "the ResultFile is written");
    FUZZ_CHECK(out.hitCount == expected.size(), "as many hits as the rules find");
    FUZZ_CHECK(out.lines.size() == out.hitCount, "one list line per hit");
    const qsizetype problems = (complete ? 0 : 1) + (withMissingFile ? 1 : 0);
    FUZZ_CHECK(out.problems.size() == problems, "each file not read to its end is reported, and only those");
    if (!complete) FUZZ_CHECK(out.problems.front().file == file, "the file cut short is named");
    if (withMissingFile) FUZZ_CHECK(out.problems.back().file == QLatin1String("2xx.lex"), "the missing file is named");

    // The ResultFile: one seven-item record per hit, nothing after the last.
    FieldFile result;
    FUZZ_CHECK(result.openForReading(lexicon::kResultFile), "the ResultFile is there after a search");
    for (qsizetype i = 0; i < expected.size(); ++i) {
        FieldValues rec;
        FUZZ_CHECK(!result.atEnd() && result.readItems(lexicon::kResultFields, rec), "each hit reads back as 7 items");
        FUZZ_CHECK(sameRecord(rec, expected[i]), "the ResultFile record is the hit as read, with its indicator");
        FUZZ_CHECK(out.lines[i] == listLine(rec), "the list line is laid out from its record");
    }
    FUZZ_CHECK(result.atEnd(), "the ResultFile holds nothing but the hits");
    result.close();

    // The detail display reads back the record of the index selected.
    const int count = int(expected.size());
    for (int i = 0; i < count; ++i) {
        if (i >= 64 && i != count - 1) continue;  // the first ones and the last suffice for long lists
        const std::optional<FieldValues> shown = detail::readHit(i, out.index);
        FUZZ_CHECK(shown.has_value(), "a listed hit reads back");
        FUZZ_CHECK(sameRecord(*shown, expected[i]), "the record of the selected index");
    }
    if (count > 0) {
        const int i = int(choice) % count;
        const std::optional<FieldValues> shown = detail::readHit(i);
        FUZZ_CHECK(shown.has_value(), "a hit reads back from the start of the file");
        FUZZ_CHECK(sameRecord(*shown, expected[i]), "reading from the start gives the same record");
    }
    FUZZ_CHECK(!detail::readHit(count, out.index).has_value(), "no record past the last hit");
    FUZZ_CHECK(!detail::readHit(count).has_value(), "no record past the last hit, read from the start");
    return 0;
}
