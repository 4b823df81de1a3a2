#include "store/LexiconFiles.h"
#include "LexikonTestSupport.h"
#include "common/Look.h"

#include <QGroupBox>

namespace {

TEST_F(LexikonTest, StartsInSearchMode) {
    EXPECT_EQ(w->objectName(), "lexikon");
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9.6");
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(look::outerHeight(w.get()), 5955);
    EXPECT_EQ(w->variables().addModeFlag, "no");
    EXPECT_TRUE(control<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("Text4")->toPlainText().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text11")->text().isEmpty());
    for (QWidget* hidden : {static_cast<QWidget*>(control<QLabel>("Text6")), static_cast<QWidget*>(control<QPlainTextEdit>("Text7")), static_cast<QWidget*>(control<QGroupBox>("Frame2")), static_cast<QWidget*>(control<QPushButton>("Command1")),
                            static_cast<QWidget*>(control<QPushButton>("Command3")), static_cast<QWidget*>(control<QPushButton>("Command6")), static_cast<QWidget*>(control<QPushButton>("Command11")),
                            static_cast<QWidget*>(control<QPushButton>("Command12")), static_cast<QWidget*>(control<QPushButton>("Command13")), static_cast<QWidget*>(control<QPushButton>("Command14"))})
        EXPECT_TRUE(w->findChild<QWidget*>(hidden->objectName())->isHidden()) << hidden->objectName().toStdString();
    for (QWidget* shown : {static_cast<QWidget*>(control<QPushButton>("Command4")), static_cast<QWidget*>(control<QPushButton>("Command8")), static_cast<QWidget*>(control<QPushButton>("Command10")),
                           static_cast<QWidget*>(control<QLineEdit>("Text2")), static_cast<QWidget*>(control<QPlainTextEdit>("Text4")), static_cast<QWidget*>(control<QPushButton>("Command9")), static_cast<QWidget*>(control<QPushButton>("Command2"))})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    // Controls are where the design puts them (twips / 15 = pixels).
    EXPECT_EQ(control<QPushButton>("Suchen")->geometry(), QRect(8, 56, 157, 35));
    EXPECT_EQ(control<ResultList>("List1")->geometry(), QRect(8, 112, 633, 79));
    EXPECT_EQ(control<QRadioButton>("Option9")->parentWidget(), control<QGroupBox>("Frame1"));
    EXPECT_EQ(control<QRadioButton>("Option17")->parentWidget(), control<QGroupBox>("Frame2"));
    EXPECT_EQ(control<QLabel>("Text10")->text(), "Quellenangabe ");
    EXPECT_EQ(control<QPushButton>("ende")->text(), "Programm b&eenden");
    EXPECT_TRUE(control<ResultList>("List1")->font().fixedPitch());
    EXPECT_EQ(w->findChild<QLineEdit*>("Text3"), control<QLineEdit>("Text3"));
    // The search box comes first: it takes the focus.
    QApplication::setActiveWindow(w.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_TRUE(control<QLineEdit>("Text3")->hasFocus());
}

TEST_F(LexikonTest, DictionaryAndLanguageChoice) {
    QTest::mouseClick(control<QRadioButton>("Option5"), Qt::LeftButton);
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9            Personenlexikon");
    EXPECT_EQ(w->variables().targetLexiconFile, "2pe.lex");
    EXPECT_TRUE(control<QGroupBox>("Frame2")->isHidden());

    // "Alle Lexika" has no handler: caption and target stay.
    QTest::mouseClick(control<QRadioButton>("Option3"), Qt::LeftButton);
    EXPECT_TRUE(control<QRadioButton>("Option3")->isChecked());
    EXPECT_TRUE(w->windowTitle().endsWith("Personenlexikon"));
    EXPECT_EQ(w->variables().targetLexiconFile, "2pe.lex");

    control<QRadioButton>("Option4")->setChecked(true);  // selecting by program runs the handler as a click does
    EXPECT_FALSE(control<QGroupBox>("Frame2")->isHidden());
    EXPECT_EQ(w->variables().targetLexiconFile, "2sp.lex");
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9            Sprachenlexikon");

    const QString before = w->windowTitle();
    control<QRadioButton>("Option11")->setChecked(true);
    EXPECT_EQ(w->windowTitle(), before);
    control<QRadioButton>("Option17")->setChecked(true);

    const struct { QRadioButton* o; const char* caption; const char* file; const char* code; } table[] = {
        {control<QRadioButton>("Option6"), "Krankheitenlexikon", "2kr.lex", "Kr"}, {control<QRadioButton>("Option7"), "Datumslexikon", "2da.lex", "Da"},
        {control<QRadioButton>("Option8"), "Vornamenlexikon", "2vo.lex", "Vo"},
        {control<QRadioButton>("Option9"), "Sprachenlexikon-Allgemein", "2sp.lex", "Al"}};
    for (const auto& row : table) {
        row.o->setChecked(true);
        EXPECT_EQ(w->windowTitle(), QString("Ahnora  Version 9            ") + QString::fromUtf8(row.caption));
        EXPECT_EQ(w->variables().targetLexiconFile, row.file);
        EXPECT_TRUE(control<QGroupBox>("Frame2")->isHidden());
    }
}

TEST_F(LexikonTest, HelpClearAboutAndExit) {
    QTest::mouseClick(control<QPushButton>("Command7"), Qt::LeftButton);
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().startsWith("Vor der ersten Sucheingabe kann eine Lexikondatenbank"));
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().endsWith("Geben Sie alles in Kleinbuchstaben ein."));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);  // Ergänzen: add mode
    QTest::mouseClick(control<QPushButton>("Command7"), Qt::LeftButton);
    const QString add = control<QPlainTextEdit>("Text9")->toPlainText();
    EXPECT_TRUE(add.contains("das komplette Wort ein." + QString(26, ' ') + "2) Geben"));
    EXPECT_TRUE(add.contains("Übersetzung ein." + QString(4, ' ') + "3) Wählen"));
    EXPECT_TRUE(add.contains("Sprache auswählen." + QString(62, ' ') + "4) Klicken"));
    EXPECT_TRUE(add.endsWith("indem Sie auf >Suchen< klicken"));

