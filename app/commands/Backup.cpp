#include "commands/Backup.h"

#include "store/LexiconFiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>

namespace backup {

QStringList removableMedia() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty()) return {};
    const QStringList roots{QStringLiteral("/media/") + user + u'/', QStringLiteral("/run/media/") + user + u'/'};
    QStringList media;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString path = volume.rootPath();
        for (const QString& root : roots)
            if (path.startsWith(root) && path.size() > root.size() && volume.isValid() && volume.isReady())
                media.append(path);
    }
    std::sort(media.begin(), media.end());
    return media;
}

QString Drives::folderOf(const QString& drive) const {
    if (drive.size() != 2 || drive[1] != u':' || !drive[0].isLetter()) return {};
    const QChar letter = drive[0].toLower();
    if (explicit_.contains(letter)) return explicit_.value(letter);
    // e:, f:, g: … name the mounted media in order; letters given explicitly
    // are skipped, so that an automatic letter never hides an explicit one.
    const QStringList media = removableMedia();
    qsizetype index = 0;
    for (QChar l = u'e'; l <= u'z'; l = QChar(l.unicode() + 1)) {
        if (explicit_.contains(l)) continue;
        if (index >= media.size()) break;
        if (l == letter) return media[index];
        ++index;
    }
    return {};
}

bool copyAdditionsLog(const QString& drive, const Drives& drives) {
    const QString folder = drives.folderOf(drive);
    if (folder.isEmpty() || !QDir(folder).exists()) return false;
    QFile source(lexicon::kAdditionsLog);
    if (!source.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) return false;
    QSaveFile target(QDir(folder).filePath(lexicon::kAdditionsLog));
    target.setDirectWriteFallback(false);
    // Unbuffered: a short write shows at once (a buffered save file can report
    // a write that ran out of room as done and put the cut copy in place).
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (target.write(bytes) != bytes.size()) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

}  // namespace backup
