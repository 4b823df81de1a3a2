#include "maintenance/MainConversions.h"
#include "TestSupport.h"

#include "store/Cp1252.h"

#include <QFile>

using namespace maintenance;

namespace {
QByteArray bytes(const QString& text) { return cp1252::encode(text); }
}  // namespace

class MainConversionsTest : public WorkDirTest {};

TEST_F(MainConversionsTest, CsvLinesBecomeOneFieldRecords) {
    writeFile("span-de-6sp.csv", cp("padre,Vater,Ts\r\n\r\nmadre „Mutter“\r\n"));
    const Outcome r = csvToLines();
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.status, "cvs->line-anf-OK");
    EXPECT_EQ(readFile("1-sp.txt"), cp("\"padre,Vater,Ts\"\r\n\"\"\r\n\"madre „Mutter“\"\r\n"));
}

// Every text is written in double quotes; one more inside would cut the text
// when it is read back. Each converter refuses such input before it writes.
TEST_F(MainConversionsTest, ADoubleQuoteInATextIsRefusedAndNothingWritten) {
    const QByteArray yesterday = "\"von gestern\"\r\n";
    const struct {
        const char* input;
        QByteArray bytes;
        const char* output;
        Outcome (*convert)();
        const char* where;
    } cases[] = {
        {"span-de-6sp.csv", "Abt,abbot\r\n\"Abt\",\"abbot\"\r\nAbtei\r\n", "1-sp.txt", csvToLines, "in Zeile 2 "},
        {"f-92-93-zeil.txt", "Abt\r\nabbot\r\n\"Abtei\"\r\nabbey\r\nAbtissin\rab\"bess\n", "kolt-lex.txt",
         twoLinesToThreeColumns, "in den Zeilen 3 und 6 "},
        {"5-sp.txt", "\"T\",\"E\",\"Al\",\"x\",\"Q\"\r\nT2,sagt \"ja\",\"Al\",\"x\",\"Q\"\r\n", "6fi.lex",
         fiveToSixColumns, "in Zeile 2 "},
        {"1-korr-4sp.txt", "\"A1\",\"B1\",\"C1\",\"D1\"\r\n\"A\",\"B\",\"C\",D\"x\r\n", "1-vo-erg.txt", fourColumnsToFirstNames,
         "in Zeile 2 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        writeFile(c.input, c.bytes);
        writeFile(c.output, yesterday);
        const Outcome r = c.convert();
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.status.isEmpty());
        EXPECT_EQ(r.problem->title, "Anführungszeichen in den Daten");
        EXPECT_TRUE(r.problem->text.startsWith(QStringLiteral("Die Datei „%1“ enthält %2").arg(c.input, c.where)))
            << r.problem->text.toStdString();
        EXPECT_TRUE(r.problem->text.endsWith("Aus dieser Datei wurde nichts geschrieben."));
        EXPECT_EQ(readFile(c.output), yesterday);
    }

    // Many lines: the first ten are named, and how many there are.
    QByteArray many;
    for (int i = 1; i <= 30; ++i) many += i % 2 ? QByteArray("\"") + QByteArray::number(i) + "\"\r\n" : "gut\r\n";
    writeFile("span-de-6sp.csv", many);
    const Outcome r = csvToLines();
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.problem->text.contains("in 15 Zeilen, zuerst in den Zeilen 1, 3, 5, 7, 9, 11, 13, 15, 17 und 19 "))
        << r.problem->text.toStdString();

    // A quote in the field that "3sp->6sp" drops harms nothing.
    writeFile("5-sp.txt", "\"T\",\"E\",\"Al\",x\"y,\"Q\"\r\n");
    EXPECT_TRUE(fiveToSixColumns().ok());
    EXPECT_EQ(readFile("6fi.lex"), "\" \",\"T\",\"E\",\"Al\",\"-\",\"Q\"\r\n");
}

