#include "maintenance/Konvert.h"
#include "common/Look.h"
#include "TestSupport.h"
#include "common/Windows.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void clickItem(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    const QRect r = list->visualItemRect(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

}  // namespace

class KonvertWindowTest : public WorkDirTest {
protected:
    Konvert* open() {
        showKonvert();
        auto* w = qobject_cast<Konvert*>(windows::find("konvert"));
        EXPECT_NE(w, nullptr);
        return w;
    }
};

TEST_F(KonvertWindowTest, DesignedInitialState) {
    writeFile("b.txt", "");
    writeFile("A.TXT", "");
    writeFile("c.dat", "");
    writeFile("2sp.lex", "");
    writeFile("Neu.LEX", "");
    Konvert* w = open();
    ASSERT_TRUE(w);
    writeFile("später.txt", "");  // not listed: the lists show the folder as it was

    EXPECT_EQ(w->objectName(), "konvert");
    EXPECT_EQ(w->windowTitle(), "konvert");
    EXPECT_EQ(w->size(), QSize(look::twips(9615), look::twips(5310)));
    EXPECT_EQ(lines(w->File1), QStringList({"A.TXT", "b.txt"}));
    EXPECT_EQ(lines(w->File2), QStringList({"2sp.lex", "Neu.LEX"}));
    EXPECT_EQ(w->List1->count(), 0);

    expectDesign(w, {
        {"Text1", "Text1", 120, 240, 3855, 285},          {"Text2", "Text2", 120, 2880, 3855, 285},
        {"Text3", "Text3", 120, 4800, 2535, 375},         {"Text4", "Text4", 2760, 4800, 2535, 375},
        {"Text5", "", 5400, 4800, 1215, 375},             {"Text6", "", 6720, 4800, 1215, 375},
        {"Command2", "Auflisten", 4080, 3600, 1215, 255}, {"Command3", "line input", 5400, 3600, 1215, 255},
        {"Command5", "2sp-prüfen", 6720, 3600, 1215, 255}, {"Command1", "Schließen", 8280, 3600, 1215, 615},
        {"Command4", "2sp->6sp", 4080, 3960, 1215, 255},  {"Command6", "6sp-prüfen", 5400, 3960, 1215, 255},
        {"Command7", "Datenimport", 6720, 3960, 1215, 255},
        {"Command8", "text zu 2te.lex", 4080, 4320, 1215, 255},
        {"Command9", "Command9", 5400, 4320, 1215, 255},  {"Command10", "Command10", 6720, 4320, 1215, 255},
        {"File1", nullptr, 120, 480, 3855, 2235},         {"File2", nullptr, 120, 3120, 3855, 1455},
        {"List1", nullptr, 4080, 240, 5415, 3180},
    }, true);

    const QStringList order = {"File1", "Text1", "Command1", "File2", "Text2", "Command2", "List1",
                               "Text3", "Text4", "Command3", "Command4", "Command5", "Command6", "Command7",
                               "Text5", "Text6", "Command8", "Command9", "Command10"};
    QWidget* at = w->File1;
    for (qsizetype i = 1; i < order.size(); ++i) {
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || at->parentWidget() != w) at = at->nextInFocusChain();
        EXPECT_EQ(at->objectName(), order[i]);
    }
}

