#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The backup of the additions log to a removable medium, named by a drive
// letter as on a Windows machine: "e:" is the first removable medium.
namespace backup {

// Drive letters and the folders they name. Letters mapped explicitly (the
// command-line option "--laufwerk X=FOLDER") name their folder; the remaining
// letters from e: on name the media mounted under /media/<user>/ and
// /run/media/<user>/, ordered by mount path.
class Drives {
public:
    void map(QChar letter, const QString& folder) { explicit_[letter.toLower()] = folder; }
    // The folder of a drive designator such as "e:"; empty when it names nothing.
    QString folderOf(const QString& drive) const;

private:
    QHash<QChar, QString> explicit_;
};

// The mount points of removable media, ordered by path.
QStringList removableMedia();

// Copies lexerg2.txt of the working directory to FOLDER/lexerg2.txt through a
// temporary file on the medium that replaces the old copy only once it is
// complete; on any failure the old copy stays as it was. False when the log
// is missing, the drive names nothing, or the copy fails.
bool copyAdditionsLog(const QString& drive, const Drives& drives);

}  // namespace backup
