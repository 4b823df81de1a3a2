// The main window as a user meets it: clicks and keys on the option groups,
// the keyboard focus, adding entries when a write fails, and the result list.

#include "store/LexiconFiles.h"
#include "LexikonTestSupport.h"
#include "search/ListLine.h"
#include "common/Look.h"
#include "search/Search.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QScrollBar>
#include <QStyle>

#include <sys/stat.h>

namespace {

class WindowUseTest : public LexikonTest {
protected:
    void SetUp() override {
        LexikonTest::SetUp();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    static void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // The controls that Tab visits, in order, from the search box round to it.
    QStringList tabRound() {
        control<QLineEdit>("Text3")->setFocus();
        QStringList names;
        for (int i = 0; i < 100; ++i) {
            press(Qt::Key_Tab);
            if (!focused() || focused() == control<QLineEdit>("Text3")) break;
            names.append(focused()->objectName());
        }
        return names;
    }

    void ergaenzen() { click(control<QPushButton>("Command2")); }
    QByteArray entryLine(const char* term, const char* expl, const char* code, const char* info) {
        return rec("", term, expl, code, info, "zub");
    }
};

TEST_F(WindowUseTest, EachOptionGroupKeepsExactlyOneSelection) {
    writeFile("2sp.lex", rec("", "Anna", "x", "Al", "-", "sipp") + rec("", "Marianna", "x", "Al", "-", "sipp"));
    emptyOtherLexica();

    click(control<QRadioButton>("Option2"));
    click(control<QRadioButton>("Option2"));  // clicking the selected option leaves it selected
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option3")->isChecked()) << "a click on the match mode changed the dictionary choice";
    search("anna");
    EXPECT_EQ(terms(), QStringList{"Marianna"}) << "the search did not run as \"enthält\"";

    click(control<QRadioButton>("Option5"));
    click(control<QRadioButton>("Option5"));
    EXPECT_TRUE(control<QRadioButton>("Option5")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option3")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked()) << "a dictionary click changed the match mode";

    ergaenzen();
    click(control<QRadioButton>("Option4"));  // "Sprachen" shows the languages
    ASSERT_FALSE(control<QGroupBox>("Frame2")->isHidden());
    EXPECT_TRUE(control<QRadioButton>("Option17")->isChecked());
    click(control<QRadioButton>("Option11"));
    click(control<QRadioButton>("Option11"));
    EXPECT_TRUE(control<QRadioButton>("Option11")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("Option17")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option4")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
}

TEST_F(WindowUseTest, TabEntersAGroupAtItsSelectionAndArrowsStayInside) {
    control<QLineEdit>("Text3")->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), control<QRadioButton>("Option1"));
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), control<QRadioButton>("Option2"));
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    press(Qt::Key_Down);  // round within the group, never into "Lexika"
    EXPECT_EQ(focused(), control<QRadioButton>("Option1"));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option3")->isChecked());
    press(Qt::Key_Tab);  // the next Tab leaves the group
    EXPECT_EQ(focused(), control<QPushButton>("Command7"));

    // Each group is one stop, at its selected option.
    const QStringList round = tabRound();
    EXPECT_EQ(round.count("Option1"), 1);
    EXPECT_FALSE(round.contains("Option2"));
    EXPECT_TRUE(round.contains("Option3")) << round.join(' ').toStdString();
    for (const char* other : {"Option4", "Option5", "Option6", "Option7", "Option8", "Option9"})
        EXPECT_FALSE(round.contains(other)) << other;
    EXPECT_LT(round.indexOf("Option1"), round.indexOf("Command7"));

