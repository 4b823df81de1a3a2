#include "search/Search.h"

#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "store/Categories.h"
#include "store/LexiconFiles.h"
#include "search/ListLine.h"

#include <QFileInfo>

#include <cstring>
#include <vector>

namespace search {

namespace {

using Raw = FieldFile::RawItem;

constexpr int kLimit = 26;       // longer terms or explanations get "ja"
constexpr int kLatinLimit = 29;  // the same for 2la.lex

bool isNone(const Raw& further) {
    return further.size == 0 || (further.size == 1 && further.data[0] == '-');
}

const char* indicatorFor(const QString& file, const Raw* r, bool moreFile) {
    const int limit = file == QLatin1String("2la.lex") ? kLatinLimit : kLimit;
    const char* ind = isNone(r[4]) ? "nein" : "ja";
    if (r[1].size > limit || r[2].size > limit) ind = "ja";
    if (moreFile && r[0].size > 0) ind = "mehr";
    return ind;
}

// Lower-cases `n` bytes of the code page into `out`.
void lowerInto(const char* in, qsizetype n, std::vector<char>& out) {
    out.resize(size_t(n));
    for (qsizetype i = 0; i < n; ++i) out[size_t(i)] = char(cp1252::lower(static_cast<unsigned char>(in[i])));
}

// The first characters of the item, lower-cased, are the key (which is lower case).
bool beginsWith(const Raw& item, const QByteArray& key) {
    if (item.size < key.size()) return false;
    const auto* a = reinterpret_cast<const unsigned char*>(item.data);
    const auto* k = reinterpret_cast<const unsigned char*>(key.constData());
    for (qsizetype i = 0; i < key.size(); ++i)
        if (cp1252::lowerTable[a[i]] != k[i]) return false;
    return true;
}

bool startsWith(const char* hay, qsizetype n, const QByteArray& key) {
    return n >= key.size() && std::memcmp(hay, key.constData(), size_t(key.size())) == 0;
}

}  // namespace

Params termSearch() { return {1, {"2sp.lex", "2pe.lex"}, false}; }
Params explanationSearch() { return {2, {"2sp.lex"}, true}; }

QStringList filesForOption(int option) { return lexicon::dictionaryOfOption(option).searched; }

Outcome run(const QString& text, MatchMode mode, const QStringList& files, const Params& params) {
    Outcome out;
    const QString searchKey = text.toLower();
    // The files hold Windows-1252 bytes, so the key is compared as such bytes.
    // Letters the code page lacks are stored in the dictionary's spelling
    // without them (zmarł is stored as zmarl), so the key is spelled the same
    // way; a key with a character that has no such spelling can match no term.
    const QString spelled = cp1252::transliterate(searchKey);
    const bool keyUsable = cp1252::canEncode(spelled);
    const QByteArray key = keyUsable ? cp1252::encode(spelled) : QByteArray();

    FieldFile::deleteFile(lexicon::kResultFile);
    FieldFile result;
    if (!result.openForAppend(lexicon::kResultFile)) {
        // Without the ResultFile there is no list: nothing is searched.
        out.resultFileProblem = result.reason();
        return out;
    }

    std::vector<char> lower;
    for (const QString& file : files) {
        FieldFile lex;
        if (!lex.openForReading(file)) {
            out.problems.append({file, lex.reason()});
            continue;
        }
        const bool moreFile = params.moreFiles.contains(file);
        Raw r[lexicon::kRecordFields];
        while (!lex.atEnd()) {
            if (!lex.readRawItems(lexicon::kRecordFields, r)) {
                out.problems.append({file, lex.reason()});
                break;
            }
            const Raw& field = r[params.comparedField];
            bool hit = false;
            if (keyUsable) {
                if (mode == MatchMode::Begins) {
                    hit = beginsWith(field, key);
                } else if (field.size > key.size()) {
                    lowerInto(field.data, field.size, lower);
                    const QByteArrayView hay(lower.data(), field.size);
                    // A hit contains the key, but its first occurrence is not at the start.
                    hit = !startsWith(lower.data(), field.size, key) && hay.indexOf(key) > 0;
                }
            }
            if (hit) {
                const char* ind = indicatorFor(file, r, moreFile);
                const Raw seven[lexicon::kResultFields] = {
                    r[0].quotedIfSafe(), r[1].quotedIfSafe(), r[2].quotedIfSafe(),
                    r[3].quotedIfSafe(), r[4].quotedIfSafe(), Raw{ind, qsizetype(std::strlen(ind)), true},
                    r[5].quotedIfSafe()};
                out.index.starts.append(result.bytesWritten());
                result.writeRawRecord(seven, lexicon::kResultFields);
                // The list line of the record just written, from the same bytes.
                out.lines.append(listline::buildFromBytes(seven[1].bytes(), seven[2].bytes(), seven[5].bytes(),
                                                          seven[3].bytes(), seven[6].bytes()));
                ++out.hitCount;
            }
        }
    }
    const qint64 written = result.bytesWritten();
    if (!result.close()) {
        // A list from a ResultFile cut short would show other hits' details.
        out.resultFileProblem = result.reason();
        FieldFile::deleteFile(lexicon::kResultFile);
        out.hitCount = 0;
        out.lines.clear();
        out.index = {};
        return out;
    }
    const QFileInfo writtenFile(lexicon::kResultFile);
    out.index.size = written;
    out.index.modified = writtenFile.lastModified();
    if (writtenFile.size() != written) out.index = {};
    return out;
}

QString resultFileTitle() { return QStringLiteral(" F E H L E R   E R G E B N I S D A T E I "); }

QString resultFileText(const QString& reason) {
    return QStringLiteral("Die Treffer der Suche können nicht gespeichert werden: Die Datei %1 im "
                          "Lexikonordner kann nicht geschrieben werden (%2).\nDie Trefferliste bleibt "
                          "leer. Bitte prüfen Sie, ob der Datenträger voll oder schreibgeschützt ist.")
        .arg(lexicon::kResultFile, reason);
}

QString problemTitle() { return QStringLiteral(" F E H L E R   L E X I K O N D A T E I "); }

QString problemText(const QList<FileProblem>& problems) {
    QStringList lines{QStringLiteral("Diese Dateien konnten nicht bis zu ihrem Ende gelesen werden. "
                                     "Die Trefferliste enthält nur die vollständig gelesenen Einträge:")};
    for (const FileProblem& p : problems) lines.append(p.file + QStringLiteral(": ") + p.reason);
    return lines.join(u'\n');
}

}  // namespace search