TEST_F(MainConversionsTest, LinePairsBecomeThreeColumnsWithBlanksTrimmed) {
    writeFile("f-92-93-zeil.txt", cp("Abt\r\n  abbot  \r\nÄbtissin\r\n\tabbess \r\n"));
    const Outcome r = twoLinesToThreeColumns();
    EXPECT_EQ(r.status, "Kolt-konvert-2.Zeilig auf 3.spaltig-OK");
    // Only blanks are trimmed: the tab stays.
    EXPECT_EQ(readFile("kolt-lex.txt"), cp("\"\",\"Abt\",\"abbot\"\r\n\"\",\"Äbtissin\",\"\tabbess\"\r\n"));
}

TEST_F(MainConversionsTest, OddLineCountWritesCompletePairsAndSaysSo) {
    writeFile("f-92-93-zeil.txt", cp("Abt\r\nabbot\r\nÄbtissin\r\n"));
    const Outcome r = twoLinesToThreeColumns();
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.status.isEmpty());
    EXPECT_EQ(r.problem->title, "Eingabe unvollständig");
    EXPECT_TRUE(r.problem->text.contains("ungerade Zahl von Zeilen"));
    EXPECT_TRUE(r.problem->text.contains("Ein vollständiger Datensatz wurde in „kolt-lex.txt“ geschrieben."));
    EXPECT_EQ(readFile("kolt-lex.txt"), cp("\"\",\"Abt\",\"abbot\"\r\n"));
}

TEST_F(MainConversionsTest, FiveColumnsBecomeLexiconRecords) {
    writeFile("5-sp.txt", cp("\" Ahn \",\" Vorfahr \",\" La\",\"weg\",\" Q1 \"\r\n"
                             "\"T\",\"E\",,\"weg\",\"S\"\r\n"));
    const Outcome r = fiveToSixColumns();
    EXPECT_EQ(r.status, "5-spaltig auf 6-spaltig-OK");
    // Key a single blank, further info "-", the fourth input field dropped,
    // code and source as read (an absent code stays absent).
    EXPECT_EQ(readFile("6fi.lex"), cp("\" \",\"Ahn\",\"Vorfahr\",\" La\",\"-\",\" Q1 \"\r\n"
                                      "\" \",\"T\",\"E\",,\"-\",\"S\"\r\n"));
}

TEST_F(MainConversionsTest, FourColumnsBecomeFirstNameRecords) {
    writeFile("1-korr-4sp.txt", cp("\"A1\",\"B1\",\"C1\",\"D1\"\r\n\"Jan\",\"Johann\",\"poln.\",\"Q\"\r\n"));
    const Outcome r = fourColumnsToFirstNames();
    EXPECT_EQ(r.status, "vordatei-lex-OK");
    EXPECT_EQ(readFile("1-vo-erg.txt"),
              cp("\"\",\"A1\",\"C1 - B1\",\"Vo\",\"D1\"\r\n\"\",\"Jan\",\"poln. - Johann\",\"Vo\",\"Q\"\r\n"));
}

TEST_F(MainConversionsTest, RecordFileEndingInsideARecordKeepsCompleteRecords) {
    writeFile("1-korr-4sp.txt", cp("\"A1\",\"B1\",\"C1\",\"D1\"\r\n\"A2\",\"B2\"\r\n"));
    const Outcome r = fourColumnsToFirstNames();
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.status.isEmpty());
    EXPECT_TRUE(r.problem->text.contains("„1-korr-4sp.txt“ endet mitten in einem Datensatz"));
    EXPECT_EQ(readFile("1-vo-erg.txt"), cp("\"\",\"A1\",\"C1 - B1\",\"Vo\",\"D1\"\r\n"));
}

TEST_F(MainConversionsTest, MissingInputNamesItAndLeavesTheOutputAlone) {
    struct Case {
        Outcome (*run)();
        const char* input;
        const char* output;
    };
    const Case cases[] = {
        {csvToLines, "span-de-6sp.csv", "1-sp.txt"},
        {twoLinesToThreeColumns, "f-92-93-zeil.txt", "kolt-lex.txt"},
        {fiveToSixColumns, "5-sp.txt", "6fi.lex"},
        {fourColumnsToFirstNames, "1-korr-4sp.txt", "1-vo-erg.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        writeFile(c.output, "kept\r\n");
        const Outcome r = c.run();
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.problem->title, "Eingabedatei fehlt");
        EXPECT_TRUE(r.problem->text.contains(QString("„%1“").arg(c.input)));
        EXPECT_EQ(readFile(c.output), "kept\r\n");
    }
    const Outcome imp = importNewEntries();
    ASSERT_FALSE(imp.ok());
    EXPECT_TRUE(imp.problem->text.contains("„2fi.lex“"));
    EXPECT_FALSE(exists("2sp.lex"));
}

