#include "store/Cp1252.h"
#include "maintenance/KonvertConversions.h"
#include "TestSupport.h"

#include <QFile>

#include <unistd.h>

using namespace maintenance;

namespace {
QByteArray bytes(const QString& text) { return cp1252::encode(text); }
}  // namespace

class KonvertConversionsTest : public WorkDirTest {};

TEST(DerivedName, SuffixGoesBeforeTheLastFourCharacters) {
    struct Case {
        QString input, suffix, expected;
    };
    const Case cases[] = {
        {"liste.txt", "-korr", "liste-korr.txt"},
        {"liste.txt", "-6sp", "liste-6sp.txt"},
        {"liste.txt", "-prüf", "liste-prüf.txt"},
        {"liste", "-korr", "l-korriste"},  // no three-letter extension: still the last four
        {".txt", "-korr", "-korr.txt"},
        {"abc", "-korr", ""},  // too short: no name can be formed
        {"", "-korr", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(derivedName(c.input, c.suffix), c.expected) << c.input.toStdString();
}

TEST_F(KonvertConversionsTest, ListingKeepsLinesUnchangedAndEmptyOnes) {
    writeFile("liste.txt", cp("erste, mit \"Anführung\"\r\n\r\n  dritte\r\nletzte ohne Zeilenende"));
    const Listing l = listLines("liste.txt");
    EXPECT_FALSE(l.problem);
    EXPECT_EQ(l.lines, QStringList({"erste, mit \"Anführung\"", "", "  dritte", "letzte ohne Zeilenende"}));

    const Listing missing = listLines("weg.txt");
    ASSERT_TRUE(missing.problem);
    EXPECT_TRUE(missing.problem->text.contains("„weg.txt“"));
}

TEST_F(KonvertConversionsTest, LineInputQuotesEveryLine) {
    writeFile("liste.txt", cp("Taufe, Trauung\r\n\r\nBegräbnis\r\n"));
    const Outcome r = lineInput("liste.txt");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(readFile("liste-korr.txt"), cp("\"Taufe, Trauung\"\r\n\"\"\r\n\"Begräbnis\"\r\n"));
}

TEST_F(KonvertConversionsTest, EveryConverterRefusesADoubleQuoteInATextAndWritesNothing) {
    // "Abt","abbot" as a line would become ""Abt","abbot"", which reads back as an empty text.
    writeFile("zeilen.txt", "Abt\r\n\"Abt\",\"abbot\"\r\n");
    writeFile("zwei.txt", "\"Abt\",\"abbot\"\r\nAbtei,\"abbey\"\r\n\"Pate\",Tauf\"zeuge\r\n");
    writeFile("sechs.txt", "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n,\"c\",d\"e,\"Kr\",,\"Q\"\r\n");
    const QByteArray lexicon = "\"\",\"alt\",\"x\",\"Kr\",\"-\",\"Q\"\r\n";
    writeFile("2kr.lex", lexicon);
    writeFile("2te.lex", lexicon);
    const struct {
        Outcome outcome;
        const char* input;
        const char* where;
        const char* output;
    } cases[] = {
        {lineInput("zeilen.txt"), "zeilen.txt", "in Zeile 2 ", "zeilen-korr.txt"},
        {twoToSixColumns("zwei.txt"), "zwei.txt", "in Zeile 3 ", "zwei-6sp.txt"},
        {checkTwoColumns("zwei.txt"), "zwei.txt", "in Zeile 3 ", "zwei-prüf.txt"},
        {checkSixColumns("sechs.txt"), "sechs.txt", "in Zeile 2 ", "sechs-prüf.txt"},
        {importSixColumns("sechs.txt"), "sechs.txt", "in Zeile 2 ", "2sp.lex"},
        {textToMoreInfo("zwei.txt", "2te.lex", "Taufe"), "zwei.txt", "in Zeile 3 ", "2te.lex"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        ASSERT_FALSE(c.outcome.ok());
        EXPECT_TRUE(c.outcome.status.isEmpty());
        EXPECT_EQ(c.outcome.problem->title, "Anführungszeichen in den Daten");
        EXPECT_TRUE(c.outcome.problem->text.startsWith(QStringLiteral("Die Datei „%1“ enthält %2").arg(c.input, c.where)))
            << c.outcome.problem->text.toStdString();
    }
    EXPECT_FALSE(exists("zeilen-korr.txt"));
    EXPECT_FALSE(exists("zwei-6sp.txt"));
    EXPECT_FALSE(exists("zwei-prüf.txt"));
    EXPECT_FALSE(exists("sechs-prüf.txt"));
    EXPECT_FALSE(exists("2sp.lex"));
    EXPECT_EQ(readFile("2kr.lex"), lexicon);  // not even the good first record of sechs.txt
    EXPECT_EQ(readFile("2te.lex"), lexicon);
}

TEST_F(KonvertConversionsTest, TwoToSixSplitsExplanationsOverTwentyEightCharacters) {
    const QString e28 = "abcdefghijklmnopqrstuvwxyzäö";                  // 28
    const QString e29 = e28 + "ü";                                        // 29
    const QString e40 = "Kirchenbuchführer der evangelischen Pfarr";      // 41? checked below
    ASSERT_EQ(e28.size(), 28);
    const QString e40exact = e40.left(40);
    writeFile("wl.txt", bytes(QString("\"Pate\",\"%1\"\r\n\"Gevatter\",\"%2\"\r\n\"Küster\",\"%3\"\r\n,\"kurz\"\r\n")
                                      .arg(e40exact, e28, e29)));
    const Outcome r = twoToSixColumns("wl.txt");
    EXPECT_EQ(r.status, "Konvertierung fertig");
    EXPECT_EQ(readFile("wl-6sp.txt"),
              bytes(QString("\"\",\"Pate\",\"%1\",\"Al\",\"%2\",\"oöla\"\r\n"
                            "\"\",\"Gevatter\",\"%3\",\"Al\",\"\",\"oöla\"\r\n"
                            "\"\",\"Küster\",\"%4\",\"Al\",\"%5\",\"oöla\"\r\n"
                            "\"\",,\"kurz\",\"Al\",\"\",\"oöla\"\r\n")
                            .arg(e40exact.left(28), e40exact, e28, e28, e29)));
}

TEST_F(KonvertConversionsTest, TwoColumnCheckShowsRecordsOutOfStep) {
    writeFile("zwei.txt", cp("\"a\",\"b\",\"c\"\r\n\"d\",\"e\"\r\n\"f\",\"g\"\r\n\"h\",\"i\"\r\n"));
    const Outcome r = checkTwoColumns("zwei.txt");
    // Nine items pair up two by two across the line ends: the last one is left over.
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->title, "Eingabe unvollständig");
    EXPECT_EQ(readFile("zwei-prüf.txt"), cp("\"a\",\"b\"\r\n\"c\",\"d\"\r\n\"e\",\"f\"\r\n\"g\",\"h\"\r\n"));
}

TEST_F(KonvertConversionsTest, SixColumnCheckReEncodesAndReportsOnlyACompleteRead) {
    writeFile("sechs.txt", cp(" \"k\" ,Wort , \"E\",Al,,\"Q\"\r\n"));
    const Outcome ok = checkSixColumns("sechs.txt");
    EXPECT_EQ(ok.status, "Datei in Ordnung");
    EXPECT_EQ(readFile("sechs-prüf.txt"), cp("\"k\",\"Wort\",\"E\",\"Al\",,\"Q\"\r\n"));

    // A blank line at the end is one more item, then the file ends inside a record.
    writeFile("sechs.txt", cp("\"\",\"a\",\"b\",\"Al\",\"-\",\"Q\"\r\n\r\n"));
    const Outcome early = checkSixColumns("sechs.txt");
    EXPECT_TRUE(early.status.isEmpty());
    ASSERT_FALSE(early.ok());
    EXPECT_TRUE(early.problem->text.contains("Ein vollständiger Datensatz wurde in „sechs-prüf.txt“ geschrieben."));
    EXPECT_EQ(readFile("sechs-prüf.txt"), cp("\"\",\"a\",\"b\",\"Al\",\"-\",\"Q\"\r\n"));
}

TEST_F(KonvertConversionsTest, ImportAppendsByExactCategoryCode) {
    writeFile("2sp.lex", "\"\",\"alt\",\"x\",\"Al\",\"-\",\"Q\"\r\n");
    writeFile("neu.txt", cp("\"\",\"s\",\"x\",\"Se\",\"-\",\"Q\"\r\n\"\",\"i\",\"x\",\"It\",\"-\",\"Q\"\r\n"
                            "\"\",\"d1\",\"x\",\"da\",\"-\",\"Q\"\r\n\"m\",\"d2\",\"x\",\"Da\",,\"Q\"\r\n"
                            "\"\",\"k\",\"x\",\"Kr\",\"-\",\"Q\"\r\n\"\",\"l\",\"x\",\"La\",\"-\",\"Q\"\r\n"
                            "\"\",\"p\",\"x\",\"Pe\",\"-\",\"Q\"\r\n\"\",\"v\",\"x\",\"Vo\",\"-\",\"Q\"\r\n"
                            "\"\",\"o\",\"x\",,\"-\",\"Q\"\r\n"));
    const Outcome r = importSixColumns("neu.txt");
    EXPECT_EQ(r.status, "Alle Daten importiert");
    EXPECT_EQ(r.records, 9);
    EXPECT_EQ(readFile("2sp.lex"), "\"\",\"alt\",\"x\",\"Al\",\"-\",\"Q\"\r\n\"\",\"s\",\"x\",\"Se\",\"-\",\"Q\"\r\n"
                                   "\"\",\"i\",\"x\",\"It\",\"-\",\"Q\"\r\n\"\",\"d1\",\"x\",\"da\",\"-\",\"Q\"\r\n"
                                   "\"\",\"o\",\"x\",,\"-\",\"Q\"\r\n");
    EXPECT_EQ(readFile("2da.lex"), "\"m\",\"d2\",\"x\",\"Da\",,\"Q\"\r\n");
    EXPECT_EQ(readFile("2kr.lex"), "\"\",\"k\",\"x\",\"Kr\",\"-\",\"Q\"\r\n");
    EXPECT_EQ(readFile("2la.lex"), "\"\",\"l\",\"x\",\"La\",\"-\",\"Q\"\r\n");
    EXPECT_EQ(readFile("2pe.lex"), "\"\",\"p\",\"x\",\"Pe\",\"-\",\"Q\"\r\n");
    EXPECT_EQ(readFile("2vo.lex"), "\"\",\"v\",\"x\",\"Vo\",\"-\",\"Q\"\r\n");
}

TEST_F(KonvertConversionsTest, ImportEndingEarlySaysHowManyWereAppended) {
    writeFile("neu.txt", "\"\",\"k\",\"x\",\"Kr\",\"-\",\"Q\"\r\n\"\",\"l\",\"x\"\r\n");
    const Outcome r = importSixColumns("neu.txt");
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.status.isEmpty());
    EXPECT_TRUE(r.problem->text.contains("Ein vollständiger Datensatz wurde an die Lexikondateien angefügt."));
    EXPECT_EQ(readFile("2kr.lex"), "\"\",\"k\",\"x\",\"Kr\",\"-\",\"Q\"\r\n");
}

TEST_F(KonvertConversionsTest, ImportOfALexiconFileIntoItselfIsRefused) {
    const QByteArray rec = "\"\",\"a\",\"b\",\"Al\",\"-\",\"Q\"\r\n";
    writeFile("2sp.lex", rec);
    const Outcome r = importSixColumns("2sp.lex");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("2sp.lex"), rec);
    for (const char* lex : {"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2vo.lex"}) EXPECT_FALSE(exists(lex)) << lex;
}

