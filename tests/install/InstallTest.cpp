#include "startup/DictionaryFolder.h"
#include "InstallSupport.h"

#include "../app/LexikonTestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

namespace {

// The installation of this build tree into a temporary prefix, and a user
// whose dictionary folder does not exist yet. The main window of the fixture
// is made only where a test searches.
class InstallTest : public LexikonTest {
protected:
    void SetUp() override {
        WorkDirTest::SetUp();  // not LexikonTest's: no window yet
        prefix = path("prefix");
        const ProgramRun install = runProgram(SIPPORA_CMAKE, {"--install", SIPPORA_BUILD_DIR, "--prefix", prefix});
        ASSERT_EQ(install.exitCode, 0) << install.out.toStdString() << install.err.toStdString();
        program = prefix + "/bin/sippora";
        for (const char* d : {"xdg", "home", "nodata", "anderswo"}) ASSERT_TRUE(QDir().mkpath(path(d)));
        folder = path("xdg/sippora");
    }

    // The environment of a desktop user without a display of their own: Qt's
    // offscreen platform, a fresh home and data folder.
    QProcessEnvironment userEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", path("home"));
        env.insert("XDG_DATA_HOME", path("xdg"));
        env.insert("XDG_DATA_DIRS", path("nodata"));  // only the prefix's own share/ holds starter files
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

    // Starts the installed program, waits until it works in `expectedFolder`
    // and its window is up, then ends it. Returns what it wrote to stderr.
    QString startAndEnd(const QStringList& args, const QString& expectedFolder) {
        QProcess p;
        p.setProcessEnvironment(userEnvironment());
        p.setWorkingDirectory(path("anderswo"));
        p.start(program, args);
        EXPECT_TRUE(p.waitForStarted(10000)) << p.errorString().toStdString();
        const QString cwdLink = QString("/proc/%1/cwd").arg(p.processId());
        auto inFolder = [&] {
            const QString wanted = QFileInfo(expectedFolder).canonicalFilePath();
            return !wanted.isEmpty() && QFileInfo(cwdLink).canonicalFilePath() == wanted;
        };
        QElapsedTimer t;
        t.start();
        while (p.state() == QProcess::Running && !inFolder() && t.elapsed() < 15000) p.waitForFinished(50);
        EXPECT_TRUE(inFolder()) << "working directory of the installed sippora: "
                                << QFileInfo(cwdLink).canonicalFilePath().toStdString();
        // Still running a moment later: the window is up and waits for the user.
        EXPECT_FALSE(p.waitForFinished(700)) << "sippora ended: " << p.readAllStandardError().toStdString();
        p.terminate();
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished();
        }
        return QString::fromUtf8(p.readAllStandardError());
    }

    void expectStarterCopies(const QString& in, const QStringList& except = {}) {
        for (const QString& name : starterNames())
            if (!except.contains(name)) {
                EXPECT_EQ(fileBytes(in + "/" + name), fileBytes(QString(SIPPORA_DATA_DIR) + "/" + name)) << name.toStdString();
            }
    }

    QString prefix, program, folder;
};

}  // namespace

TEST_F(InstallTest, InstalledFilesPassTheirValidators) {
    EXPECT_EQ(filesBelow(prefix), expectedInstalledFiles());
    EXPECT_TRUE(QFileInfo(program).isExecutable());
    EXPECT_TRUE(QFileInfo(prefix + "/bin/qstrip").isExecutable());
    expectStarterCopies(prefix + "/share/sippora/starter");

    const QString desktop = prefix + "/share/applications/" SIPPORA_APP_ID ".desktop";
    const QString entry = QString::fromUtf8(fileBytes(desktop));
    EXPECT_TRUE(entry.contains("\nExec=sippora\n"));
    EXPECT_TRUE(entry.contains("\nIcon=" SIPPORA_APP_ID "\n"));
    const ProgramRun desktopCheck = runProgram("desktop-file-validate", {desktop});
    EXPECT_EQ(desktopCheck.exitCode, 0) << desktopCheck.err.toStdString();
    EXPECT_FALSE((desktopCheck.out + desktopCheck.err).contains("error"))
        << desktopCheck.out.toStdString();
    EXPECT_FALSE((desktopCheck.out + desktopCheck.err).contains("warning"))
        << desktopCheck.out.toStdString();
    // Metainfo, desktop entry and icons of the installed tree together; any
    // finding beyond the pedantic ones fails.
    const ProgramRun tree = runProgram("appstreamcli", {"validate-tree", "--no-net", "--strict", prefix});
    EXPECT_EQ(tree.exitCode, 0) << tree.out.toStdString() << tree.err.toStdString();
}

