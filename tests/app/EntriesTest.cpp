#include "store/FieldFile.h"
#include "store/LexiconFiles.h"
#include "LexikonTestSupport.h"
#include "common/Look.h"
#include "search/MoreInfo.h"
#include "common/Windows.h"

#include <QDir>
#include <QListWidget>
#include <QGroupBox>

namespace {

class EntriesTest : public LexikonTest {
protected:
    void SetUp() override {
        LexikonTest::SetUp();
        writeFile("2pe.lex", rec("", "Pate", "Taufzeuge", "Pe", "-", "sipp"));
    }
    void add(const QString& term, const QString& explanation, const QString& info = {}) {
        control<QLineEdit>("Text3")->setText(term);
        control<QPlainTextEdit>("Text7")->setPlainText(explanation);
        control<QPlainTextEdit>("Text9")->setPlainText(info);
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    }
    void ergaenzen() { QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton); }
};

TEST_F(EntriesTest, FirstEntryGoesToTheGeneralTermsShown) {
    ergaenzen();
    EXPECT_EQ(look::outerHeight(w.get()), 7950);
    EXPECT_EQ(w->variables().addModeFlag, "ja");
    EXPECT_TRUE(control<QRadioButton>("Option3")->isHidden());
    EXPECT_TRUE(control<QRadioButton>("Option9")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option17")->isChecked());
    EXPECT_TRUE(control<QGroupBox>("Frame2")->isHidden());
    for (QWidget* shown : {static_cast<QWidget*>(control<QLabel>("Text6")), static_cast<QWidget*>(control<QPlainTextEdit>("Text7")), static_cast<QWidget*>(control<QPushButton>("Command1")), static_cast<QWidget*>(control<QLineEdit>("Text11"))})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    EXPECT_EQ(control<QLineEdit>("Text11")->text(), "zub");
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9            Sprachenlexikon-Allgemein");

    // "Allgemein" is shown, so the entry gets its code "Al".
    add("Gevatter", "Pate, Taufzeuge\nauch Nachbar", "alt");
    const QByteArray line = cp("\"\",\"Gevatter\",\"Pate, Taufzeuge\r\nauch Nachbar\",\"Al\",\"alt\",\"zub\"\r\n");
    EXPECT_EQ(readFile("2sp.lex"), line);
    EXPECT_EQ(readFile(lexicon::kAdditionsLog), line);
    EXPECT_TRUE(messages_.isEmpty());

    // Back in search mode with the term kept.
    EXPECT_EQ(look::outerHeight(w.get()), 5955);
    EXPECT_EQ(w->variables().addModeFlag, "no");
    EXPECT_FALSE(control<QRadioButton>("Option3")->isHidden());
    EXPECT_TRUE(control<QRadioButton>("Option3")->isChecked());
    EXPECT_TRUE(control<QLabel>("Text6")->isHidden() && control<QPlainTextEdit>("Text7")->isHidden() && control<QLineEdit>("Text11")->isHidden() && control<QGroupBox>("Frame2")->isHidden());
    EXPECT_TRUE(control<QPlainTextEdit>("Text7")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text11")->text().isEmpty());
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "Gevatter");
    EXPECT_EQ(w->variables().lastSource, "zub");

    // The very next search finds it; the explanation with its line break reads back whole.
    QTest::mouseClick(control<QPushButton>("Suchen"), Qt::LeftButton);
    EXPECT_EQ(terms(), QStringList{"Gevatter"});
    FieldFile f;
    ASSERT_TRUE(f.openForReading("2sp.lex"));
    FieldValues r;
    ASSERT_TRUE(f.readItems(6, r));
    EXPECT_EQ(textOf(r[2]), "Pate, Taufzeuge\r\nauch Nachbar");
    EXPECT_TRUE(f.atEnd());
}

TEST_F(EntriesTest, TargetAndCodeFollowTheOptionsChosen) {
    struct Case {
        const char* name;
        QList<QRadioButton*> clicks;
        const char* file;
        const char* code;
    };
    const QList<Case> cases = {
        {"Personen", {control<QRadioButton>("Option5")}, "2pe.lex", "Pe"},
        {"Sprachen, Polnisch", {control<QRadioButton>("Option4"), control<QRadioButton>("Option11")}, "2sp.lex", "Po"},
        {"Sprachen, Latein", {control<QRadioButton>("Option4"), control<QRadioButton>("Option16")}, "2sp.lex", "La"},
        // A language applies only while "Sprachen" is the dictionary shown.
        {"Sprachen, Polnisch, Krankheiten", {control<QRadioButton>("Option4"), control<QRadioButton>("Option11"), control<QRadioButton>("Option6")}, "2kr.lex", "Kr"},
        {"Sprachen, Polnisch, Allgemein", {control<QRadioButton>("Option4"), control<QRadioButton>("Option11"), control<QRadioButton>("Option9")}, "2sp.lex", "Al"},
        // "andere" is shown under "Sprachen": its code is the empty one, not "Pe".
        {"Personen, Sprachen", {control<QRadioButton>("Option5"), control<QRadioButton>("Option4")}, "2sp.lex", ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ergaenzen();
        for (QRadioButton* o : c.clicks) {
            if (!o->parentWidget()->isVisible()) o->parentWidget()->show();
            QTest::mouseClick(o, Qt::LeftButton);
        }
        const QString term = QString("Wort%1").arg(++n);
        add(term, "e");
        const QByteArray lexicon = readFile(c.file);
        EXPECT_TRUE(lexicon.endsWith(cp("\"\",\"" + term.toUtf8() + "\",\"e\",\"" + c.code + "\",\"\",\"zub\"\r\n")));
        EXPECT_TRUE(readFile(lexicon::kAdditionsLog).endsWith(lexicon.mid(lexicon.lastIndexOf("\"\",\"Wort"))));
        // "andere" is selected again by the next Ergänzen
        control<QRadioButton>("Option17")->setChecked(true);
    }
    EXPECT_FALSE(exists("2la.lex"));
    EXPECT_FALSE(exists("2te.lex"));
    EXPECT_EQ(readFile(lexicon::kAdditionsLog).count("\r\n"), 6);
}

TEST_F(EntriesTest, SearchBetweenChoiceAndAddKeepsTheChosenCode) {
    ergaenzen();
    QTest::mouseClick(control<QRadioButton>("Option5"), Qt::LeftButton);
    search("pate");
    select(0);  // the record buffer now holds the hit, its category a label
    control<QPlainTextEdit>("Text9")->setPlainText("info");
    add("Patin", "Taufzeugin", "info");
    EXPECT_TRUE(readFile("2pe.lex").endsWith("\"\",\"Patin\",\"Taufzeugin\",\"Pe\",\"info\",\"zub\"\r\n"));
}

TEST_F(EntriesTest, SourceIsProposedFromTheLastEntry) {
    writeFile(lexicon::kAdditionsLog, "\"alt\"\r\n");
    ergaenzen();
    control<QLineEdit>("Text11")->setText("Kb1");
    add("eins", "e");
    ergaenzen();
    EXPECT_EQ(control<QLineEdit>("Text11")->text(), "Kb1");
    control<QLineEdit>("Text11")->clear();
    add("zwei", "e");
    // "andere" was still selected, so only "Allgemein" ran its handler: code "Al".
    EXPECT_TRUE(readFile("2sp.lex").endsWith("\"zwei\",\"e\",\"Al\",\"\",\"\"\r\n"));
    ergaenzen();
    EXPECT_EQ(control<QLineEdit>("Text11")->text(), "zub");
    EXPECT_TRUE(readFile(lexicon::kAdditionsLog).startsWith("\"alt\"\r\n\"\",\"eins\""));
}

TEST_F(EntriesTest, EntriesThatCannotBeStoredAreRefusedWithEverythingKept) {
    ergaenzen();
    add("Pate", "der \"Gevatter\"", "x");
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].text.contains(">Erklärung<"));
    EXPECT_FALSE(exists("2sp.lex"));
    EXPECT_FALSE(exists(lexicon::kAdditionsLog));
    EXPECT_EQ(w->variables().addModeFlag, "ja");
    EXPECT_EQ(control<QPlainTextEdit>("Text7")->toPlainText(), "der \"Gevatter\"");
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "x");
    EXPECT_EQ(control<QLineEdit>("Text11")->text(), "zub");

    add(QString::fromUtf8("отец"), "Vater");  // Cyrillic has no spelling in the code page
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(messages_[1].text.contains(QString::fromUtf8("о")));
    EXPECT_FALSE(exists("2sp.lex"));

    // A lexicon file that cannot be opened: nothing in either file.
    QDir().mkdir(path("2sp.lex"));
    add("Pate", "Taufzeuge");
    ASSERT_EQ(messages_.size(), 3);
    EXPECT_TRUE(messages_[2].text.contains("2sp.lex"));
    EXPECT_FALSE(exists(lexicon::kAdditionsLog));
    EXPECT_EQ(w->variables().addModeFlag, "ja");
    EXPECT_EQ(control<QPlainTextEdit>("Text7")->toPlainText(), "Taufzeuge");

    // An additions log that cannot be opened: the lexicon is left as it was.
    QTest::mouseClick(control<QRadioButton>("Option5"), Qt::LeftButton);
    QDir().mkdir(path(lexicon::kAdditionsLog));
    const QByteArray before = readFile("2pe.lex");
    add("Pate2", "Taufzeuge");
    ASSERT_EQ(messages_.size(), 4);
    EXPECT_TRUE(messages_[3].text.contains(lexicon::kAdditionsLog));
    EXPECT_EQ(readFile("2pe.lex"), before);
}