    // Arrows choose a dictionary and keep the keyboard in the group.
    control<QRadioButton>("Option3")->setFocus();
    press(Qt::Key_Down);
    EXPECT_TRUE(control<QRadioButton>("Option4")->isChecked());
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9            Sprachenlexikon");
    press(Qt::Key_Down);
    EXPECT_TRUE(control<QRadioButton>("Option5")->isChecked());
    EXPECT_EQ(focused(), control<QRadioButton>("Option5"));
    EXPECT_EQ(w->variables().targetLexiconFile, "2pe.lex");
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    press(Qt::Key_Up);  // from "Alle Lexika" back round to "Allgemein"
    EXPECT_TRUE(control<QRadioButton>("Option9")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(tabRound().count("Option9"), 1);
    // A click puts the focus into the search box, as the design says.
    click(control<QRadioButton>("Option6"));
    EXPECT_EQ(focused(), control<QLineEdit>("Text3"));
}

TEST_F(WindowUseTest, ControlsOutsideTheVisiblePartTakeNoFocus) {
    const QStringList below{"Text7", "Text11", "Command1", "Option10", "Option17", "Command4", "Command8",
                            "Command10", "Command13"};
    QStringList round = tabRound();
    for (const QString& name : below) EXPECT_FALSE(round.contains(name)) << name.toStdString() << " at start-up";

    ergaenzen();
    round = tabRound();
    for (const char* shown : {"Text7", "Text11", "Command1"})
        EXPECT_TRUE(round.contains(shown)) << shown << " in add mode";
    EXPECT_FALSE(round.contains("Command4"));

    writeFile("2sp.lex", {});
    control<QLineEdit>("Text3")->setText("Gevatter");
    control<QPlainTextEdit>("Text7")->setPlainText("Pate");
    click(control<QPushButton>("Command1"));
    EXPECT_EQ(focused(), control<QLineEdit>("Text3")) << "the focus stayed on the button below the window";
    press(Qt::Key_Space);  // goes into the search box, adds nothing
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "Gevatter ");
    EXPECT_EQ(readFile("2sp.lex").count("\r\n"), 1);
    EXPECT_EQ(readFile(lexicon::kAdditionsLog).count("\r\n"), 1);
    round = tabRound();
    for (const QString& name : below) EXPECT_FALSE(round.contains(name)) << name.toStdString() << " after adding";

    // A window made tall enough shows the maintenance row, which is then reachable.
    w->resize(w->width(), look::twips(8310));
    EXPECT_TRUE(tabRound().contains("Command4"));
}

TEST_F(WindowUseTest, AFailedWriteLeavesBothFilesAsTheyWere) {
    const QByteArray lexicon = rec("", "Pate", "Taufzeuge", "Al", "-", "sipp");
    const QByteArray line = entryLine("Gevatter", "Taufpate", "Al", "alt");
    struct Case {
        const char* label;
        QByteArray log;        // the additions log before
        long long limit;       // the largest file size allowed while adding
        const char* failedFile;
    };
    const QByteArray longLog = QByteArray(300, 'x') + "\r\n";
    const Case cases[] = {
        // The lexicon write breaks off after a few bytes of the record.
        {"lexicon", {}, lexicon.size() + 10, "2sp.lex"},
        // The lexicon takes the record; the longer log does not.
        {"log", longLog, lexicon.size() + line.size(), "lexerg2.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        messages_.clear();
        writeFile("2sp.lex", lexicon);
        writeFile(lexicon::kAdditionsLog, c.log);
        ergaenzen();
        control<QLineEdit>("Text3")->setText("Gevatter");
        control<QPlainTextEdit>("Text7")->setPlainText("Taufpate");
        control<QPlainTextEdit>("Text9")->setPlainText("alt");
        {
            FileSizeLimit limit(c.limit);
            click(control<QPushButton>("Command1"));
        }
        EXPECT_EQ(readFile("2sp.lex"), lexicon);
        EXPECT_EQ(readFile(lexicon::kAdditionsLog), c.log);
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_EQ(messages_[0].title, " Eintrag nicht gespeichert ");
        EXPECT_TRUE(messages_[0].text.startsWith(QStringLiteral("Die Datei %1 kann nicht beschrieben werden: "
                                                                "die Datei hat die größte erlaubte Dateigröße")
                                                     .arg(c.failedFile)))
            << messages_[0].text.toStdString();
        EXPECT_TRUE(messages_[0].text.contains("unverändert"));
        // Still in add mode with every text kept.
        EXPECT_EQ(w->variables().addModeFlag, "ja");
        EXPECT_EQ(control<QPlainTextEdit>("Text7")->toPlainText(), "Taufpate");
        EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "alt");
        // Without the limit the same click stores it once, in both files.
        click(control<QPushButton>("Command1"));
        EXPECT_EQ(readFile("2sp.lex"), lexicon + line);
        EXPECT_EQ(readFile(lexicon::kAdditionsLog), c.log + line);
    }
}

