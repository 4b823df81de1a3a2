#include "startup/DictionaryFolder.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QFileInfo>
#include <unistd.h>

using startup::Preparation;

namespace {

const QStringList kLexicons{"2da.lex", "2kr.lex", "2la.lex", "2pe.lex", "2sp.lex", "2te.lex", "2vo.lex"};

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class DictionaryFolderTest : public WorkDirTest {
protected:
    // A starter folder like an installed one: each lexicon file holds its own name.
    QString makeStarter(const QString& at, const QStringList& names = kLexicons) {
        EXPECT_TRUE(QDir().mkpath(path(at)));
        for (const QString& n : names) writeFile(at + "/" + n, "\"starter\",\"" + n.toLatin1() + "\"\r\n");
        return path(at);
    }
    static QStringList filesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

}  // namespace

TEST_F(DictionaryFolderTest, FirstStartCreatesTheFolderAndCopiesEveryStarterFile) {
    const QString starter = makeStarter("share/sippora/starter");
    const Preparation p = startup::prepareFolder("home/.local/share/sippora", starter);
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.folder, path("home/.local/share/sippora"));
    EXPECT_EQ(p.copied, kLexicons);
    EXPECT_TRUE(p.notCopied.isEmpty());
    EXPECT_TRUE(p.missing.isEmpty());
    EXPECT_EQ(startup::problemText(p), "");
    EXPECT_EQ(filesIn(p.folder), kLexicons);  // the probe for writing leaves nothing behind
    for (const QString& n : kLexicons) EXPECT_EQ(readFile("home/.local/share/sippora/" + n), readFile("share/sippora/starter/" + n));
}

TEST_F(DictionaryFolderTest, NothingInTheFolderIsOverwritten) {
    const QString starter = makeStarter("starter");
    ASSERT_TRUE(QDir().mkpath(path("lex")));
    const QByteArray own = "\"starter\",\"2pe.lex\"\r\n\"\",\"Gevatter\",\"Pate\",\"Pe\",\"\",\"eig\"\r\n";
    writeFile("lex/2pe.lex", own);
    writeFile("lex/lexerg2.txt", "\"\",\"Gevatter\",\"Pate\",\"Pe\",\"\",\"eig\"\r\n");
    writeFile("lex/2sp.lex", "");  // emptied by the user: still theirs
    ASSERT_TRUE(QFile::link("/nowhere/2kr.lex", path("lex/2kr.lex")));  // a dangling link is there too

    const Preparation p = startup::prepareFolder(path("lex"), starter);
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.copied, (QStringList{"2da.lex", "2la.lex", "2te.lex", "2vo.lex"}));
    EXPECT_EQ(readFile("lex/2pe.lex"), own);
    EXPECT_EQ(readFile("lex/2sp.lex"), "");
    EXPECT_EQ(QFileInfo(path("lex/2kr.lex")).symLinkTarget(), "/nowhere/2kr.lex");
    EXPECT_EQ(p.missing, QStringList{"2kr.lex"});  // the link leads nowhere: reported, not replaced
    EXPECT_TRUE(startup::problemText(p).contains("2kr.lex"));

    // A second start copies nothing and changes nothing.
    const Preparation again = startup::prepareFolder(path("lex"), starter);
    EXPECT_TRUE(again.copied.isEmpty());
    EXPECT_EQ(readFile("lex/2pe.lex"), own);
}

