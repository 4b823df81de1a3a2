#include "store/LexiconFiles.h"
#include "LexikonTestSupport.h"
#include "search/ListLine.h"

namespace {

class SearchTest : public LexikonTest {
protected:
    void SetUp() override {
        LexikonTest::SetUp();
        writeFile("2sp.lex", rec("", "Anna", "sp-1", "Al", "-", "sipp") +
                                 rec("", "Marianna", "sp-2", "Ts", "", "ab") +
                                 rec("greg", "Hanna-Anna", "sp-3", "", "info", "sipp") +
                                 rec("", "Annamarianna", "sp-4", "Xy", "-", "sipp"));
        writeFile("2la.lex", rec("", "anna", "la-1", "La", "-", "sipp") +
                                 rec("", "Annaberg", "la-2", "La", "-", "sipp"));
        writeFile("2pe.lex", rec("taufe", "Pate", "Taufzeuge", "Pe", "x", "sipp") +
                                 rec("", "Ährenleser", "Nachleser", "Pe", "-", "sipp"));
        writeFile("2kr.lex", rec("taufe", "Ährenbrand", "Mutterkorn", "Kr", "x", "sipp"));
        writeFile("2da.lex", QByteArray());
        writeFile("2vo.lex", rec("", "Anna ", "Vorname", "Vo", "-", "sipp"));
    }
};

TEST_F(SearchTest, BeginsAndContainsFindExactlyTheirTerms) {
    search("Anna");
    EXPECT_EQ(terms(), (QStringList{"Anna", "Annamarianna", "anna", "Annaberg", "Anna"}));
    control<QRadioButton>("Option2")->setChecked(true);
    search("anna");
    EXPECT_EQ(terms(), (QStringList{"Marianna", "Hanna-Anna"}));
    control<QRadioButton>("Option1")->setChecked(true);
    search("ÄHRE");
    EXPECT_EQ(terms(), (QStringList{"Ährenleser", "Ährenbrand"}));
    search("ähre");
    EXPECT_EQ(terms(), (QStringList{"Ährenleser", "Ährenbrand"}));
    search("anna ");  // blanks are part of the search text
    EXPECT_EQ(terms(), (QStringList{"Anna"}));
    search("a");
    EXPECT_EQ(control<ResultList>("List1")->count(), 5);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(SearchTest, ResultFileAndListLines) {
    search("hanna");
    // Absent fields pass through as absent; the indicator replaces the source,
    // which moves to the seventh field.
    EXPECT_EQ(readFile(lexicon::kResultFile), QByteArray("\"greg\",\"Hanna-Anna\",\"sp-3\",\"\",\"info\",\"mehr\",\"sipp\"\r\n"));
    EXPECT_EQ(control<HeadingsBox>("Text5")->text(), listline::headings());
    EXPECT_EQ(lines(), QStringList{QString("Hanna-Anna") + QString(20, ' ') + "sp-3" + QString(27, ' ') + "mehr    " +
                                   "unbekannt    sipp"});
    // The focus goes back to the search box.
    EXPECT_TRUE(control<QLineEdit>("Text3")->hasFocus() || QApplication::focusWidget() == nullptr);

    writeFile("2sp.lex", ",\"Pate\",\"Taufzeuge\",\"Al\",,\"abcdef\"\r\n");
    control<QRadioButton>("Option4")->setChecked(true);
    search("pate");
    EXPECT_EQ(readFile(lexicon::kResultFile), QByteArray(",\"Pate\",\"Taufzeuge\",\"Al\",,\"nein\",\"abcd" "ef\"\r\n"));
    EXPECT_TRUE(lines()[0].endsWith("nein    Allgemein    abcd"));
}

TEST_F(SearchTest, IndicatorRules) {
    const QByteArray t28 = QByteArray(28, 'k');
    writeFile("2sp.lex", rec("", t28.constData(), "e", "Al", "-", "s") + rec("m", "kmehr", "e", "Al", "info", "s"));
    writeFile("2la.lex", rec("", t28.constData(), "e", "La", "-", "s") + rec("m", "klatein", "e", "La", "info", "s"));
    writeFile("2kr.lex", rec("m", "kkrank", "e", "Kr", "info", "s") + rec("", "kkurz", QByteArray(27, 'x'), "Kr", "", "s"));
    writeFile("2pe.lex", rec("m", "kpate", "e", "Pe", "-", "s"));
    search("k");
    QStringList indicators;
    for (const QString& l : lines()) indicators.append(l.mid(61, 8).trimmed());
    EXPECT_EQ(terms(), (QStringList{QString(24, 'k'), "kmehr", QString(24, 'k'), "klatein", "kpate", "kkrank", "kkurz"}));
    EXPECT_EQ(indicators, (QStringList{"ja", "mehr", "nein", "ja", "mehr", "ja", "ja"}));
}

TEST_F(SearchTest, DictionaryChoiceSelectsFilesInOrder) {
    control<QRadioButton>("Option5")->setChecked(true);
    search("anna");
    EXPECT_EQ(control<ResultList>("List1")->count(), 0);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, " Eingabe ändern ");
    EXPECT_EQ(messages_[0].text, "Es wurde kein entsprechender Begriff gefunden. Wählen Sie >Alle Lexika<.\n"
                                 "Wenn Sie diesen Begriff zu Ihren Lexika hinzufügen wollen drücken Sie >Ergänzen<!");
    EXPECT_EQ(control<HeadingsBox>("Text5")->text(), "Suchergebnisse");
    EXPECT_EQ(readFile(lexicon::kResultFile), QByteArray());  // the file stays, empty
    control<QRadioButton>("Option9")->setChecked(true);
    search("anna");
    EXPECT_EQ(terms(), (QStringList{"Anna", "Annamarianna", "anna", "Annaberg"}));
    control<QRadioButton>("Option8")->setChecked(true);
    search("anna");
    EXPECT_EQ(terms(), (QStringList{"Anna"}));
    // A second search holds only its own hits, in the file as in the list.
    EXPECT_EQ(readFile(lexicon::kResultFile).count("\r\n"), 1);
}

TEST_F(SearchTest, EmptySearchBoxIsRefused) {
    control<QLineEdit>("Text2")->setText("alt");
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "  S U C H B E G R I F F   E I N G E B E N  ");
    EXPECT_EQ(messages_[0].text, "Wenigsten drei Buchstaben in das Feld >Suchbegriff< eingeben!");
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_FALSE(exists(lexicon::kResultFile));
    type("pa");
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);  // Enter searches as the button does
    EXPECT_EQ(terms(), (QStringList{"Pate"}));
}

