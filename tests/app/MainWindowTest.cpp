#include "LexiconFiles.h"
#include "LexikonTestSupport.h"
#include "Look.h"

#include <QGroupBox>

namespace {

TEST_F(LexikonTest, StartsInSearchMode) {
    EXPECT_EQ(w->objectName(), "lexikon");
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9.6");
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_TRUE(w->Option3->isChecked());
    EXPECT_EQ(look::outerHeight(w.get()), 5955);
    EXPECT_EQ(w->vars.addModeFlag, "no");
    EXPECT_EQ(w->vars.exportLine, "");
    EXPECT_TRUE(w->Text2->text().isEmpty());
    EXPECT_TRUE(w->Text4->toPlainText().isEmpty());
    EXPECT_TRUE(w->Text11->text().isEmpty());
    for (QWidget* hidden : {(QWidget*)w->Text6, (QWidget*)w->Text7, (QWidget*)w->Frame2, (QWidget*)w->Command1,
                            (QWidget*)w->Command3, (QWidget*)w->Command6, (QWidget*)w->Command11,
                            (QWidget*)w->Command12, (QWidget*)w->Command13, (QWidget*)w->Command14})
        EXPECT_TRUE(w->findChild<QWidget*>(hidden->objectName())->isHidden()) << hidden->objectName().toStdString();
    for (QWidget* shown : {(QWidget*)w->Command4, (QWidget*)w->Command8, (QWidget*)w->Command10,
                           (QWidget*)w->Text2, (QWidget*)w->Text4, (QWidget*)w->Command9, (QWidget*)w->Command2})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    // Controls are where the design puts them (twips / 15 = pixels).
    EXPECT_EQ(w->Suchen->geometry(), QRect(8, 56, 157, 35));
    EXPECT_EQ(w->List1->geometry(), QRect(8, 112, 633, 79));
    EXPECT_EQ(w->Option9->parentWidget(), w->Frame1);
    EXPECT_EQ(w->Option17->parentWidget(), w->Frame2);
    EXPECT_EQ(w->Text10->text(), "Quellenangabe ");
    EXPECT_EQ(w->ende->text(), "Programm b&eenden");
    EXPECT_TRUE(w->List1->font().fixedPitch());
    EXPECT_EQ(w->findChild<QLineEdit*>("Text3"), w->Text3);
    // The search box comes first: it takes the focus.
    QApplication::setActiveWindow(w.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_TRUE(w->Text3->hasFocus());
}

TEST_F(LexikonTest, DictionaryAndLanguageChoice) {
    QTest::mouseClick(w->Option5, Qt::LeftButton);
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9            Personenlexikon");
    EXPECT_EQ(w->vars.targetLexiconFile, "2pe.lex");
    EXPECT_EQ(textOf(w->vars.recCategory), "Pe");
    EXPECT_TRUE(w->Frame2->isHidden());

    // "Alle Lexika" has no handler: caption and target stay.
    QTest::mouseClick(w->Option3, Qt::LeftButton);
    EXPECT_TRUE(w->Option3->isChecked());
    EXPECT_TRUE(w->windowTitle().endsWith("Personenlexikon"));
    EXPECT_EQ(w->vars.targetLexiconFile, "2pe.lex");

    w->Option4->setChecked(true);  // selecting by program runs the handler as a click does
    EXPECT_FALSE(w->Frame2->isHidden());
    EXPECT_EQ(w->vars.targetLexiconFile, "2sp.lex");
    EXPECT_EQ(textOf(w->vars.recCategory), "Pe");
    EXPECT_EQ(w->windowTitle(), "Ahnora  Version 9            Sprachenlexikon");

    const QString before = w->windowTitle();
    w->Option11->setChecked(true);
    EXPECT_EQ(textOf(w->vars.recCategory), "Po");
    EXPECT_EQ(w->windowTitle(), before);
    w->Option17->setChecked(true);
    EXPECT_EQ(textOf(w->vars.recCategory), "");

    const struct { QRadioButton* o; const char* caption; const char* file; const char* code; } table[] = {
        {w->Option6, "Krankheitenlexikon", "2kr.lex", "Kr"}, {w->Option7, "Datumslexikon", "2da.lex", "Da"},
        {w->Option8, "Vornamenlexikon", "2vo.lex", "Vo"},
        {w->Option9, "Sprachenlexikon-Allgemein", "2sp.lex", "Al"}};
    for (const auto& row : table) {
        row.o->setChecked(true);
        EXPECT_EQ(w->windowTitle(), QString("Ahnora  Version 9            ") + QString::fromUtf8(row.caption));
        EXPECT_EQ(w->vars.targetLexiconFile, row.file);
        EXPECT_EQ(textOf(w->vars.recCategory), row.code);
        EXPECT_TRUE(w->Frame2->isHidden());
    }
}

TEST_F(LexikonTest, HelpClearAboutAndExit) {
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    EXPECT_TRUE(w->Text9->toPlainText().startsWith("Vor der ersten Sucheingabe kann eine Lexikondatenbank"));
    EXPECT_TRUE(w->Text9->toPlainText().endsWith("Geben Sie alles in Kleinbuchstaben ein."));
    w->vars.addModeFlag = "ja";
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    const QString add = w->Text9->toPlainText();
    EXPECT_TRUE(add.contains("das komplette Wort ein." + QString(26, ' ') + "2) Geben"));
    EXPECT_TRUE(add.contains("Übersetzung ein." + QString(4, ' ') + "3) Wählen"));
    EXPECT_TRUE(add.contains("Sprache auswählen." + QString(62, ' ') + "4) Klicken"));
    EXPECT_TRUE(add.endsWith("indem Sie auf >Suchen< klicken"));

    w->vars.addModeFlag = "no";
    w->List1->addItem("bleibt");
    w->Text5->setText("Kopf");
    type("abc");
    w->Text9->setPlainText("weg damit");
    QTest::mouseClick(w->Command5, Qt::LeftButton);
    EXPECT_TRUE(w->Text3->text().isEmpty());
    EXPECT_TRUE(w->Text9->toPlainText().isEmpty());
    EXPECT_EQ(w->List1->count(), 1);
    EXPECT_EQ(w->Text5->text(), "Kopf");

    QTest::mouseClick(w->Picture1, Qt::LeftButton);
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
    QTest::mouseClick(w->ende, Qt::LeftButton);
    EXPECT_FALSE(exists(lexicon::kResultFile));
    EXPECT_FALSE(w->isVisible());
    w->show();
    QTest::mouseClick(w->ende, Qt::LeftButton);
    EXPECT_EQ(messages_.size(), 1);
}

}  // namespace
