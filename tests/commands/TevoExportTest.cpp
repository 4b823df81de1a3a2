#include "commands/TevoExport.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace {

QString qstripBinary() {
    const QString fromEnvironment = qEnvironmentVariable("QSTRIP_BINARY");
    return fromEnvironment.isEmpty() ? QStringLiteral(QSTRIP_BUILT_AT) : fromEnvironment;
}

const char* const kLexica[] = {"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2sp.lex", "2vo.lex"};
const char* const kOut[] = {"outda", "outkr", "outla", "outpe", "outsp", "outvo"};
const char* const kTvx[] = {"2da.tvx", "2kr.tvx", "2la.tvx", "2pe.tvx", "2sp.tvx", "2vo.tvx"};

class TevoExportTest : public WorkDirTest {
protected:
    void SetUp() override {
        WorkDirTest::SetUp();
        ASSERT_TRUE(QFile::exists(qstripBinary())) << qstripBinary().toStdString();
        exporter_.setFilterProgram(qstripBinary());
    }

    void writeAllLexica(const QByteArray& bytes) {
        for (const char* name : kLexica) writeFile(name, bytes);
    }

    // Runs an export to its end and returns its final result.
    tevo::ExportResult exportAll() {
        QSignalSpy done(&exporter_, &tevo::Exporter::finished);
        exporter_.start();
        EXPECT_TRUE(exporter_.waitForFilters(30000));
        EXPECT_EQ(done.count(), 1);
        return done.isEmpty() ? tevo::ExportResult() : done.last().at(0).value<tevo::ExportResult>();
    }

    // A stand-in for qstrip: a shell script with the given body.
    QString script(const char* name, const QString& body) {
        writeFile(name, ("#!/bin/sh\n" + body + "\n").toUtf8());
        QFile::setPermissions(path(name), QFile::permissions(path(name)) | QFileDevice::ExeOwner);
        return path(name);
    }

    // A stand-in that waits until the test opens the gate (the file "weiter"),
    // then hands over to the real qstrip and keeps a copy of what qstrip
    // wrote, one per run, named <tvx>.<n>.
    QString gatedFilter() {
        return writeGatedFilter(path("gesperrt.sh"), qstripBinary(), QStringLiteral("weiter"),
                                QStringLiteral("n=1; while [ -e \"$3.$n\" ]; do n=$((n+1)); done\n"
                                               "cp \"$3\" \"$3.$n\""));
    }

    tevo::Exporter exporter_;
};

}  // namespace