TEST_F(KonvertConversionsTest, TextToMoreInfoFilesEachItemUnderTheCallName) {
    writeFile("2te.lex", "\"alt\",\"Zeile\"\r\n");
    writeFile("text.txt", cp("Taufe im Dom,Trauung, Begräbnis\r\n"));
    const Outcome r = textToMoreInfo("text.txt", "2te.lex", "Taufe");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(readFile("2te.lex"),
              cp("\"alt\",\"Zeile\"\r\n\"Taufe\",\"Taufe im Dom\"\r\n\"Taufe\",\"Trauung\"\r\n\"Taufe\",\"Begräbnis\"\r\n"));
}

TEST_F(KonvertConversionsTest, TextToMoreInfoRefusesBadCallNamesAndItsOwnInput) {
    writeFile("2te.lex", "\"alt\",\"Zeile\"\r\n");
    const Outcome empty = textToMoreInfo("2te.lex", "x.lex", "");
    ASSERT_FALSE(empty.ok());
    EXPECT_EQ(empty.problem->title, "  N A M E N    E I N G E B E N  ");
    EXPECT_EQ(empty.problem->text, "in aufrufnamen eingeben");

    const Outcome quote = textToMoreInfo("2te.lex", "x.lex", "Tau\"fe");
    ASSERT_FALSE(quote.ok());
    EXPECT_EQ(quote.problem->title, "Aufrufname ungültig");

    const Outcome self = textToMoreInfo("2te.lex", "./2te.lex", "Taufe");
    ASSERT_FALSE(self.ok());
    EXPECT_EQ(self.problem->title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("2te.lex"), "\"alt\",\"Zeile\"\r\n");
    EXPECT_FALSE(exists("x.lex"));
}

