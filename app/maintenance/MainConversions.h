#pragma once

#include "maintenance/Outcome.h"

// The maintainer's conversions behind the row of buttons in the main window.
// Each works on fixed file names in the working directory and returns its
// outcome: on a complete run `status` is
// the text for Text9 (empty for the import, which reports nothing); otherwise
// `problem` is the message to show and Text9 is to stay as it is.
//
// No conversion writes anything when its input is missing or unreadable, or
// when an input is one of its outputs.
namespace maintenance {

// Command10 "cvs->line": every line of span-de-6sp.csv as a one-field record in 1-sp.txt.
Outcome csvToLines();

// Command6 "2zeil->3spalt": pairs of lines (term, explanation) of f-92-93-zeil.txt
// as records empty, term, explanation in kolt-lex.txt, blanks trimmed.
Outcome twoLinesToThreeColumns();

// Command8 "3sp->6sp": five-field records of 5-sp.txt as lexicon records in 6fi.lex.
Outcome fiveToSixColumns();

// Command11 "4sp-> vo-dat": four-field records A B C D of 1-korr-4sp.txt as
// first-name records empty, A, "C - B", "Vo", D in 1-vo-erg.txt.
Outcome fourColumnsToFirstNames();

// Command4: the seven lexicon files copied record by record to ".txt" files.
Outcome copyLexiconsToText();

// Command13 "2fi.lex-imp": the records of 2fi.lex appended to the lexicon
// files by their category code.
Outcome importNewEntries();

// The files the conversions use, for the buttons' tool tips and for tests.
inline constexpr const char* kCsvSource = "span-de-6sp.csv";
inline constexpr const char* kLineFile = "1-sp.txt";
inline constexpr const char* kTwoLineSource = "f-92-93-zeil.txt";
inline constexpr const char* kThreeColumnFile = "kolt-lex.txt";
inline constexpr const char* kFiveColumnSource = "5-sp.txt";
inline constexpr const char* kSixColumnFile = "6fi.lex";
inline constexpr const char* kFourColumnSource = "1-korr-4sp.txt";
inline constexpr const char* kFirstNameFile = "1-vo-erg.txt";
inline constexpr const char* kImportFile = "2fi.lex";

}  // namespace maintenance