TEST_F(TevoExportTest, WritesQuotedLinesAndTheFiltersStripTheQuotes) {
    writeFile("2da.lex", cp("\"\",\"Lichtmeß\",\"2. Februar\",\"Da\",\"Fest; Mariä Reinigung\",\"Gr\"\r\n"
                            "\"\",\"Ostern\",\"Zeile eins\r\nZeile zwei\",\"Da\",\"\",\"Gr\"\r\n"));
    writeFile("2kr.lex", "");
    writeFile("2la.lex", "\"mehr1\",\"pater\",,\"La\",,\"Q\"\r\n");
    writeFile("2pe.lex", "\"\",\"Pate\",\"Taufzeuge\",\"Pe\",\"-\",\"Ba\"\r\n\r\n  \r\n");  // blank lines at the end
    writeFile("2sp.lex", "\"\",\"a\",\"b\",\"Po\",\"c\",\"d\"");                        // no line end at the end
    writeFile("2vo.lex", "\"k\",\"Anna\",\"Vorname\",\"Vo\",\"\",\"Ra\"\r\n"
                         "\"schluss\",\"Berta\",\"Vorname\",\"Vo\",\"weiblich\",\"Ra\"\r\n");
    writeFile("2te.lex", "\"mehr1\",\"nicht exportieren\"\r\n");

    const tevo::ExportResult result = exportAll();

    ASSERT_EQ(result.dictionaries.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(result.dictionaries[i].dictionary.lexicon, kLexica[i]);
        EXPECT_EQ(result.dictionaries[i].outcome, tevo::Outcome::Exported) << kLexica[i];
        EXPECT_FALSE(result.dictionaries[i].filterRunning);
        EXPECT_EQ(result.dictionaries[i].filterExitCode, 0);
        EXPECT_TRUE(result.dictionaries[i].filterMessage.isEmpty());
        EXPECT_TRUE(result.dictionaries[i].reason().isEmpty());
    }
    EXPECT_TRUE(result.allExported());
    EXPECT_EQ(result.dictionaries[0].records, 2);
    EXPECT_EQ(result.dictionaries[1].records, 0);
    EXPECT_EQ(result.dictionaries[3].records, 1);

    const QByteArray da = cp("\"Lichtmeß;2. Februar;Da;Fest; Mariä Reinigung;Gr\"\r\n"
                             "\"Ostern;Zeile eins\r\nZeile zwei;Da;;Gr\"\r\n");
    EXPECT_EQ(readFile("outda"), da);
    EXPECT_EQ(readFile("outkr"), QByteArray());
    EXPECT_TRUE(exists("outkr"));
    EXPECT_EQ(readFile("outla"), QByteArray("\"pater;;La;;Q\"\r\n"));
    EXPECT_EQ(readFile("outpe"), QByteArray("\"Pate;Taufzeuge;Pe;-;Ba\"\r\n"));
    EXPECT_EQ(readFile("outsp"), QByteArray("\"a;b;Po;c;d\"\r\n"));
    EXPECT_EQ(readFile("outvo"), QByteArray("\"Anna;Vorname;Vo;;Ra\"\r\n\"Berta;Vorname;Vo;weiblich;Ra\"\r\n"));
    EXPECT_FALSE(exists("outte"));

    EXPECT_EQ(exporter_.runningFilters(), 0);
    EXPECT_FALSE(exporter_.busy());
    for (int i = 0; i < 6; ++i) {
        QByteArray stripped = readFile(kOut[i]);
        stripped.replace('"', "");
        EXPECT_EQ(readFile(kTvx[i]), stripped) << kTvx[i];
        EXPECT_TRUE(exists(kTvx[i]));
    }
    EXPECT_EQ(readFile("2da.tvx"), cp("Lichtmeß;2. Februar;Da;Fest; Mariä Reinigung;Gr\r\n"
                                      "Ostern;Zeile eins\r\nZeile zwei;Da;;Gr\r\n"));

    tevo::showFailures(nullptr, result);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(TevoExportTest, FailuresAreNamedAndTheOtherDictionariesStillExported) {
    // 2da.lex missing; 2kr.lex and 2la.lex end inside a record; 2pe.lex cannot
    // be read; outsp cannot be written; 2vo.lex is fine.
    writeFile("2kr.lex", "\"\",\"Ruhr\",\"Durchfall\",\"Kr\",\"\",\"Q\"\r\n\"\",\"Lues\",,\"Kr\",,\"Q\"\r\n"
                         "\"\",\"Gicht\",\"Podagra\",\"Kr\"");
    writeFile("2la.lex", "\"\",\"pater\",\"Vater\",\"La\",\"\",\"Q\"\r\n\"\",\"mater\",\"Mut");
    ASSERT_TRUE(QDir().mkdir("2pe.lex"));
    writeFile("2sp.lex", "\"\",\"a\",\"b\",\"Po\",\"c\",\"d\"\r\n");
    ASSERT_TRUE(QDir().mkdir("outsp"));
    writeFile("2vo.lex", "\"\",\"Anna\",\"Vorname\",\"Vo\",\"\",\"Ra\"\r\n");

    const tevo::ExportResult result = exportAll();
    ASSERT_EQ(result.dictionaries.size(), 6);
    const auto& r = result.dictionaries;
    EXPECT_EQ(r[0].outcome, tevo::Outcome::LexiconMissing);
    EXPECT_EQ(r[1].outcome, tevo::Outcome::Exported);
    EXPECT_TRUE(r[1].cutShort);
    EXPECT_EQ(r[1].records, 2);
    EXPECT_TRUE(r[2].cutShort);
    EXPECT_EQ(r[3].outcome, tevo::Outcome::LexiconUnreadable);
    EXPECT_EQ(r[4].outcome, tevo::Outcome::CannotWrite);
    EXPECT_TRUE(r[5].exported());
    EXPECT_FALSE(result.allExported());
    EXPECT_EQ(result.notExported().size(), 5);

    EXPECT_FALSE(exists("outda"));
    EXPECT_FALSE(exists("2da.tvx"));
    EXPECT_FALSE(exists("outpe"));
    EXPECT_EQ(readFile("outkr"), QByteArray("\"Ruhr;Durchfall;Kr;;Q\"\r\n\"Lues;;Kr;;Q\"\r\n"));
    EXPECT_EQ(readFile("outla"), QByteArray("\"pater;Vater;La;;Q\"\r\n"));
    EXPECT_EQ(readFile("outvo"), QByteArray("\"Anna;Vorname;Vo;;Ra\"\r\n"));

    EXPECT_EQ(readFile("2kr.tvx"), QByteArray("Ruhr;Durchfall;Kr;;Q\r\nLues;;Kr;;Q\r\n"));
    EXPECT_EQ(readFile("2la.tvx"), QByteArray("pater;Vater;La;;Q\r\n"));
    EXPECT_EQ(readFile("2vo.tvx"), QByteArray("Anna;Vorname;Vo;;Ra\r\n"));
    EXPECT_FALSE(exists("2sp.tvx"));

    tevo::showFailures(nullptr, result);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "TEVO-Export");
    EXPECT_EQ(messages_[0].text,
              QStringLiteral(
                  "Nicht alle Lexikondateien sind ins TEVO-Format konvertiert:\n"
                  "\n2da.lex: Die Lexikondatei ist nicht vorhanden."
                  "\n2kr.lex: Die Datei endet mitten in einem Eintrag; 2 vollständige Einträge sind übernommen, "
                  "der abgebrochene nicht."
                  "\n2la.lex: Die Datei endet mitten in einem Eintrag; 1 vollständiger Eintrag ist übernommen, "
                  "der abgebrochene nicht."
                  "\n2pe.lex: Die Lexikondatei kann nicht gelesen werden."
                  "\n2sp.lex: Die Zwischendatei outsp kann nicht geschrieben werden."));
}