TEST_F(WindowUseTest, ANewRecordStartsOnALineOfItsOwn) {
    // Both files edited by hand: their last lines have no line end.
    const QByteArray old = rec("", "Pate", "Taufzeuge", "Pe", "-", "sipp").chopped(2);
    writeFile("2pe.lex", old);
    writeFile(lexicon::kAdditionsLog, "\"alt\"");
    ergaenzen();
    click(control<QRadioButton>("Option5"));
    control<QLineEdit>("Text3")->setText("Patin");
    control<QPlainTextEdit>("Text7")->setPlainText("Taufzeugin");
    click(control<QPushButton>("Command1"));
    const QByteArray line = entryLine("Patin", "Taufzeugin", "Pe", "");
    EXPECT_EQ(readFile("2pe.lex"), old + "\r\n" + line);
    EXPECT_EQ(readFile(lexicon::kAdditionsLog), "\"alt\"\r\n" + line);
    emptyOtherLexica();
    search("pat");
    EXPECT_EQ(terms(), (QStringList{"Pate", "Patin"}));
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(WindowUseTest, WhatIsTypedIsKeptAndAnEmptyTermRefused) {
    ergaenzen();
    // Further information typed before the term stays.
    control<QPlainTextEdit>("Text9")->setPlainText("aus dem Taufbuch");
    typeKeys(control<QLineEdit>("Text3"), "Gode");
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "aus dem Taufbuch");

    control<QLineEdit>("Text3")->clear();
    control<QPlainTextEdit>("Text7")->setPlainText("Pate");
    click(control<QPushButton>("Command1"));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, " Eintrag nicht gespeichert ");
    EXPECT_TRUE(messages_[0].text.contains(">Suchbegriff<"));
    EXPECT_FALSE(exists("2sp.lex"));
    EXPECT_FALSE(exists(lexicon::kAdditionsLog));
    EXPECT_EQ(w->variables().addModeFlag, "ja");
    EXPECT_EQ(control<QPlainTextEdit>("Text7")->toPlainText(), "Pate");
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "aus dem Taufbuch");

    typeKeys(control<QLineEdit>("Text3"), "Gode");
    click(control<QPushButton>("Command1"));
    EXPECT_EQ(readFile("2sp.lex"), entryLine("Gode", "Pate", "Al", "aus dem Taufbuch"));
}

TEST_F(WindowUseTest, AResultFileThatCannotBeWrittenIsReported) {
    QByteArray many;
    for (int i = 0; i < 200; ++i) many += rec("", qPrintable(QString("Pate%1").arg(i)), "Taufzeuge", "Al", "-", "sipp");
    writeFile("2sp.lex", many);
    emptyOtherLexica();

    ASSERT_TRUE(QDir().mkdir(lexicon::kResultFile));  // a folder in its way
    search("pate");
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, search::resultFileTitle());
    EXPECT_TRUE(messages_[0].text.contains("ergebdat2.txt")) << messages_[0].text.toStdString();
    EXPECT_TRUE(messages_[0].text.contains("Ordner")) << messages_[0].text.toStdString();
    EXPECT_EQ(control<ResultList>("List1")->count(), 0);
    ASSERT_TRUE(QDir().rmdir(lexicon::kResultFile));

    messages_.clear();
    {
        FileSizeLimit limit(1000);  // the hits do not fit
        search("pate");
    }
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, search::resultFileTitle());
    EXPECT_TRUE(messages_[0].text.contains("Dateigröße")) << messages_[0].text.toStdString();
    EXPECT_EQ(control<ResultList>("List1")->count(), 0);
    EXPECT_FALSE(exists(lexicon::kResultFile));
}

TEST_F(WindowUseTest, TheResultFileQuotesEveryTextItem) {
    // Hand-edited: unquoted items with blanks around them, and an unquoted
    // item holding a double quote, which can only stay unquoted.
    writeFile("2sp.lex", "  , Pate ,Taufzeuge,Al, -,sipp\r\n,Patr\"on,Schutzherr,Al,-,sipp\r\n");
    emptyOtherLexica();
    search("pat");
    EXPECT_EQ(readFile(lexicon::kResultFile),
              ",\"Pate\",\"Taufzeuge\",\"Al\",\"-\",\"nein\",\"sipp\"\r\n"
              ",Patr\"on,\"Schutzherr\",\"Al\",\"-\",\"nein\",\"sipp\"\r\n");
    EXPECT_TRUE(lines()[1].startsWith("Patr\"on "));
}

