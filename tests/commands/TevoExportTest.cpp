#include "TevoExport.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

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

    // A stand-in that waits before handing over to the real qstrip, and keeps a
    // copy of what qstrip wrote, one per run, named <tvx>.<n>.
    QString slowFilter(double seconds) {
        const QString script = path("langsam.sh");
        writeFile("langsam.sh", QStringLiteral("#!/bin/sh\nsleep %1\n\"%2\" \"$@\" || exit $?\n"
                                               "n=1; while [ -e \"$3.$n\" ]; do n=$((n+1)); done\n"
                                               "cp \"$3\" \"$3.$n\"\n")
                                    .arg(seconds)
                                    .arg(qstripBinary())
                                    .toUtf8());
        QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
        return script;
    }

    tevo::Exporter exporter_;
    MainVariables vars_;
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

    const tevo::ExportResult result = exporter_.run(vars_);

    ASSERT_EQ(result.dictionaries.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(result.dictionaries[i].dictionary.lexicon, kLexica[i]);
        EXPECT_EQ(result.dictionaries[i].outcome, tevo::Outcome::Exported) << kLexica[i];
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

    // The record buffer holds the last record of 2vo.lex.
    EXPECT_EQ(vars_.recMoreKey, FieldValue("schluss"));
    EXPECT_EQ(vars_.recTerm, FieldValue("Berta"));
    EXPECT_EQ(vars_.recSource, FieldValue("Ra"));
    EXPECT_EQ(vars_.exportLine, "Berta;Vorname;Vo;weiblich;Ra");

    ASSERT_TRUE(exporter_.waitForFilters(30000));
    EXPECT_EQ(exporter_.runningFilters(), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(exporter_.filterExitCode(kOut[i]), std::optional<int>(0)) << kOut[i];
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

    const tevo::ExportResult result = exporter_.run(vars_);
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

    ASSERT_TRUE(exporter_.waitForFilters(30000));
    EXPECT_EQ(readFile("2kr.tvx"), QByteArray("Ruhr;Durchfall;Kr;;Q\r\nLues;;Kr;;Q\r\n"));
    EXPECT_EQ(readFile("2la.tvx"), QByteArray("pater;Vater;La;;Q\r\n"));
    EXPECT_EQ(readFile("2vo.tvx"), QByteArray("Anna;Vorname;Vo;;Ra\r\n"));
    EXPECT_FALSE(exists("2sp.tvx"));
    EXPECT_FALSE(exporter_.filterExitCode("outsp").has_value());

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
    const tevo::ExportResult result = exporter_.run(vars_);
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
    const tevo::ExportResult result = exporter.run(vars_);
    qputenv("PATH", savedPath);
    EXPECT_EQ(result.dictionaries[0].outcome, tevo::Outcome::FilterNotFound);
    EXPECT_TRUE(result.dictionaries[0].reason().contains("qstrip wurde weder neben sippora noch im Suchpfad gefunden"));
}

TEST_F(TevoExportTest, ASecondExportWaitsForTheFiltersOfTheFirst) {
    exporter_.setFilterProgram(slowFilter(1));
    writeAllLexica("\"\",\"erster\",\"Lauf\",\"Pe\",\"\",\"q\"\r\n");
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(exporter_.run(vars_).allExported());
    EXPECT_EQ(exporter_.runningFilters(), 6);
    EXPECT_LT(clock.elapsed(), 900);  // the first export does not wait for its filters

    writeAllLexica("\"\",\"zweiter\",\"Lauf\",\"Pe\",\"\",\"q\"\r\n");
    ASSERT_TRUE(exporter_.run(vars_).allExported());
    EXPECT_GE(clock.elapsed(), 900);  // it waited for the first filter on outda at least
    ASSERT_TRUE(exporter_.waitForFilters(30000));

    // Each filter of the first run read its intermediate file whole, before
    // the second run rewrote it.
    for (const char* tvx : kTvx) {
        EXPECT_EQ(readFile(QString(tvx) + ".1"), QByteArray("erster;Lauf;Pe;;q\r\n")) << tvx;
        EXPECT_EQ(readFile(QString(tvx) + ".2"), QByteArray("zweiter;Lauf;Pe;;q\r\n")) << tvx;
        EXPECT_EQ(readFile(tvx), QByteArray("zweiter;Lauf;Pe;;q\r\n"));
    }
}

TEST_F(TevoExportTest, AFilterStillRunningAfterTheWaitLeavesItsFilesAlone) {
    exporter_.setFilterProgram(slowFilter(3));
    writeAllLexica("\"\",\"erster\",\"Lauf\",\"Pe\",\"\",\"q\"\r\n");
    ASSERT_TRUE(exporter_.run(vars_).allExported());

    writeAllLexica("\"\",\"zweiter\",\"Lauf\",\"Pe\",\"\",\"q\"\r\n");
    exporter_.setFilterWaitMs(50);
    const tevo::ExportResult second = exporter_.run(vars_);
    for (const tevo::DictionaryResult& r : second.dictionaries) EXPECT_EQ(r.outcome, tevo::Outcome::FilterStillRunning);
    for (const char* out : kOut) EXPECT_EQ(readFile(out), QByteArray("\"erster;Lauf;Pe;;q\"\r\n"));
    EXPECT_TRUE(tevo::failureText(second).contains(
        "2pe.lex: qstrip bearbeitet outpe von der vorigen Umwandlung noch; die Datei wurde nicht neu geschrieben."));

    ASSERT_TRUE(exporter_.waitForFilters(30000));
    for (const char* tvx : kTvx) EXPECT_EQ(readFile(tvx), QByteArray("erster;Lauf;Pe;;q\r\n"));
}