TEST_F(SearchTest, UnreadableFilesAreNamedAndCompleteRecordsListed) {
    QFile::remove(path("2kr.lex"));
    writeFile("2la.lex", rec("", "anna", "la-1", "La", "-", "sipp") + "\"Annaberg\",\"la-2\"\r\n");
    writeFile("2vo.lex", rec("", "Anna ", "Vorname", "Vo", "-", "sipp") + "\r\n");
    search("anna");
    EXPECT_EQ(terms(), (QStringList{"Anna", "Annamarianna", "anna", "Anna"}));
    EXPECT_EQ(readFile(lexicon::kResultFile).count("\r\n"), 4);
    ASSERT_EQ(messages_.size(), 1);
    const QStringList text = messages_[0].text.split('\n');
    ASSERT_EQ(text.size(), 4);
    EXPECT_TRUE(text[1].startsWith("2la.lex: Datei endet mitten in einem Eintrag"));
    EXPECT_EQ(text[2], "2kr.lex: Datei nicht gefunden");
    EXPECT_TRUE(text[3].startsWith("2vo.lex: "));
    // The window stays usable.
    search("pate");
    EXPECT_EQ(terms(), (QStringList{"Pate"}));
}

TEST_F(SearchTest, DetailDisplay) {
    const QByteArray t40(40, 'L'), t28(28, 'M'), e30(30, 'E');
    writeFile("2sp.lex", rec("", "zNein", "e", "Al", "-", "s") +                       // 0 nein
                             rec("", ("z" + t40).constData(), "kurz", "Al", "Info", "s") +  // 1 ja, long term
                             rec("", ("z" + t28).constData(), "kurz", "Al", "-", "s") +     // 2 ja, 29 chars
                             rec("", "zErk", e30.constData(), "Al", "", "s") +            // 3 ja, 30-char explanation
                             rec("key1", ("z" + t40).constData(), "e", "Al", "Info", "s"));  // 4 mehr
    search("z");
    ASSERT_EQ(control<ResultList>("List1")->count(), 5);

    select(0);
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());

    select(1);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "Info");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "Vollständiger Suchbegriff = z" + QString(40, 'L'));
    EXPECT_TRUE(control<QPlainTextEdit>("Text4")->toPlainText().isEmpty());

    select(2);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "-");
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());

    select(3);
    EXPECT_EQ(control<QPlainTextEdit>("Text4")->toPlainText(), "Vollständige Erklärung = " + QString(30, 'E'));
    EXPECT_EQ(lines()[3].mid(30, 31), QString(30, 'E') + " ");

    select(4);
    EXPECT_FALSE(control<QPushButton>("Command14")->isHidden());
    EXPECT_EQ(w->variables().selectedMoreKey, "key1");
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());

    select(0);  // the button shows only while a "mehr" hit is selected
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    EXPECT_EQ(w->variables().selectedMoreKey, "");
    EXPECT_FALSE(control<QLineEdit>("Text2")->isHidden());
    EXPECT_FALSE(control<QPlainTextEdit>("Text4")->isHidden());
}

TEST_F(SearchTest, QuelleModeAndMissingResultFile) {
    search("pate");
    control<QLineEdit>("Text3")->setText("quelle");
    control<QLineEdit>("Text2")->setText("bleibt");
    select(0);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), lines()[0].mid(9));
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "bleibt");

    search("anna");
    control<QLineEdit>("Text3")->setText("Quelle");
    QFile::remove(path(lexicon::kResultFile));
    select(2);  // no crash, no stale details
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
    writeFile(lexicon::kResultFile, "\"\",\"Kurz\",\"e\",\"Al\",\"Info\",\"ja\",\"s\"\r\n");
    select(3);  // the file is shorter than the list
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
}

}  // namespace