TEST_F(KonvertConversionsTest, NothingIsWrittenWithoutAUsableInputOrOutputName) {
    writeFile("liste-korr.txt", "kept\r\n");
    const Outcome missing = lineInput("liste.txt");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.problem->title, "Eingabedatei fehlt");
    EXPECT_TRUE(missing.problem->text.contains("„liste.txt“"));
    EXPECT_EQ(readFile("liste-korr.txt"), "kept\r\n");

    writeFile("a.t", "\"a\",\"b\"\r\n");
    const Outcome shortName = checkTwoColumns("a.t");
    ASSERT_FALSE(shortName.ok());
    EXPECT_EQ(shortName.problem->title, "Dateiname zu kurz");
    EXPECT_TRUE(shortName.problem->text.contains("„a.t“"));
    EXPECT_FALSE(exists("-prüfa.t"));

    const Outcome noName = checkSixColumns("");
    ASSERT_FALSE(noName.ok());
    EXPECT_EQ(noName.problem->title, "Eingabedatei fehlt");
}

TEST_F(KonvertConversionsTest, DerivedOutputThatIsTheInputIsRefused) {
    const QByteArray text = "\"a\",\"b\"\r\n";
    writeFile("liste.txt", text);
    ASSERT_TRUE(QFile::link(path("liste.txt"), path("liste-6sp.txt")));
    const Outcome r = twoToSixColumns("liste.txt");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("liste.txt"), text);

    // A hard link is the same file under another name as well.
    ASSERT_TRUE(QFile::remove(path("liste-6sp.txt")));
    ASSERT_EQ(::link(QFile::encodeName(path("liste.txt")).constData(),
                     QFile::encodeName(path("liste-prüf.txt")).constData()), 0);
    const Outcome hard = checkTwoColumns("liste.txt");
    ASSERT_FALSE(hard.ok());
    EXPECT_EQ(hard.problem->title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("liste.txt"), text);
}