TEST_F(EntriesTest, LettersTheCodePageLacksAreStoredInTheDictionarysSpelling) {
    ergaenzen();
    QTest::mouseClick(control<QRadioButton>("Option4"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>("Option11"), Qt::LeftButton);
    add(QString::fromUtf8("zmarł"), QString::fromUtf8("gestorben (Rzeszów, vőlegény)"));
    EXPECT_TRUE(readFile("2sp.lex").endsWith(cp("\"zmarl\",\"gestorben (Rzeszów, völegény)\",\"Po\",\"\",\"zub\"\r\n")));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].text.contains(QString::fromUtf8("ł → l")));
    EXPECT_TRUE(messages_[0].text.contains(QString::fromUtf8("ő → ö")));
    // Searching with the letter finds the entry in its stored spelling.
    search(QString::fromUtf8("zmarł"));
    EXPECT_EQ(terms(), QStringList{"zmarl"});
}

class MoreInfoTest : public LexikonTest {
protected:
    void SetUp() override {
        LexikonTest::SetUp();
        writeFile("2sp.lex", rec("taufe", "Taufe", "Sakrament", "Al", "-", "sipp") +
                                 rec("greg", "Taufdatum", "Datum der Taufe", "Al", "-", "sipp") +
                                 rec("greg", "Gregorianischer Kalender", "Kalender", "Al", "-", "sipp"));
        writeFile("2pe.lex", rec("taufe", "Pfarrer", "Seelsorger", "Pe", "-", "sipp") +
                                 rec("", "Dorfpfarrer", "Pfarrer auf dem Dorf", "Pe", "-", "sipp"));
        for (const char* empty : {"2la.lex", "2kr.lex", "2da.lex", "2vo.lex"}) writeFile(empty, QByteArray());
        writeFile("2te.lex", cp("\"taufe\",\"Zeile 1\"\r\n\"greg\",\"Kalender 1\"\r\n\"Taufe\",\"falsch\"\r\n"
                                "\"taufe\",\"Zeile 2\"\r\n\"greg\",\"Kalender 2\"\r\n\"taufe\",\"Zeile 3\"\r\n"));
    }
};

