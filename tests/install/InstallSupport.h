#pragma once

#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// A program run to its end: exit code and what it printed.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ProgramRun runProgram(const QString& program, const QStringList& args, const QString& workDir = QDir::currentPath(),
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(), int timeoutMs = 60000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(program, args);
    ProgramRun r;
    if (!p.waitForStarted(10000)) {
        r.err = program + ": " + p.errorString();
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = program + ": did not end in time";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Every file below `root`, as paths relative to it, sorted.
inline QStringList filesBelow(const QString& root) {
    QStringList out;
    const QDir base(root);
    QStringList pending{root};
    while (!pending.isEmpty()) {
        const QDir dir(pending.takeFirst());
        for (const QFileInfo& i : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
            if (i.isDir() && !i.isSymLink())
                pending.append(i.filePath());
            else
                out.append(base.relativeFilePath(i.filePath()));
        }
    }
    out.sort();
    return out;
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cannot read " + path.toUtf8() + ">");
}

// The files an installation puts below its prefix.
inline QStringList expectedInstalledFiles() {
    const QString id = QStringLiteral(SIPPORA_APP_ID);
    QStringList files{
        "bin/qstrip",
        "bin/sippora",
        "share/applications/" + id + ".desktop",
        "share/doc/sippora/changelog.gz",
        "share/doc/sippora/copyright",
        "share/icons/hicolor/scalable/apps/" + id + ".svg",
        "share/lintian/overrides/sippora",
        "share/man/man1/qstrip.1.gz",
        "share/man/man1/sippora.1.gz",
        "share/metainfo/" + id + ".metainfo.xml",
    };
    for (int size : {48, 64, 128, 256}) files.append(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id));
    for (const QString& name : QDir(SIPPORA_DATA_DIR).entryList(QDir::Files))
        files.append("share/sippora/starter/" + name);
    files.sort();
    return files;
}

inline QStringList starterNames() { return QDir(SIPPORA_DATA_DIR).entryList(QDir::Files, QDir::Name); }
