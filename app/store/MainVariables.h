#pragma once

#include "FieldValue.h"

#include <QString>

// The values the main window keeps for as long as it exists and shares with
// every operation on it, under the names the whole program uses.
struct MainVariables {
    // The record buffer: one set of seven values that every operation reading
    // or writing records overwrites.
    FieldValue recMoreKey;
    FieldValue recTerm;
    FieldValue recExplanation;
    FieldValue recCategory;
    FieldValue recFurtherInfo;
    FieldValue recSource;      // in searches and the result display: the MoreInfoIndicator
    FieldValue recSourceCopy;  // the source of a ResultFile record

    QString targetLexiconFile;  // lexicon file a new entry is appended to
    QString addModeFlag;       // "no" in search mode, "ja" in add mode
    QString selectedMoreKey;   // key of the more-information texts to show
    QString exportLine;
    QString lastSource;        // source abbreviation of the last added entry

    // Working values of a search and of the result display.
    QString searchKey;
    QString termLower;
    QString termPadding;
    QString explanationPadding;
    int listPosition = 0;
    int hitCount = 0;
    int recordCounter = 0;

    // Working values of the import of 2fi.lex.
    QString importFileName;
    QString importTargetFile;

    void setRecord(const FieldValues& v) {
        FieldValue* buffer[] = {&recMoreKey, &recTerm, &recExplanation, &recCategory,
                               &recFurtherInfo, &recSource, &recSourceCopy};
        for (qsizetype i = 0; i < 7; ++i) *buffer[i] = i < v.size() ? v[i] : FieldValue();
    }
};