TEST_F(MoreInfoTest, ButtonShowsTheTextsOfTheHitsKey) {
    writeFile("2la.lex", rec("", "Taufname", "Name", "La", "-", "sipp"));  // a "nein" hit
    search("tauf");
    select(0);
    ASSERT_FALSE(control<QPushButton>("Command14")->isHidden());
    QTest::mouseClick(control<QPushButton>("Command14"), Qt::LeftButton);
    EXPECT_EQ(infoLines(), (QStringList{"Zeile 1", "Zeile 2", "Zeile 3"}));  // file order, case matters
    EXPECT_FALSE(exists(lexicon::kMoreInfoTemp));
    EXPECT_EQ(w->variables().selectedMoreKey, "");
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    QWidget* info = windows::find("info");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), "Mehr Information");
    EXPECT_TRUE(messages_.isEmpty());

    // While info is still open, the button of another "mehr" hit shows that
    // hit's texts, not the earlier ones.
    select(1);
    QTest::mouseClick(control<QPushButton>("Command14"), Qt::LeftButton);
    EXPECT_EQ(infoLines(), (QStringList{"Kalender 1", "Kalender 2"}));
    EXPECT_FALSE(exists(lexicon::kMoreInfoTemp));
    // A "nein" hit hides the button; the "mehr" hit shows it again.
    select(2);
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    select(0);
    EXPECT_FALSE(control<QPushButton>("Command14")->isHidden());
    QTest::mouseClick(control<QPushButton>("Command14"), Qt::LeftButton);
    EXPECT_EQ(infoLines(), (QStringList{"Zeile 1", "Zeile 2", "Zeile 3"}));
    // A new search hides it as well.
    select(1);
    search("tauf");
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    EXPECT_EQ(w->variables().selectedMoreKey, "");
    // Every change of the search box closes it.
    QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Backspace);
    EXPECT_EQ(windows::find("info"), nullptr);
}

