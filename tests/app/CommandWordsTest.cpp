#include "commands/CommandWords.h"
#include "store/LexiconFiles.h"
#include "LexikonTestSupport.h"
#include "search/MoreInfo.h"
#include "commands/TevoExport.h"
#include "common/Windows.h"

#include <QDir>
#include <QListWidget>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

class CommandWordsTest : public LexikonTest {
protected:
    void SetUp() override {
        LexikonTest::SetUp();
        writeFile("2te.lex", cp("\"quel!\",\"sipp   eigene Zusammenstellung\"\r\n\"taufe!\",\"Taufe-Text\"\r\n"
                                "\"quell!\",\"anderer Text\"\r\n"));
    }
    void typeKeyByKey(const QString& text) { typeKeys(control<QLineEdit>("Text3"), text); }
};

TEST_F(CommandWordsTest, FeastWordOpensTheCalculatorOnceAndRaisesIt) {
    typeKeyByKey("Oste");
    EXPECT_EQ(windows::find("ostern"), nullptr);
    typeKeyByKey("r");
    QWidget* ostern = windows::find("ostern");
    ASSERT_NE(ostern, nullptr);
    EXPECT_EQ(windows::raiseCount("ostern"), 0);
    typeKeyByKey("n");
    EXPECT_EQ(windows::find("ostern"), ostern);
    EXPECT_EQ(windows::raiseCount("ostern"), 1);
    EXPECT_EQ(control<ResultList>("List1")->count(), 0);  // the check never searches
    EXPECT_FALSE(exists(lexicon::kResultFile));

    control<QLineEdit>("Text3")->clear();
    typeKeyByKey("Schrif");
    EXPECT_EQ(windows::find("schriften"), nullptr);
    typeKeyByKey("t");
    EXPECT_NE(windows::find("schriften"), nullptr);
    control<QLineEdit>("Text3")->clear();
    typeKeyByKey("CONV>");
    EXPECT_NE(windows::find("konvert"), nullptr);
}

TEST_F(CommandWordsTest, StoredTextsAndSourceList) {
    typeKeyByKey("Taufe!");
    EXPECT_EQ(infoLines(), QStringList{"Taufe-Text"});
    EXPECT_EQ(w->variables().selectedMoreKey, "");

    // "quell!" shows the source list at "quell" and runs the display again at
    // "quell!": the open window keeps the source list, the new texts wait in
    // mehrinfo.txt.
    control<QLineEdit>("Text3")->clear();
    typeKeyByKey("quell!");
    EXPECT_EQ(infoLines(), QStringList{"sipp   eigene Zusammenstellung"});
    EXPECT_EQ(readFile(lexicon::kMoreInfoTemp), "\"anderer Text\"\r\n");

    // Emptying the box resets the button, empties Text9 and closes info, nothing else.
    control<QPlainTextEdit>("Text9")->setPlainText("weg");
    control<QPushButton>("Suchen")->resize(10, control<QPushButton>("Suchen")->height());
    control<HeadingsBox>("Text5")->setText("Kopf");
    control<QLineEdit>("Text3")->clear();
    EXPECT_EQ(control<QPushButton>("Suchen")->width(), 157);
    EXPECT_TRUE(control<QPlainTextEdit>("Text9")->toPlainText().isEmpty());
    EXPECT_EQ(windows::find("info"), nullptr);
    EXPECT_EQ(control<HeadingsBox>("Text5")->text(), "Kopf");
}

TEST_F(CommandWordsTest, TevoRunsOnlyTheExport) {
    const QString qstrip = qEnvironmentVariable("QSTRIP_BINARY");
    ASSERT_TRUE(QFile::exists(qstrip)) << qstrip.toStdString();
    w->tevoExporter()->setFilterProgram(qstrip);
    for (const char* f : {"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2vo.lex"}) writeFile(f, QByteArray());
    writeFile("2sp.lex", rec("x", "Pate", "Taufzeuge", "Al", "", "abc"));
    typeKeyByKey("tevo!");
    ASSERT_TRUE(w->tevoExporter()->waitForFilters(10000));
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "Alle Lexikondateien sind ins TEVO-Format konvertiert");
    EXPECT_EQ(readFile("outsp"), "\"Pate;Taufzeuge;Al;;abc\"\r\n");
    EXPECT_EQ(readFile("2sp.tvx"), "Pate;Taufzeuge;Al;;abc\r\n");
    EXPECT_EQ(windows::find("info"), nullptr);  // "!" is not tested after the export
    EXPECT_FALSE(exists(lexicon::kMoreInfoTemp));
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "tevo!");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(CommandWordsTest, TevoWithAFailingFilterGivesTheMessageAndNoSuccessText) {
    const QString qstrip = qEnvironmentVariable("QSTRIP_BINARY");
    ASSERT_TRUE(QFile::exists(qstrip)) << qstrip.toStdString();
    for (const char* f : {"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2sp.lex", "2vo.lex"})
        writeFile(f, rec("", "Pate", "Taufzeuge", "Pe", "", "abc"));

    // A first export that succeeds leaves its text in Text2.
    w->tevoExporter()->setFilterProgram(qstrip);
    typeKeyByKey("tevo");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->tevoExporter()->busy(); }, 10000));
    ASSERT_EQ(control<QLineEdit>("Text2")->text(), "Alle Lexikondateien sind ins TEVO-Format konvertiert");

    // Then 2da.tvx cannot be written, and the filters take their time.
    ASSERT_TRUE(QFile::remove("2da.tvx"));
    ASSERT_TRUE(QDir().mkdir("2da.tvx"));
    w->tevoExporter()->setFilterProgram(writeGatedFilter(path("gesperrt.sh"), qstrip, QStringLiteral("weiter")));
    control<QLineEdit>("Text3")->clear();
    QElapsedTimer clock;
    clock.start();
    typeKeyByKey("tevo");
    // The handler returned at once, the filters still run, and the old text is gone.
    EXPECT_LT(clock.elapsed(), 900);
    EXPECT_EQ(w->tevoExporter()->runningFilters(), 6);
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "");
    EXPECT_TRUE(messages_.isEmpty());
    // The window goes on taking input meanwhile.
    QTest::mouseClick(w->findChild<QRadioButton*>("Option5"), Qt::LeftButton);
    EXPECT_TRUE(w->findChild<QRadioButton*>("Option5")->isChecked());
    EXPECT_GT(w->tevoExporter()->runningFilters(), 0);

    writeFile("weiter", {});  // the filters may go on
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages_.isEmpty(); }, 10000));
    EXPECT_FALSE(w->tevoExporter()->busy());
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "TEVO-Export");
    EXPECT_EQ(messages_[0].text, "Nicht alle Lexikondateien sind ins TEVO-Format konvertiert:\n\n"
                                 "2da.lex: qstrip endete mit Fehlercode 7 (Ausgabedatei konnte nicht "
                                 "geschrieben werden); 2da.tvx ist nicht oder nicht vollständig geschrieben.");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "");
    EXPECT_EQ(readFile("2vo.tvx"), "Pate;Taufzeuge;Pe;;abc\r\n");
}

