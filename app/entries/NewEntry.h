#pragma once

#include "store/FieldValue.h"

#include <QString>
#include <QStringList>

// A new entry typed by the user, appended to its lexicon file and to the
// additions log lexerg2.txt as one identical record.
namespace entries {

struct NewEntry {
    QString term;
    QString explanation;
    QString category;
    QString furtherInfo;
    QString source;
};

// The record as it is stored: more-info key "", then the five texts. Line
// breaks typed into a field are stored as CR LF.
FieldValues recordOf(const NewEntry& entry);

struct Check {
    QString fieldWithQuote;   // the German name of the first field holding a double quote, or empty
    QStringList unstorable;   // characters that have no spelling in the code page at all
    QStringList replaced;     // "ł → l" for each letter stored in the dictionary's spelling
};

// What the entry's texts hold that the file encoding cannot store as typed.
// Applies the dictionary's spelling to `entry` for letters the code page lacks.
Check prepare(NewEntry& entry);

struct AppendResult {
    bool ok = false;
    QString failedFile;  // the file that could not be opened or written
    QString reason;      // why, in words ("der Datenträger ist voll" ...)
    // Files that could not be cut back to their size before the failed write;
    // they end in an incomplete record. Empty when both are as they were.
    QStringList notRestored;
};

// Opens both files for appending (each created when missing) before anything
// is written, then appends the record to each with a single write. A record
// always starts on a line of its own, also after a last line without a line
// end. When anything fails, both files are cut back to their sizes before,
// so that they hold exactly what they held.
AppendResult append(const QString& lexiconFile, const NewEntry& entry);

}  // namespace entries