TEST_F(MoreInfoTest, KeyWithoutTextsAndMissingTextFile) {
    // A word whose key has no texts: an empty window, no message.
    type("nichts!");
    EXPECT_TRUE(infoLines().isEmpty());
    EXPECT_NE(windows::find("info"), nullptr);
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    EXPECT_TRUE(messages_.isEmpty());
    windows::close("info");

    // 2te.lex gone: the button of a "mehr" hit says so instead of a window.
    search("tauf");
    select(0);
    ASSERT_FALSE(control<QPushButton>("Command14")->isHidden());
    QFile::remove(path("2te.lex"));
    QTest::mouseClick(control<QPushButton>("Command14"), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].text.contains("2te.lex"));
    EXPECT_EQ(windows::find("info"), nullptr);
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    EXPECT_EQ(w->variables().selectedMoreKey, "");
}

TEST_F(MoreInfoTest, ExplanationSearchComparesTheExplanation) {
    QTest::mouseClick(control<QRadioButton>("Option5"), Qt::LeftButton);
    type("Pfarr");
    QTest::mouseClick(control<QPushButton>("Command9"), Qt::LeftButton);
    EXPECT_EQ(terms(), QStringList{"Dorfpfarrer"});
    control<QRadioButton>("Option2")->setChecked(true);
    type("pfarr");
    QTest::mouseClick(control<QPushButton>("Command9"), Qt::LeftButton);
    // "Pfarrer auf dem Dorf" begins with the key: no "enthält" hit.
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, " Eingabe ändern ");
    EXPECT_EQ(control<ResultList>("List1")->count(), 0);
    writeFile("2pe.lex", rec("taufe", "Pfarrer", "Seelsorger, Dorfpfarrer", "Pe", "-", "sipp"));
    QTest::mouseClick(control<QPushButton>("Command9"), Qt::LeftButton);
    EXPECT_EQ(terms(), QStringList{"Pfarrer"});
    // A 2pe.lex entry with a key is "mehr" only for the term search.
    EXPECT_EQ(lines()[0].mid(61, 8).trimmed(), "nein");
    select(0);
    EXPECT_TRUE(control<QPushButton>("Command14")->isHidden());
    control<QRadioButton>("Option1")->setChecked(true);
    QTest::mouseClick(control<QRadioButton>("Option3"), Qt::LeftButton);
    type("sakr");
    QTest::mouseClick(control<QPushButton>("Command9"), Qt::LeftButton);
    EXPECT_EQ(lines()[0].mid(61, 8).trimmed(), "mehr");  // 2sp.lex keeps "mehr"
    type("pfarrer");
    QTest::mouseClick(control<QPushButton>("Suchen"), Qt::LeftButton);
    EXPECT_EQ(lines()[0].mid(61, 8).trimmed(), "mehr");
}

}  // namespace