TEST_F(TevoExportTest, AFilterThatCannotBeStartedIsReported) {
    writeAllLexica("\"\",\"t\",\"e\",\"Pe\",\"\",\"q\"\r\n");
    exporter_.setFilterProgram(path("gibt-es-nicht/qstrip"));
    QSignalSpy done(&exporter_, &tevo::Exporter::finished);
    exporter_.start();
    ASSERT_EQ(done.count(), 1);  // reported at once: no filter to wait for
    const tevo::ExportResult result = done.last().at(0).value<tevo::ExportResult>();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(result.dictionaries[i].outcome, tevo::Outcome::FilterNotStarted);
        EXPECT_EQ(readFile(kOut[i]), QByteArray("\"t;e;Pe;;q\"\r\n"));  // written all the same
        EXPECT_FALSE(exists(kTvx[i]));
    }
    EXPECT_EQ(exporter_.runningFilters(), 0);
    EXPECT_TRUE(tevo::failureText(result).contains(
        "\n2vo.lex: qstrip konnte nicht gestartet werden; outvo ist geschrieben, 2vo.tvx nicht."));
    EXPECT_EQ(tevo::failureText(result).count("qstrip konnte nicht gestartet werden"), 6);
}

TEST_F(TevoExportTest, QstripIsLookedForBesideTheProgramThenOnPath) {
    const QByteArray savedPath = qgetenv("PATH");
    ASSERT_TRUE(QDir().mkdir("leer"));
    qputenv("PATH", path("leer").toLocal8Bit());
    const QString nowhere = tevo::Exporter::findFilterProgram();
    qputenv("PATH", QFileInfo(qstripBinary()).absolutePath().toLocal8Bit());
    const QString onPath = tevo::Exporter::findFilterProgram();
    qputenv("PATH", savedPath);

    // The test program does not lie beside qstrip, so only PATH can find it.
    EXPECT_TRUE(nowhere.isEmpty()) << nowhere.toStdString();
    EXPECT_EQ(QFileInfo(onPath).canonicalFilePath(), QFileInfo(qstripBinary()).canonicalFilePath());

    qputenv("PATH", path("leer").toLocal8Bit());
    tevo::Exporter exporter;
    writeAllLexica("");
    exporter.start();
    const tevo::ExportResult result = exporter.result();
    qputenv("PATH", savedPath);
    EXPECT_FALSE(exporter.busy());
    EXPECT_EQ(result.dictionaries[0].outcome, tevo::Outcome::FilterNotFound);
    EXPECT_TRUE(result.dictionaries[0].reason().contains("qstrip wurde weder neben sippora noch im Suchpfad gefunden"));
}

TEST_F(TevoExportTest, ASecondExportStartsOnlyOnceTheFirstIsReported) {
    exporter_.setFilterProgram(gatedFilter());
    QSignalSpy started(&exporter_, &tevo::Exporter::started);
    QSignalSpy done(&exporter_, &tevo::Exporter::finished);
    writeAllLexica("\"\",\"erster\",\"Lauf\",\"Pe\",\"\",\"q\"\r\n");
    QElapsedTimer clock;
    clock.start();
    exporter_.start();
    EXPECT_TRUE(exporter_.busy());
    EXPECT_EQ(exporter_.runningFilters(), 6);
    for (const tevo::DictionaryResult& r : exporter_.result().dictionaries) EXPECT_TRUE(r.filterRunning);
    EXPECT_FALSE(exporter_.result().allExported());  // not before the filters have ended

    // Asked again while the filters run: noted, nothing rewritten, no waiting.
    writeAllLexica("\"\",\"zweiter\",\"Lauf\",\"Pe\",\"\",\"q\"\r\n");
    exporter_.start();
    EXPECT_LT(clock.elapsed(), 900);
    EXPECT_TRUE(exporter_.anotherWanted());
    EXPECT_EQ(started.count(), 1);
    for (const char* out : kOut) EXPECT_EQ(readFile(out), QByteArray("\"erster;Lauf;Pe;;q\"\r\n"));

    // The event loop runs on while the filters work; each export is reported in turn.
    writeFile("weiter", {});
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.count() == 2; }, 30000));
    EXPECT_EQ(started.count(), 2);
    EXPECT_TRUE(done.at(0).at(0).value<tevo::ExportResult>().allExported());
    EXPECT_TRUE(done.at(1).at(0).value<tevo::ExportResult>().allExported());
    EXPECT_FALSE(exporter_.busy());
    EXPECT_FALSE(exporter_.anotherWanted());
    // Each filter of the first run read its intermediate file whole, before
    // the second run rewrote it.
    for (const char* tvx : kTvx) {
        EXPECT_EQ(readFile(QString(tvx) + ".1"), QByteArray("erster;Lauf;Pe;;q\r\n")) << tvx;
        EXPECT_EQ(readFile(QString(tvx) + ".2"), QByteArray("zweiter;Lauf;Pe;;q\r\n")) << tvx;
        EXPECT_EQ(readFile(tvx), QByteArray("zweiter;Lauf;Pe;;q\r\n"));
    }
}

