#include "startup/DictionaryFolder.h"

#include "store/Categories.h"
#include "store/LexiconFiles.h"

#include <QDir>
#include <QLockFile>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace startup {

namespace {

// The lexicon files a working dictionary folder holds.
QStringList lexiconFiles() { return lexicon::allTermFiles() << lexicon::kMoreInfoLexicon; }

bool holdsStarterFiles(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : lexiconFiles())
        if (!QFileInfo(dir.filePath(name)).isFile()) return false;
    return true;
}

bool sameFolder(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// A name that exists in the folder in any form, a dangling link included.
bool present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// True when a file can be created in the folder (permissions alone do not
// tell: read-only mounts, full media).
bool writable(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".sippora-probe-XXXXXX")));
    return probe.open();
}

}  // namespace

QString defaultDictionaryFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("sippora"));
}

QString findStarterFolder(const QString& programDirectory) {
    QStringList candidates{QDir::cleanPath(programDirectory + QStringLiteral("/../share/") + kStarterSubfolder)};
    candidates += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, kStarterSubfolder,
                                            QStandardPaths::LocateDirectory);
    for (const QString& c : candidates)
        if (holdsStarterFiles(c)) return c;
    return {};
}

Preparation prepareFolder(const QString& folder, const QString& starterFolder) {
    Preparation p;
    p.starterKnown = !starterFolder.isEmpty();
    p.folder = QDir::cleanPath(QDir(folder).absolutePath());
    const QFileInfo info(p.folder);
    if (info.exists() && !info.isDir()) {
        p.error = QStringLiteral("»%1« ist kein Ordner.").arg(p.folder);
        return p;
    }
    if (!QDir().mkpath(p.folder)) {
        p.error = QStringLiteral("Der Lexikonordner »%1« konnte nicht angelegt werden.").arg(p.folder);
        return p;
    }
    if (!starterFolder.isEmpty() && sameFolder(p.folder, starterFolder)) {
        p.error = QStringLiteral("»%1« enthält die mitgelieferten Lexika und bleibt unverändert; "
                                 "bitte einen anderen Lexikonordner wählen.")
                      .arg(p.folder);
        return p;
    }
    if (!writable(p.folder)) {
        p.error = QStringLiteral("In den Lexikonordner »%1« kann nicht geschrieben werden. sippora "
                                 "legt dort die Suchergebnisse und neue Einträge ab.")
                      .arg(p.folder);
        return p;
    }

    const QDir target(p.folder);
    if (!starterFolder.isEmpty()) {
        const QDir source(starterFolder);
        for (const QString& name : source.entryList(QDir::Files, QDir::Name)) {
            const QString to = target.filePath(name);
            if (present(to)) continue;
            // QFile::copy writes a temporary file and renames it only when it
            // is complete, and never replaces an existing file.
            if (!QFile::copy(source.filePath(name), to)) {
                p.notCopied.append(name);
                continue;
            }
            // The copy keeps the source's permissions; installed files may be
            // read-only, but the user's copy must take new entries.
            QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
            p.copied.append(name);
        }
    }
    for (const QString& name : lexiconFiles())
        if (!QFileInfo(target.filePath(name)).isFile()) p.missing.append(name);
    p.missing.sort();
    return p;
}

Preparation enterDictionaryFolder(const QString& requested, const QString& programDirectory) {
    const QString folder = requested.isEmpty() ? defaultDictionaryFolder() : requested;
    if (folder.isEmpty()) {
        Preparation p;
        p.error = QStringLiteral("Der Lexikonordner lässt sich nicht bestimmen: es ist kein "
                                 "Benutzerverzeichnis bekannt. Bitte mit »--ordner ORDNER« einen angeben.");
        return p;
    }
    Preparation p = prepareFolder(folder, findStarterFolder(programDirectory));
    if (p.error.isEmpty()) p.lock = lockFolder(p.folder, &p.error, &p.inUse);
    if (p.error.isEmpty() && !QDir::setCurrent(p.folder))
        p.error = QStringLiteral("Der Lexikonordner »%1« kann nicht geöffnet werden.").arg(p.folder);
    return p;
}

QString problemTitle() { return QStringLiteral("Lexikonordner"); }

std::shared_ptr<QLockFile> lockFolder(const QString& folder, QString* error, bool* inUse) {
    auto lock = std::make_shared<QLockFile>(QDir(folder).filePath(kLockFileName));
    // Only a lock whose process has ended is stale, however old it is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return lock;
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, program;
        lock->getLockInfo(&pid, &host, &program);
        if (inUse) *inUse = true;
        *error = QStringLiteral("sippora ist in diesem Lexikonordner (»%1«) bereits geöffnet%2. Bitte "
                                "arbeiten Sie in jenem Fenster weiter; zwei Fenster auf denselben "
                                "Lexikondateien könnten Einträge des anderen verlieren.")
                     .arg(QDir::toNativeSeparators(folder),
                          pid > 0 ? QStringLiteral(" (Programm Nr. %1)").arg(pid) : QString());
    } else {
        *error = QStringLiteral("Im Lexikonordner »%1« kann die Sperrdatei %2 nicht angelegt werden.")
                     .arg(QDir::toNativeSeparators(folder), kLockFileName);
    }
    return nullptr;
}

QString inUseTitle() { return QStringLiteral(" B E R E I T S   G E Ö F F N E T "); }

QString problemText(const Preparation& p) {
    if (!p.error.isEmpty()) return p.error;
    QStringList lines;
    if (!p.notCopied.isEmpty())
        lines << QStringLiteral("Diese mitgelieferten Dateien konnten nicht in den Lexikonordner »%1« "
                                "kopiert werden: %2. sippora versucht es beim nächsten Start erneut.")
                     .arg(p.folder, p.notCopied.join(QStringLiteral(", ")));
    const QStringList notReported = [&] {
        QStringList rest;
        for (const QString& m : p.missing)
            if (!p.notCopied.contains(m)) rest << m;
        return rest;
    }();
    if (!notReported.isEmpty())
        lines << QStringLiteral("Im Lexikonordner »%1« fehlen diese Lexika: %2.%3 Suchen in ihnen sind erst "
                                "möglich, wenn sie dort liegen.")
                     .arg(p.folder, notReported.join(QStringLiteral(", ")),
                          p.starterKnown ? QString()
                                         : QStringLiteral(" Die mitgelieferten Lexika wurden nicht gefunden."));
    return lines.join(QStringLiteral("\n\n"));
}

}  // namespace startup