    // Back in search mode (a new window, as after Hinzufügen the term stays).
    w = std::make_unique<Lexikon>();
    w->show();
    control<ResultList>("List1")->addItem("bleibt");
    control<HeadingsBox>("Text5")->setText("Kopf");
    type("abc");
    control<QPlainTextEdit>("Text9")->setPlainText("weg damit");
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_TRUE(control<QLineEdit>("Text3")->text().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
    EXPECT_EQ(control<ResultList>("List1")->count(), 1);
    EXPECT_EQ(control<HeadingsBox>("Text5")->text(), "Kopf");

    QTest::mouseClick(control<PictureBox>("Picture1"), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "    I N F O R M A T I O N  ");
    const QStringList about = messages_[0].text.split('\n');
    ASSERT_EQ(about.size(), 12);
    EXPECT_TRUE(about[1].endsWith("Die Richtigkeit"));
    EXPECT_EQ(about[2], "der Angaben kann nicht garantiert werden. Derzeit sind über 18 000 Begriffe enthalten.");
    EXPECT_EQ(about[3], "");
    EXPECT_EQ(about[10], "Rückmeldungen, Korrekturen und Verbesserungvorschläge bitte an:");
    EXPECT_TRUE(about[11].startsWith(QString(15, ' ') + "www."));
    EXPECT_TRUE(about[11].contains("   oder   "));

    // Exit deletes the ResultFile; without one it ends just as quietly.
    writeFile(lexicon::kResultFile, "\"x\"\r\n");
    QTest::mouseClick(control<QPushButton>("ende"), Qt::LeftButton);
    EXPECT_FALSE(exists(lexicon::kResultFile));
    EXPECT_FALSE(w->isVisible());
    w->show();
    QTest::mouseClick(control<QPushButton>("ende"), Qt::LeftButton);
    EXPECT_EQ(messages_.size(), 1);
}

}  // namespace