TEST_F(InstallTest, CommandLineWorksWithoutADisplay) {
    QProcessEnvironment env = userEnvironment();
    for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(v);
    const ProgramRun version = runProgram(program, {"--version"}, path("anderswo"), env);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("sippora " SIPPORA_VERSION "\n")) << version.out.toStdString();
    const ProgramRun help = runProgram(program, {"--help"}, path("anderswo"), env);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--ordner ORDNER")) << help.out.toStdString();

    const ProgramRun bad = runProgram(program, {"--ordnr", "stick"}, path("anderswo"), env);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "sippora: Unbekannte Option »--ordnr«.\n»sippora --help« zeigt alle Optionen.\n");
    EXPECT_FALSE(QFileInfo::exists(folder)) << "a bad option must not start the program";
}

TEST_F(InstallTest, FirstStartPreparesTheFolderAndLaterStartsOverwriteNothing) {
    const QString firstErr = startAndEnd({}, folder);
    EXPECT_FALSE(firstErr.contains("sippora:")) << firstErr.toStdString();
    // The ended program leaves its lock behind (it was stopped, not closed);
    // the next start takes it over as a lock of a process that has ended.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList{startup::kLockFileName} << starterNames());
    expectStarterCopies(folder);
    EXPECT_TRUE(filesBelow(path("anderswo")).isEmpty()) << "nothing is written where sippora was started";

    // A search in the prepared folder finds the delivered entries.
    ASSERT_TRUE(QDir::setCurrent(folder));
    {
        w = std::make_unique<Lexikon>();
        w->show();
        type("pate");
        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);
        EXPECT_TRUE(terms().contains("Pate")) << terms().join(" | ").toStdString();
        EXPECT_TRUE(messages_.isEmpty());
        QTest::mouseClick(control<QPushButton>("ende"), Qt::LeftButton);
        w.reset();
    }

    // The user's own work: an added entry, the additions log, a lost file.
    const QByteArray own = fileBytes(folder + "/2pe.lex") + rec("", "Gevatterin", "Patin", "Pe", "", "eig");
    writeFile("xdg/sippora/2pe.lex", own);
    writeFile("xdg/sippora/lexerg2.txt", rec("", "Gevatterin", "Patin", "Pe", "", "eig"));
    ASSERT_TRUE(QFile::remove(folder + "/2te.lex"));

    const QString secondErr = startAndEnd({}, folder);
    EXPECT_FALSE(secondErr.contains("sippora:")) << secondErr.toStdString();
    EXPECT_EQ(fileBytes(folder + "/2pe.lex"), own);
    EXPECT_EQ(fileBytes(folder + "/lexerg2.txt"), rec("", "Gevatterin", "Patin", "Pe", "", "eig"));
    expectStarterCopies(folder, {"2pe.lex"});  // 2te.lex is back, the others untouched
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList{startup::kLockFileName} << starterNames() << "lexerg2.txt");

    // Another folder, named relative to where sippora is started.
    startAndEnd({"--ordner", "stick/lexika"}, path("anderswo/stick/lexika"));
    expectStarterCopies(path("anderswo/stick/lexika"));
    EXPECT_EQ(fileBytes(folder + "/2pe.lex"), own);
}
