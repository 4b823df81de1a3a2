#pragma once

#include <QString>
#include <QStringList>

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
};

// Creates `folder` when missing and copies every file of `starterFolder`
// (may be empty: none known) that `folder` lacks; never overwrites. Refuses a
// folder that is not writable or that is the starter folder itself.
Preparation prepareFolder(const QString& folder, const QString& starterFolder);

// Chooses the dictionary folder (`requested`, from --ordner, or else the
// default), prepares it with the starter files found from `programDirectory`
// and makes it the working directory. This is the one place where the folder
// is chosen and entered: whatever must hold for a whole session in the folder
// belongs here. On error the working directory is left as it was.
Preparation enterDictionaryFolder(const QString& requested, const QString& programDirectory);

// The message for a folder that cannot be used, or for files that are missing
// or could not be copied; empty when all is well.
QString problemTitle();
QString problemText(const Preparation& p);

}  // namespace startup