TEST_F(DictionaryFolderTest, CopiesOfReadOnlyStarterFilesTakeNewEntries) {
    const QString starter = makeStarter("starter");
    for (const QString& n : kLexicons) QFile::setPermissions(starter + "/" + n, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const Preparation p = startup::prepareFolder(path("lex"), starter);
    ASSERT_EQ(p.copied, kLexicons);
    for (const QString& n : kLexicons) {
        const QFile::Permissions perms = QFile::permissions(path("lex/" + n));
        EXPECT_TRUE(perms & QFile::WriteOwner) << n.toStdString();
        EXPECT_FALSE(perms & QFile::WriteOther) << n.toStdString();
    }
}

TEST_F(DictionaryFolderTest, FoldersThatCannotBeUsed) {
    const QString starter = makeStarter("share/sippora/starter");
    writeFile("datei", "x");
    ASSERT_TRUE(QFile::link(starter, path("verweis")));
    struct Case {
        QString folder;
        QString error;
    } cases[] = {
        {path("datei"), QString("»%1« ist kein Ordner.").arg(path("datei"))},
        {path("datei/lex"), QString("Der Lexikonordner »%1« konnte nicht angelegt werden.").arg(path("datei/lex"))},
        // The delivered files stay as they are, also when named through a link.
        {path("verweis"), QString("»%1« enthält die mitgelieferten Lexika und bleibt unverändert; bitte einen "
                                  "anderen Lexikonordner wählen.").arg(path("verweis"))},
    };
    for (const Case& c : cases) {
        const Preparation p = startup::prepareFolder(c.folder, starter);
        EXPECT_EQ(p.error, c.error);
        EXPECT_EQ(startup::problemText(p), c.error);
        EXPECT_TRUE(p.copied.isEmpty());
    }
    EXPECT_EQ(filesIn(starter), kLexicons);
}

TEST_F(DictionaryFolderTest, AFolderWithoutWriteAccessIsRefused) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
    ASSERT_TRUE(QDir().mkpath(path("nurlesen")));
    QFile::setPermissions(path("nurlesen"), QFile::ReadOwner | QFile::ExeOwner);
    const Preparation p = startup::prepareFolder(path("nurlesen"), makeStarter("starter"));
    QFile::setPermissions(path("nurlesen"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(p.error.startsWith("In den Lexikonordner »" + path("nurlesen") + "« kann nicht geschrieben werden."));
}

TEST_F(DictionaryFolderTest, WithoutStarterFilesTheMissingLexiconsAreNamed) {
    const Preparation p = startup::prepareFolder(path("lex"), QString());
    EXPECT_EQ(p.error, "");
    EXPECT_TRUE(QFileInfo(path("lex")).isDir());
    EXPECT_EQ(p.missing, kLexicons);
    EXPECT_EQ(startup::problemText(p),
              QString("Im Lexikonordner »%1« fehlen diese Lexika: %2. Die mitgelieferten Lexika wurden nicht gefunden. "
                      "Suchen in ihnen sind erst möglich, wenn sie dort liegen.")
                  .arg(path("lex"), kLexicons.join(", ")));
}

TEST_F(DictionaryFolderTest, StarterFilesAreFoundBesideTheProgramFirst) {
    ScopedEnv dataHome("XDG_DATA_HOME", path("home-data"));
    ScopedEnv dataDirs("XDG_DATA_DIRS", path("usr-local/share") + ":" + path("usr/share"));
    const QString system = makeStarter("usr/share/sippora/starter");
    // Incomplete: not taken.
    makeStarter("usr-local/share/sippora/starter", {"2sp.lex", "2pe.lex"});
    ASSERT_TRUE(QDir().mkpath(path("opt/bin")));
    EXPECT_EQ(startup::findStarterFolder(path("opt/bin")), system);
    const QString beside = makeStarter("opt/share/sippora/starter");
    EXPECT_EQ(startup::findStarterFolder(path("opt/bin")), beside);
    QFile::remove(system + "/2te.lex");
    QDir(beside).removeRecursively();
    EXPECT_EQ(startup::findStarterFolder(path("opt/bin")), "");
}

TEST_F(DictionaryFolderTest, EnteringTheFolderMakesItTheWorkingDirectory) {
    ScopedEnv dataHome("XDG_DATA_HOME", path("daten"));
    makeStarter("prefix/share/sippora/starter");
    ASSERT_TRUE(QDir().mkpath(path("prefix/bin")));
    EXPECT_EQ(startup::defaultDictionaryFolder(), path("daten/sippora"));

    const Preparation p = startup::enterDictionaryFolder(QString(), path("prefix/bin"));
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(QDir::currentPath(), path("daten/sippora"));
    EXPECT_EQ(p.copied, kLexicons);

    const Preparation stick = startup::enterDictionaryFolder(path("stick/lexika"), path("prefix/bin"));
    EXPECT_EQ(QDir::currentPath(), path("stick/lexika"));
    EXPECT_EQ(stick.copied, kLexicons);

    // A folder that cannot be used leaves the working directory as it was.
    writeFile("stick/lexika/datei", "");
    const Preparation bad = startup::enterDictionaryFolder(path("stick/lexika/datei"), path("prefix/bin"));
    EXPECT_FALSE(bad.error.isEmpty());
    EXPECT_EQ(QDir::currentPath(), path("stick/lexika"));
}

TEST_F(DictionaryFolderTest, OneSipporaPerFolderAndAStaleLockTakenOver) {
    const QString starter = makeStarter("starter");
    const QString previous = QDir::currentPath();
    // The first start holds the folder.
    Preparation first = startup::enterDictionaryFolder(path("lex"), QString());
    QDir::setCurrent(previous);
    ASSERT_EQ(first.error, "");
    ASSERT_TRUE(first.lock);
    EXPECT_TRUE(QFile::exists(path("lex/" + startup::kLockFileName)));

    // A second start on the same folder is refused and enters nothing.
    const Preparation second = startup::enterDictionaryFolder(path("lex"), QString());
    EXPECT_TRUE(second.inUse);
    EXPECT_FALSE(second.lock);
    EXPECT_TRUE(second.error.contains("bereits geöffnet")) << second.error.toStdString();
    EXPECT_TRUE(second.error.contains(QString::number(QCoreApplication::applicationPid())));
    EXPECT_EQ(QDir::currentPath(), previous);
    (void)starter;

    // Once the first has ended, the folder is free again.
    first.lock.reset();
    QString error;
    EXPECT_TRUE(startup::lockFolder(path("lex"), &error)) << error.toStdString();

    // A lock left by a process that no longer runs is taken over.
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    ASSERT_TRUE(QDir().mkpath(path("stale")));
    writeFile("stale/" + startup::kLockFileName,
              QByteArray::number(deadPid) + "\nsippora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    const auto taken = startup::lockFolder(path("stale"), &error);
    EXPECT_TRUE(taken) << error.toStdString();
}