TEST_F(MainConversionsTest, OutputThatIsTheInputIsRefused) {
    const QByteArray source = cp("eins\r\nzwei\r\n");
    writeFile("span-de-6sp.csv", source);
    ASSERT_TRUE(QFile::link(path("span-de-6sp.csv"), path("1-sp.txt")));
    const Outcome r = csvToLines();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("span-de-6sp.csv"), source);
}

namespace {
const char* const kLexicons[] = {"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2sp.lex", "2te.lex", "2vo.lex"};
}

TEST_F(MainConversionsTest, LexiconsAreCopiedToTextFilesReEncoded) {
    for (const char* lex : kLexicons)
        writeFile(lex, bytes(QString("\"\",\"Wort %1\",\"Erklärung\",\"Pe\",\"-\",\"Q\"\r\n").arg(lex)));
    // Spacing and quoting are normalised; an absent item stays absent; 2te.lex
    // has two fields per record.
    writeFile("2sp.lex", cp(" \"k\" , Wort ,\"E, mit Komma\",Al,,\"Q\"\r\n"));
    writeFile("2te.lex", cp("\"quel!\",\"Quellen:\"\r\n\"quel!\",  KB = Kirchenbuch\r\n"));
    const Outcome r = copyLexiconsToText();
    EXPECT_EQ(r.status, "-OK-");
    EXPECT_EQ(readFile("2sp.txt"), cp("\"k\",\"Wort\",\"E, mit Komma\",\"Al\",,\"Q\"\r\n"));
    EXPECT_EQ(readFile("2te.txt"), cp("\"quel!\",\"Quellen:\"\r\n\"quel!\",\"KB = Kirchenbuch\"\r\n"));
    EXPECT_EQ(readFile("2da.txt"), cp("\"\",\"Wort 2da.lex\",\"Erklärung\",\"Pe\",\"-\",\"Q\"\r\n"));
    EXPECT_EQ(readFile("2sp.lex"), cp(" \"k\" , Wort ,\"E, mit Komma\",Al,,\"Q\"\r\n"));
    for (const char* lex : kLexicons) EXPECT_TRUE(exists(QString(lex).replace(".lex", ".txt"))) << lex;
}

TEST_F(MainConversionsTest, LexiconCopiesNeedAllSevenFiles) {
    for (const char* lex : kLexicons)
        if (QString(lex) != "2te.lex") writeFile(lex, "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
    const Outcome r = copyLexiconsToText();
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.problem->text.contains("„2te.lex“"));
    for (const char* lex : kLexicons) EXPECT_FALSE(exists(QString(lex).replace(".lex", ".txt"))) << lex;
}