TEST_F(WindowUseTest, TheListShowsWholeLinesUnderTheirHeadings) {
    // Lines of full width (25-character terms, 31-character explanations, the
    // longest label, four source letters), enough for the vertical scroll bar.
    QByteArray records;
    for (int i = 0; i < 30; ++i)
        records += rec("", qPrintable("E" + QString(23, 'x') + QString::number(i % 10)), qPrintable(QString(31, 'e')),
                       "Se", "-", "abcd");
    writeFile("2sp.lex", records);
    emptyOtherLexica();
    search("e");
    ASSERT_EQ(control<ResultList>("List1")->count(), 30);
    const QString line = lines()[0];
    ASSERT_EQ(line.size(), listline::kLineLength);
    EXPECT_TRUE(line.endsWith("Sebokroatischabcd"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return control<ResultList>("List1")->verticalScrollBar()->isVisible(); }));
    const int margin = control<ResultList>("List1")->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, control<ResultList>("List1")) + 1;
    EXPECT_LE(QFontMetricsF(control<ResultList>("List1")->font()).horizontalAdvance(line) + 2 * margin, control<ResultList>("List1")->viewport()->width())
        << "a whole line does not fit beside the scroll bar";
    EXPECT_FALSE(control<ResultList>("List1")->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(control<ResultList>("List1")->font().fixedPitch());
    EXPECT_EQ(control<HeadingsBox>("Text5")->text(), listline::headings());
}

TEST_F(WindowUseTest, DetailsComeFromTheResultFileAsItStandsNow) {
    writeFile("2sp.lex", rec("", "Pate", "x", "Al", "eins", "sipp") + rec("", "Paten", "x", "Al", "zwei", "sipp") +
                             rec("", "Patin", "x", "Al", "drei", "sipp"));
    emptyOtherLexica();
    search("pat");
    select(2);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "drei");
    select(0);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "eins");

    // Replaced behind the list's back: what the file holds now is shown, also
    // when the records now stand at other places of a file of the same size.
    const QByteArray before = readFile(lexicon::kResultFile);
    QByteArray now = before;
    now.replace("\"eins\"", "\"EINSEIN\"").replace("\"zwei\"", "\"Z\"").replace("\"drei\"", "\"DREI\"");
    ASSERT_EQ(now.size(), before.size());
    writeFile(lexicon::kResultFile, now);
    QFile file(path(lexicon::kResultFile));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    select(1);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "Z");
    select(2);
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "DREI");

    // Cut short: nothing of another hit is shown.
    writeFile(lexicon::kResultFile, now.left(now.indexOf("\r\n") + 2));
    select(1);
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
}

TEST_F(WindowUseTest, HostileFilesAreNamedAndTheRestIsSearched) {
    // Saved by an editor with a byte-order mark; a pipe in place of a
    // dictionary; a record far longer than any entry.
    writeFile("2sp.lex", "\xEF\xBB\xBF" + rec("", "Pate", "Taufzeuge", "Al", "-", "sipp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("2kr.lex")).constData(), 0600), 0);
    writeFile("2vo.lex", rec("", "Paul", "x", "Vo", "-", "sipp") +
                             rec("", qPrintable(QString(2 << 20, 'p')), "x", "Vo", "-", "sipp"));
    emptyOtherLexica();
    search("pa");
    EXPECT_EQ(terms(), (QStringList{"Pate", "Paul"}));
    EXPECT_TRUE(readFile(lexicon::kResultFile).startsWith("\"\",\"Pate\""));  // nothing of the mark in the key
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, search::problemTitle());
    EXPECT_TRUE(messages_[0].text.contains("2kr.lex: keine gewöhnliche Datei")) << messages_[0].text.toStdString();
    EXPECT_TRUE(messages_[0].text.contains("2vo.lex: Datei beschädigt")) << messages_[0].text.toStdString();
}

}  // namespace
