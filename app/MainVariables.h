#pragma once

#include <QString>

// The values of the main window that one handler leaves for a later one,
// under the names the whole program uses.
struct MainVariables {
    QString targetLexiconFile;  // lexicon file a new entry is appended to (set by the dictionary choice)
    QString addModeFlag;        // "no" in search mode, "ja" in add mode (the help text depends on it)
    QString selectedMoreKey;    // key of the more-information texts the button shows
    QString lastSource;         // source abbreviation of the last added entry, proposed for the next
};