TEST_F(KonvertWindowTest, ChoosingFilesFillsTheNameBoxesAndListsTextFiles) {
    writeFile("liste.txt", cp("Abt\r\n\r\nÄbtissin\r\n"));
    writeFile("2sp.lex", "\"\",\"a\",\"b\",\"Al\",\"-\",\"Q\"\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);

    clickItem(w->File1, "liste.txt");
    EXPECT_EQ(w->Text3->text(), "liste.txt");
    EXPECT_EQ(w->Text4->text(), "liste-korr.txt");
    EXPECT_EQ(lines(w->List1), QStringList({"Abt", "", "Äbtissin"}));

    clickItem(w->File2, "2sp.lex");
    EXPECT_EQ(w->Text3->text(), "2sp.lex");
    EXPECT_EQ(w->Text4->text(), "2sp.lex");
    EXPECT_EQ(w->List1->count(), 3);

    // Clicking the file already chosen lists it again; so does a choice by keyboard.
    w->List1->clear();
    clickItem(w->File1, "liste.txt");
    EXPECT_EQ(w->List1->count(), 3);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(KonvertWindowTest, KeyboardChoiceListsButFocusAloneDoesNot) {
    writeFile("a.txt", "eins\r\n");
    writeFile("b.txt", "zwei\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);
    w->File1->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w->Text3->text(), "Text3");
    w->File1->setCurrentRow(0);  // what the arrow keys do
    EXPECT_EQ(w->Text3->text(), "a.txt");
    EXPECT_EQ(lines(w->List1), QStringList({"eins"}));
}

TEST_F(KonvertWindowTest, TwoToSixShowsTheChosenFileAgainAfterwards) {
    writeFile("wl.txt", cp("\"Pate\",\"Taufzeuge\"\r\n"));
    Konvert* w = open();
    ASSERT_TRUE(w);
    clickItem(w->File1, "wl.txt");
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    EXPECT_EQ(readFile("wl-6sp.txt"), cp("\"\",\"Pate\",\"Taufzeuge\",\"Al\",\"\",\"oöla\"\r\n"));
    EXPECT_EQ(w->Text3->text(), "wl.txt");
    EXPECT_EQ(w->Text4->text(), "wl-korr.txt");
    EXPECT_EQ(lines(w->List1), QStringList({"\"Pate\",\"Taufzeuge\""}));
}

TEST_F(KonvertWindowTest, TwoToSixWithoutAChosenFileLeavesItsEndReport) {
    writeFile("wl.txt", cp("\"Pate\",\"Taufzeuge\"\r\n"));
    Konvert* w = open();
    ASSERT_TRUE(w);
    w->Text3->setText("wl.txt");
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    EXPECT_TRUE(exists("wl-6sp.txt"));
    EXPECT_EQ(w->Text3->text(), "wl.txt");
    EXPECT_EQ(w->Text4->text(), "Konvertierung fertig");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(KonvertWindowTest, ChecksAndImportReportInText3) {
    writeFile("sechs.txt", "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);
    clickItem(w->File1, "sechs.txt");
    QTest::mouseClick(w->Command6, Qt::LeftButton);
    EXPECT_EQ(w->Text3->text(), "Datei in Ordnung");
    EXPECT_EQ(readFile("sechs-prüf.txt"), "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n");

    w->Text3->setText("sechs.txt");
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    EXPECT_EQ(w->Text3->text(), "Alle Daten importiert");
    EXPECT_EQ(readFile("2kr.lex"), "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n");

    EXPECT_TRUE(messages_.isEmpty());

    // The whole line in one pair of quotes would hold its own quotes as well and
    // read back as an empty text: "line input" refuses it and writes nothing.
    w->Text3->setText("sechs.txt");
    QTest::mouseClick(w->Command3, Qt::LeftButton);
    EXPECT_EQ(w->List1->count(), 0);
    EXPECT_FALSE(exists("sechs-korr.txt"));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "Anführungszeichen in den Daten");
    EXPECT_TRUE(messages_[0].text.startsWith("Die Datei „sechs.txt“ enthält in Zeile 1 ein Anführungszeichen"));
    // The window goes on: a clean file converts as before.
    writeFile("zeilen.txt", "Taufe\r\n");
    w->Text3->setText("zeilen.txt");
    QTest::mouseClick(w->Command3, Qt::LeftButton);
    EXPECT_EQ(readFile("zeilen-korr.txt"), "\"Taufe\"\r\n");
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(KonvertWindowTest, TextToMoreInfoAsksForACallName) {
    writeFile("text.txt", "eins,zwei\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);
    clickItem(w->File1, "text.txt");
    w->Text4->setText("2te.lex");
    QTest::mouseClick(w->Command8, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "  N A M E N    E I N G E B E N  ");
    EXPECT_EQ(messages_[0].text, "in aufrufnamen eingeben");
    EXPECT_EQ(w->focusWidget(), w->Text5);
    EXPECT_FALSE(exists("2te.lex"));

    QTest::keyClicks(w->Text5, "Taufe");
    QTest::mouseClick(w->Command8, Qt::LeftButton);
    EXPECT_EQ(messages_.size(), 1);
    EXPECT_EQ(readFile("2te.lex"), "\"Taufe\",\"eins\"\r\n\"Taufe\",\"zwei\"\r\n");
}

TEST_F(KonvertWindowTest, LexiconChosenAsBothInputAndOutputIsRefusedAndTheWindowGoesOn) {
    const QByteArray te = "\"quel!\",\"Quellen\"\r\n";
    writeFile("2te.lex", te);
    const QByteArray sp = "\"\",\"a\",\"b\",\"Al\",\"-\",\"Q\"\r\n";
    writeFile("2sp.lex", sp);
    writeFile("liste.txt", "eins\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);
    clickItem(w->File2, "2te.lex");
    QTest::keyClicks(w->Text5, "Taufe");
    QTest::mouseClick(w->Command8, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("2te.lex"), te);

    clickItem(w->File2, "2sp.lex");
    QTest::mouseClick(w->Command7, Qt::LeftButton);  // import of 2sp.lex into the lexicon files
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_EQ(messages_[1].title, "Ein- und Ausgabe gleich");
    EXPECT_EQ(readFile("2sp.lex"), sp);
    EXPECT_FALSE(exists("2da.lex"));

    clickItem(w->File1, "liste.txt");
    EXPECT_EQ(lines(w->List1), QStringList({"eins"}));
}

TEST_F(KonvertWindowTest, MissingFileIsNamedAndListEmptied) {
    writeFile("liste.txt", "eins\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);
    clickItem(w->File1, "liste.txt");
    ASSERT_EQ(w->List1->count(), 1);
    QFile::remove(path("liste.txt"));
    QTest::mouseClick(w->Command2, Qt::LeftButton);
    EXPECT_EQ(w->List1->count(), 0);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "Eingabedatei fehlt");
    EXPECT_TRUE(messages_[0].text.contains("„liste.txt“"));
}

TEST_F(KonvertWindowTest, Command9AndCommand10DoNothing) {
    writeFile("sechs.txt", "\"\",\"a\",\"b\",\"Kr\",\"-\",\"Q\"\r\n");
    Konvert* w = open();
    ASSERT_TRUE(w);
    clickItem(w->File1, "sechs.txt");
    const QStringList before = QDir::current().entryList(QDir::Files);
    QTest::mouseClick(w->Command9, Qt::LeftButton);
    QTest::mouseClick(w->Command10, Qt::LeftButton);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), before);
    EXPECT_EQ(w->Text3->text(), "sechs.txt");
    EXPECT_EQ(w->Text4->text(), "sechs-korr.txt");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(KonvertWindowTest, CloseDiscardsTheWindowAndTheNextShowStartsAfresh) {
    Konvert* w = open();
    ASSERT_TRUE(w);
    w->Text3->setText("geändert");
    showKonvert();
    EXPECT_EQ(windows::find("konvert"), w);
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(windows::find("konvert"), nullptr);
    Konvert* again = open();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Text3->text(), "Text3");
}