TEST_F(TevoExportTest, AFailingFilterIsReportedWithItsExitCodeAndMessage) {
    writeAllLexica("\"\",\"Pate\",\"Taufzeuge\",\"Pe\",\"\",\"abc\"\r\n");
    // A folder where 2da.tvx should be written, and 2kr.tvx on a full disk.
    ASSERT_TRUE(QDir().mkdir("2da.tvx"));
    const bool fullDisk = QFile::exists("/dev/full");
    if (fullDisk) {
        ASSERT_TRUE(QFile::link("/dev/full", path("2kr.tvx")));
    }

    const tevo::ExportResult result = exportAll();
    const auto& r = result.dictionaries;
    ASSERT_EQ(r.size(), 6);
    EXPECT_FALSE(result.allExported());
    EXPECT_EQ(r[0].outcome, tevo::Outcome::FilterFailed);
    EXPECT_EQ(r[0].filterExitCode, 7);
    EXPECT_EQ(r[0].filterMessage, "Ausgabedatei konnte nicht geschrieben werden");
    if (fullDisk) {
        EXPECT_EQ(r[1].outcome, tevo::Outcome::FilterFailed);
    }
    for (int i = 2; i < 6; ++i) EXPECT_TRUE(r[i].exported()) << kLexica[i];
    EXPECT_EQ(readFile("2vo.tvx"), QByteArray("Pate;Taufzeuge;Pe;;abc\r\n"));

    tevo::showFailures(nullptr, result);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, "TEVO-Export");
    QString expected = QStringLiteral(
        "Nicht alle Lexikondateien sind ins TEVO-Format konvertiert:\n"
        "\n2da.lex: qstrip endete mit Fehlercode 7 (Ausgabedatei konnte nicht geschrieben werden); "
        "2da.tvx ist nicht oder nicht vollständig geschrieben.");
    if (fullDisk)
        expected += QStringLiteral("\n2kr.lex: qstrip endete mit Fehlercode 7 (Ausgabedatei konnte nicht "
                                   "geschrieben werden); 2kr.tvx ist nicht oder nicht vollständig geschrieben.");
    EXPECT_EQ(messages_[0].text, expected);
}

TEST_F(TevoExportTest, AFilterEndingWithoutAMessageOrCutOffIsReportedAsWell) {
    writeAllLexica("");
    // Exit code 4 without a word, and a filter killed before it ended.
    exporter_.setFilterProgram(script("stumm.sh", "[ \"$2\" = outda ] && exit 4\n"
                                                  "[ \"$2\" = outkr ] && kill -9 $$\n"
                                                  "exec \"" + qstripBinary() + "\" \"$@\""));
    const tevo::ExportResult result = exportAll();
    const auto& r = result.dictionaries;
    ASSERT_EQ(r.size(), 6);
    EXPECT_EQ(r[0].outcome, tevo::Outcome::FilterFailed);
    EXPECT_EQ(r[0].reason(), "qstrip endete mit Fehlercode 4 (Eingabedatei konnte nicht geöffnet werden); "
                             "2da.tvx ist nicht oder nicht vollständig geschrieben.");
    EXPECT_EQ(r[1].outcome, tevo::Outcome::FilterCrashed);
    EXPECT_EQ(r[1].reason(), "qstrip wurde abgebrochen, ehe es fertig war; 2kr.tvx ist nicht oder nicht "
                             "vollständig geschrieben.");
    for (int i = 2; i < 6; ++i) EXPECT_TRUE(r[i].exported()) << kLexica[i];
    EXPECT_EQ(result.notExported().size(), 2);
}