TEST_F(MainConversionsTest, LexiconCopyReportsAFileEndingEarlyAndCopiesTheRest) {
    for (const char* lex : kLexicons) writeFile(lex, "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
    writeFile("2kr.lex", "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n\"\",\"c\"\r\n");
    const Outcome r = copyLexiconsToText();
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.status.isEmpty());
    EXPECT_TRUE(r.problem->text.contains("„2kr.lex“ endet mitten in einem Datensatz"));
    EXPECT_EQ(readFile("2kr.txt"), "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n");
    EXPECT_EQ(readFile("2vo.txt"), "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
}

TEST_F(MainConversionsTest, ImportRoutesByExactCodeAndCopiesLongExplanations) {
    writeFile("2kr.lex", "\"\",\"alt\",\"x\",\"Kr\",\"-\",\"Q\"\r\n");
    const QString e26(26, u'e'), e27(27, u'f'), e30(30, u'g');
    writeFile("2fi.lex", bytes(QString("\"k1\",\"Ruhr\",\"%1\",\"Kr\",\"-\",\"Q\"\r\n"  // 30: copied
                                    "\"k2\",\"ruhr\",\"%2\",\"kr\",\"-\",\"Q\"\r\n"   // 26: not copied
                                    "\"\",\"Pate\",\"%3\",\"Pe\",,\"Q\"\r\n"          // 27, absent: copied
                                    "\"\",\"x\",\"%1\",\"Sp\",\"eigene\",\"Q\"\r\n"   // own info kept
                                    "\"\",\"Anna\",\"kurz\",\"Vo\",\"\",\"Q\"\r\n")
                                    .arg(e30, e26, e27)
                                    ));
    const Outcome r = importNewEntries();
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.status.isEmpty());
    EXPECT_EQ(r.records, 5);
    EXPECT_EQ(readFile("2kr.lex"),
              bytes(QString("\"\",\"alt\",\"x\",\"Kr\",\"-\",\"Q\"\r\n\"\",\"Ruhr\",\"%1\",\"Kr\",\"%1\",\"Q\"\r\n")
                         .arg(e30)));
    EXPECT_EQ(readFile("2sp.lex"), bytes(QString("\"\",\"ruhr\",\"%1\",\"kr\",\"-\",\"Q\"\r\n"
                                              "\"\",\"x\",\"%2\",\"Sp\",\"eigene\",\"Q\"\r\n")
                                              .arg(e26, e30)));
    EXPECT_EQ(readFile("2pe.lex"), bytes(QString("\"\",\"Pate\",\"%1\",\"Pe\",\"%1\",\"Q\"\r\n").arg(e27)));
    EXPECT_EQ(readFile("2vo.lex"), "\"\",\"Anna\",\"kurz\",\"Vo\",\"\",\"Q\"\r\n");
    EXPECT_FALSE(exists("2la.lex"));
    EXPECT_EQ(readFile("2fi.lex").left(5), "\"k1\",");
}

TEST_F(MainConversionsTest, ImportEndingInsideARecordSaysHowManyWereAppended) {
    writeFile("2fi.lex", "\"\",\"a\",\"b\",\"Da\",\"-\",\"Q\"\r\n\"\",\"c\",\"d\",\"Da\",\"-\",\"Q\"\r\n\"\",\"e\"\r\n");
    const Outcome r = importNewEntries();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.records, 2);
    EXPECT_TRUE(r.problem->text.contains("2 vollständige Datensätze wurden an die Lexikondateien angefügt."));
    EXPECT_EQ(readFile("2da.lex"), "\"\",\"a\",\"b\",\"Da\",\"-\",\"Q\"\r\n\"\",\"c\",\"d\",\"Da\",\"-\",\"Q\"\r\n");
}

TEST_F(MainConversionsTest, ImportRefusesAnInputThatIsALexiconFile) {
    const QByteArray rec = "\"\",\"a\",\"b\",\"Al\",\"-\",\"Q\"\r\n";
    writeFile("2fi.lex", rec);
    ASSERT_TRUE(QFile::link(path("2fi.lex"), path("2sp.lex")));
    const Outcome r = importNewEntries();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("2fi.lex"), rec);
}

TEST_F(MainConversionsTest, UnwritableOutputsAreReported) {
    writeFile("span-de-6sp.csv", "eins\r\n");
    ASSERT_TRUE(QDir().mkdir(path("1-sp.txt")));
    const Outcome r = csvToLines();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.problem->title, "Schreibfehler");
    EXPECT_TRUE(r.problem->text.contains("„1-sp.txt“"));

    // The import stops at the record it cannot append and says how far it got.
    writeFile("2fi.lex", "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n\"\",\"c\",\"d\",\"Kr\",\"-\",\"Q\"\r\n"
                         "\"\",\"e\",\"f\",\"Pe\",\"-\",\"Q\"\r\n");
    ASSERT_TRUE(QDir().mkdir(path("2kr.lex")));
    const Outcome imp = importNewEntries();
    ASSERT_FALSE(imp.ok());
    EXPECT_EQ(imp.records, 1);
    EXPECT_TRUE(imp.problem->text.contains("„2kr.lex“"));
    EXPECT_TRUE(imp.problem->text.contains("Ein vollständiger Datensatz wurde an die Lexikondateien angefügt."));
    EXPECT_EQ(readFile("2pe.lex"), "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
}

