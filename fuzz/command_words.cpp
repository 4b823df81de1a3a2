// The command words of the search box, on any text typed, one character after
// the other as the change notification sees it: recognition never fails and
// gives what the table of command words says (the lower-cased text compared
// with the first characters, the backup word as typed and its last two
// characters as the drive, the backup and "tevo" ending the check). Each line
// of the text that begins with a letter becomes a drive letter given with
// "--laufwerk" on the command line: the letter names the folder given last
// for it; a letter outside A-Z or an empty folder is refused. The texts under a
// key ending in "!" are collected from 2te.lex: mehrinfo.txt reads back as
// exactly the text lines stored under that key.
//
// Input: a byte of choices, a byte for the length of the typed text, the
// text (UTF-8, UTF-16 or Windows-1252), then the contents of 2te.lex.
#include "startup/CommandLine.h"
#include "commands/CommandWords.h"
#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "FuzzCheck.h"
#include "store/LexiconFiles.h"
#include "search/MoreInfo.h"
#include "ModelReader.h"
#include "WorkDir.h"

#include <QFile>

namespace {

bool begins(const QString& text, const char* word) { return text.startsWith(QLatin1String(word)); }

void checkWords(const QString& typed) {
    const commandwords::Actions a = commandwords::recognise(typed);
    const QString lower = typed.toLower();
    bool feast = false;
    for (const char* w : {"oster", "asche", "fronl", "palms", "pfing", "datum"}) feast = feast || begins(lower, w);
    FUZZ_CHECK(a.ostern == feast, "the feast words");
    FUZZ_CHECK(a.schriften == begins(lower, "schrift"), "the script word");
    const bool backup = begins(typed, "speich") && typed.endsWith(u':');
    FUZZ_CHECK(a.backup == backup, "the backup word, as typed, ending in a colon");
    const bool tevo = !backup && begins(lower, "tevo");
    FUZZ_CHECK(a.tevo == tevo, "the export word, unless a backup came first");
    if (backup) FUZZ_CHECK(a.drive == lower.right(2), "the drive is the last two characters");
    const bool rest = !backup && !tevo;
    FUZZ_CHECK(a.konvert == (rest && (begins(lower, "konv>") || begins(lower, "conv>"))), "the conversion words");
    FUZZ_CHECK(a.sources == (rest && begins(lower, "quell")), "the source list word");
    const QString key = rest && lower.endsWith(u'!') ? lower : QString();
    FUZZ_CHECK(a.storedTextKey == key, "a text ending in '!' is its own key");
}

// Drive letters given on the command line in each of the accepted forms
// ("--laufwerk" "X=FOLDER", "--laufwerk=X=FOLDER", "X:=FOLDER"): each letter
// names the folder given last for it, in either case. A letter outside A-Z,
// or an empty folder, makes the command line fail with a message.
void checkDrives(const QString& typed) {
    QStringList arguments{QStringLiteral("sippora")};
    QHash<QChar, QString> given;
    bool invalid = false;
    const QStringList parts = typed.split(u'\n');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || !part[0].isLetter()) continue;
        const QString letter = part.left(1);
        // A folder from the root whose path needs no cleaning.
        QString folder = part.mid(1);
        folder.remove(u'/').remove(u'.').remove(u'\\');
        if (!folder.isEmpty()) folder.prepend(u'/');
        switch (i % 3) {
        case 0: arguments << QStringLiteral("--laufwerk") << letter + u'=' + folder; break;
        case 1: arguments << QStringLiteral("--laufwerk=") + letter + u'=' + folder; break;
        case 2: arguments << QStringLiteral("--laufwerk") << letter + QStringLiteral(":=") + folder; break;
        }
        if (letter[0].unicode() > 0x7f || folder.isEmpty())
            invalid = true;
        else
            given[letter[0].toLower()] = folder;
    }
    const startup::CommandLine c = startup::parseCommandLine(arguments, QStringLiteral("/"));
    if (invalid) {
        FUZZ_CHECK(c.action == startup::CommandLine::Action::Fail && !c.error.isEmpty(), "a wrong drive is refused");
        return;
    }
    FUZZ_CHECK(c.action == startup::CommandLine::Action::Run, "drives given rightly are accepted");
    for (auto it = given.cbegin(); it != given.cend(); ++it) {
        FUZZ_CHECK(c.drives.folderOf(QString(it.key()) + u':') == it.value(), "a letter given names its folder");
        FUZZ_CHECK(c.drives.folderOf(QString(it.key().toUpper()) + u':') == it.value(), "in either case");
    }
}

void checkStoredTexts(const QString& key, std::string_view texts) {
    QFile f(lexicon::kMoreInfoLexicon);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "2te.lex can be written");
    FUZZ_CHECK(f.write(texts.data(), qint64(texts.size())) == qint64(texts.size()), "2te.lex is written");
    f.close();

    bool complete = false;
    QStringList expected;
    for (const auto& rec : model::readAll(texts, lexicon::kMoreInfoFields, complete)) {
        const QString recKey = cp1252::decode(QByteArrayView(rec[0].bytes.data(), qsizetype(rec[0].bytes.size())));
        if (recKey == key)
            expected.append(cp1252::decode(QByteArrayView(rec[1].bytes.data(), qsizetype(rec[1].bytes.size()))));
    }

    const QString problem = moreinfo::collect(key);
    FUZZ_CHECK(problem.isEmpty() == complete, "a 2te.lex cut short is reported, and only then");

    FieldFile shown;
    FUZZ_CHECK(shown.openForReading(lexicon::kMoreInfoTemp), "mehrinfo.txt is written");
    FieldValues line;
    for (const QString& text : expected) {
        FUZZ_CHECK(!shown.atEnd() && shown.readItems(1, line), "each text line reads back");
        FUZZ_CHECK(textOf(line[0]) == text, "the text line as stored under the key");
    }
    FUZZ_CHECK(shown.atEnd(), "nothing but the texts of the key");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    enterFuzzWorkDir();
    FuzzInput in(data, size);
    const unsigned char choice = in.byte();
    std::size_t length = 0;
    const char* bytes = in.take(in.byte(), length);
    QString typed;
    switch (choice % 3) {
    case 0: typed = QString::fromUtf8(bytes, qsizetype(length)); break;
    case 1: typed = cp1252::decode(QByteArrayView(bytes, qsizetype(length))); break;
    case 2:
        for (std::size_t i = 0; i + 1 < length; i += 2)
            typed += QChar(char16_t(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        break;
    }
    // The notification runs on every change: each text on the way to the whole.
    for (qsizetype i = 0; i <= typed.size(); ++i) checkWords(typed.left(i));
    checkDrives(typed);

    const commandwords::Actions a = commandwords::recognise(typed);
    std::size_t got = 0;
    const char* texts = in.rest(got);
    if (!a.storedTextKey.isEmpty()) checkStoredTexts(a.storedTextKey, std::string_view(texts, got));
    else if (a.sources) checkStoredTexts(QStringLiteral("quel!"), std::string_view(texts, got));
    else if (choice & 0x80) checkStoredTexts(typed, std::string_view(texts, got));
    return 0;
}
