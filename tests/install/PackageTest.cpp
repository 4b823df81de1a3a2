#include "InstallSupport.h"

#include <QRegularExpression>

namespace {

class PackageTest : public WorkDirTest {};

QString dpkgDeb(const QStringList& args) {
    const ProgramRun r = runProgram("dpkg-deb", args);
    EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    return r.out;
}

}  // namespace

// The Debian package as CPack makes it from the build tree.
TEST_F(PackageTest, DebianPackage) {
    const ProgramRun cpack = runProgram(SIPPORA_CPACK, {"-G", "DEB", "-B", path("paket"), "--config",
                                                 QString(SIPPORA_BUILD_DIR) + "/CPackConfig.cmake"});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.out.toStdString() << cpack.err.toStdString();
    const QString arch = runProgram("dpkg", {"--print-architecture"}).out.trimmed();
    const QString deb = path("paket/sippora_" SIPPORA_VERSION "_" + arch + ".deb");
    ASSERT_TRUE(QFileInfo::exists(deb)) << QDir(path("paket")).entryList().join(' ').toStdString();

    EXPECT_EQ(dpkgDeb({"-f", deb, "Package"}).trimmed(), "sippora");
    EXPECT_EQ(dpkgDeb({"-f", deb, "Version"}).trimmed(), SIPPORA_VERSION);
    EXPECT_EQ(dpkgDeb({"-f", deb, "Architecture"}).trimmed(), arch);
    EXPECT_EQ(dpkgDeb({"-f", deb, "Section"}).trimmed(), "education");
    // The libraries come from dpkg-shlibdeps, with versions; a font from us.
    const QString depends = dpkgDeb({"-f", deb, "Depends"});
    for (const char* dependency : {"libc6 (>=", "libstdc++6 (>=", "libqt6core6 (>=", "libqt6gui6 (>=",
                                   "libqt6widgets6 (>=", "fonts-dejavu-core |"})
        EXPECT_TRUE(depends.contains(dependency)) << dependency << " in " << depends.toStdString();

    // Contents: the installed files below /usr, owned by root, nothing else.
    QStringList files;
    for (const QString& line : dpkgDeb({"-c", deb}).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QRegularExpression("\\s+"));
        ASSERT_GE(f.size(), 6) << line.toStdString();
        EXPECT_EQ(f[1], "root/root") << line.toStdString();
        if (f[0].startsWith('d')) continue;
        const QString name = f[5];
        ASSERT_TRUE(name.startsWith("./usr/")) << line.toStdString();
        files.append(name.mid(6));
        EXPECT_EQ(f[0], name.startsWith("./usr/bin/") ? "-rwxr-xr-x" : "-rw-r--r--") << line.toStdString();
    }
    files.sort();
    EXPECT_EQ(files, expectedInstalledFiles());

    // No maintainer scripts: the desktop database, icon cache and AppStream
    // catalogue are refreshed by the triggers of the packages that own them.
    ASSERT_EQ(runProgram("dpkg-deb", {"-e", deb, path("control")}).exitCode, 0);
    EXPECT_EQ(QDir(path("control")).entryList(QDir::Files, QDir::Name), (QStringList{"control", "md5sums"}));

    ASSERT_EQ(runProgram("dpkg-deb", {"-x", deb, path("root")}).exitCode, 0);
    for (const char* binary : {"usr/bin/sippora", "usr/bin/qstrip"}) {
        const QString kind = runProgram("file", {"-b", path(QString("root/") + binary)}).out;
        EXPECT_TRUE(kind.contains("ELF") && kind.contains(", stripped")) << binary << ": " << kind.toStdString();
    }
}
