#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// The dictionary folder: the working directory of sippora, where the lexicon
// files, the additions log, the search results and the exports live. On every
// start it is created when missing and gets a copy of each delivered starter
// file that it lacks; nothing in it is ever overwritten.
namespace startup {

// Where the starter files are installed below a prefix's share/ folder.
inline const QString kStarterSubfolder = QStringLiteral("sippora/starter");

// $XDG_DATA_HOME/sippora, by default ~/.local/share/sippora.
QString defaultDictionaryFolder();

// The folder that holds the delivered starter files: share/sippora/starter
// beside the program's prefix (`programDirectory`/../share/sippora/starter;
// in the build tree that is a link to the repository's data/), otherwise the
// first of the XDG data directories that has them. Empty when none has them.
QString findStarterFolder(const QString& programDirectory);

struct Preparation {
    QString folder;          // absolute path of the dictionary folder
    QString error;           // set when the folder cannot be used; German
    QStringList copied;      // starter files copied this time
    QStringList notCopied;   // starter files missing in the folder that could not be copied
    QStringList missing;     // lexicon files the folder lacks after preparing it
    bool starterKnown = false;  // a starter folder was given
    bool inUse = false;         // another sippora holds the folder
    // Held for as long as the program works in the folder: one sippora per
    // folder, so that no two share the result file or cut back each other's
    // entries.
    std::shared_ptr<QLockFile> lock;
};

// The lock file in the dictionary folder.
inline const QString kLockFileName = QStringLiteral(".sippora.lock");

// Takes the folder's lock for this process; a lock left by a process that has
// ended is taken over. Null, with `error` set (German), when another running
// sippora holds it or it cannot be made.
std::shared_ptr<QLockFile> lockFolder(const QString& folder, QString* error, bool* inUse = nullptr);

// Creates `folder` when missing and copies every file of `starterFolder`
// (may be empty: none known) that `folder` lacks; never overwrites. Refuses a
// folder that is not writable or that is the starter folder itself.
Preparation prepareFolder(const QString& folder, const QString& starterFolder);

// Chooses the dictionary folder (`requested`, from --ordner, or else the
// default), prepares it with the starter files found from `programDirectory`,
// takes its lock and makes it the working directory. This is the one place where the folder
// is chosen and entered: whatever must hold for a whole session in the folder
// belongs here. On error the working directory is left as it was.
Preparation enterDictionaryFolder(const QString& requested, const QString& programDirectory);

// The message for a folder that cannot be used, or for files that are missing
// or could not be copied; empty when all is well.
QString problemTitle();
QString inUseTitle();
QString problemText(const Preparation& p);

}  // namespace startup