class BackupTest : public CommandWordsTest {
protected:
    void SetUp() override {
        CommandWordsTest::SetUp();
        ASSERT_TRUE(medium.isValid());
        backup::Drives drives;
        drives.map(u'e', medium.path());
        w = std::make_unique<Lexikon>(drives);
        w->show();
    }
    QByteArray onMedium() const {
        QFile f(QDir(medium.path()).filePath(lexicon::kAdditionsLog));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList filesOnMedium() const { return QDir(medium.path()).entryList(QDir::Files | QDir::Hidden); }
    void expectNotReady(int count) {
        ASSERT_EQ(messages_.size(), count);
        EXPECT_EQ(messages_.last().title, " F E H L E R   S P E I C H E R M E D I U M ");
        EXPECT_EQ(messages_.last().text, "Das angegebene Speichermedium (Stick oder Diskette) ist nicht bereit!");
        EXPECT_EQ(control<QLineEdit>("Text3")->text(), "");
    }
    QTemporaryDir medium;
};

TEST_F(BackupTest, CopiesTheLogWhenTheColonIsTyped) {
    const QByteArray log = cp("\"\",\"Gevatter\",\"Pate\",\"\",\"\",\"zub\"\r\n");
    writeFile(lexicon::kAdditionsLog, log);
    typeKeyByKey("speichern e");
    EXPECT_TRUE(filesOnMedium().isEmpty());
    typeKeyByKey(":");
    EXPECT_EQ(onMedium(), log);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "Speicherung erledigt");
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(filesOnMedium(), QStringList{lexicon::kAdditionsLog});
    control<QLineEdit>("Text3")->clear();
    typeKeyByKey("Speichern e:");  // as typed: a capital S is no command
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "Speichern e:");
}

TEST_F(BackupTest, MediumNotReady) {
    writeFile(lexicon::kAdditionsLog, "\"x\"\r\n");
    typeKeyByKey("speichern x:");  // a letter that names nothing
    expectNotReady(1);

    QFile::remove(path(lexicon::kAdditionsLog));  // nothing added yet
    typeKeyByKey("speichern e:");
    expectNotReady(2);
    EXPECT_TRUE(filesOnMedium().isEmpty());
}

TEST_F(BackupTest, AFailedCopyKeepsThePreviousBackup) {
    QFile old(QDir(medium.path()).filePath(lexicon::kAdditionsLog));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alte Sicherung\r\n");
    old.close();
    // A medium that runs full: writes beyond 4 KiB fail, for a log far larger
    // than that and for one only a little larger (written in one piece).
    int shown = 0;
    for (const qsizetype size : {64 * 1024, 5000}) {
        SCOPED_TRACE(size);
        writeFile(lexicon::kAdditionsLog, QByteArray(size, 'x'));
        {
            FileSizeLimit limit(4096);
            typeKeyByKey("speichern e:");
        }
        expectNotReady(++shown);
        EXPECT_EQ(onMedium(), "alte Sicherung\r\n");
        EXPECT_EQ(filesOnMedium(), QStringList{lexicon::kAdditionsLog});  // no temporary file left
    }
}

}  // namespace

namespace {

TEST_F(CommandWordsTest, ConversionButtonsReportInText9AndExitClosesSideWindows) {
    writeFile("5-sp.txt", "\"Abt\",\"abbot\",\"Al\",\"x\",\"q\"\r\n");
    QTest::mouseClick(control<QPushButton>("Command8"), Qt::LeftButton);
    EXPECT_EQ(readFile("6fi.lex"), "\" \",\"Abt\",\"abbot\",\"Al\",\"-\",\"q\"\r\n");
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "5-spaltig auf 6-spaltig-OK");
    QTest::mouseClick(control<QPushButton>("Command10"), Qt::LeftButton);  // no span-de-6sp.csv: a message, Text9 kept
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].text.contains("span-de-6sp.csv"));
    EXPECT_EQ(control<QPlainTextEdit>("Text9")->toPlainText(), "5-spaltig auf 6-spaltig-OK");

    typeKeyByKey("schrift");
    ASSERT_NE(windows::find("schriften"), nullptr);
    QTest::mouseClick(control<QPushButton>("ende"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(windows::find("schriften"), nullptr);
}

}  // namespace