TEST_F(MainConversionsTest, ImportAndLexiconCopiesRefuseADoubleQuoteInAText) {
    writeFile("2kr.lex", "\"\",\"alt\",\"x\",\"Kr\",\"-\",\"Q\"\r\n");
    writeFile("2fi.lex", "\"\",\"neu\",\"y\",\"Kr\",\"-\",\"Q\"\r\n\"\",\"zwei\",sagt \"ja\",\"Kr\",\"-\",\"Q\"\r\n");
    const Outcome imp = importNewEntries();
    ASSERT_FALSE(imp.ok());
    EXPECT_TRUE(imp.problem->text.startsWith("Die Datei „2fi.lex“ enthält in Zeile 2 "));
    EXPECT_EQ(imp.records, 0);
    EXPECT_EQ(readFile("2kr.lex"), "\"\",\"alt\",\"x\",\"Kr\",\"-\",\"Q\"\r\n");  // not even the good first record
    EXPECT_FALSE(exists("2sp.lex"));

    // The copies to text files: the one with the quote is left out, the others are made.
    for (const char* lex : kLexicons) writeFile(lex, "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
    writeFile("2te.lex", "\"quel!\",\"Quellen\"\r\n\"quel!\",KB \"Kirchenbuch\"\r\n");
    writeFile("2te.txt", "alt");
    const Outcome copy = copyLexiconsToText();
    ASSERT_FALSE(copy.ok());
    EXPECT_TRUE(copy.problem->text.contains("Die Datei „2te.lex“ enthält in Zeile 2 ")) << copy.problem->text.toStdString();
    EXPECT_EQ(readFile("2te.txt"), "alt");
    EXPECT_EQ(readFile("2vo.txt"), "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
}

TEST_F(MainConversionsTest, AFullDiskIsReportedAndLeavesEveryFileAsItWas) {
    // The copies to text files: a copy that does not fit keeps the old text
    // file and claims no record written.
    const QByteArray big = "\"\",\"" + QByteArray(6000, 'a') + "\",\"b\",\"Pe\",\"-\",\"Q\"\r\n";
    for (const char* lex : kLexicons) writeFile(lex, "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
    writeFile("2te.lex", "\"quel!\",\"Quellen\"\r\n");
    writeFile("2sp.lex", big);
    writeFile("2sp.txt", "alt");
    Outcome copy;
    {
        FileSizeLimit limit(4096);
        copy = copyLexiconsToText();
    }
    ASSERT_FALSE(copy.ok());
    EXPECT_EQ(copy.status, "");
    EXPECT_TRUE(copy.problem->text.contains("„2sp.txt“ konnte nicht geschrieben werden (Schreibfehler: die Datei "
                                            "hat die größte erlaubte Dateigröße erreicht)"))
        << copy.problem->text.toStdString();
    EXPECT_TRUE(copy.problem->text.contains("unverändert geblieben; es wurde nichts geschrieben"));
    EXPECT_FALSE(copy.problem->text.contains("vollständige Datensätze wurden"));
    EXPECT_EQ(readFile("2sp.txt"), "alt");
    EXPECT_EQ(readFile("2vo.txt"), "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");  // the others are made

    // The import: the record that does not fit is cut back; the ones before stay.
    writeFile("2fi.lex", "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n" + big);
    writeFile("2kr.lex", "");
    Outcome imp;
    {
        FileSizeLimit limit(4096);
        imp = importNewEntries();
    }
    ASSERT_FALSE(imp.ok());
    EXPECT_EQ(imp.records, 1);
    EXPECT_TRUE(imp.problem->text.contains("Ein vollständiger Datensatz wurde an die Lexikondateien angefügt."));
    EXPECT_EQ(readFile("2kr.lex"), "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n");
    EXPECT_EQ(readFile("2pe.lex"), "\"\",\"a\",\"b\",\"Pe\",\"-\",\"Q\"\r\n");
}
