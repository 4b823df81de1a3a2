#pragma once

#include "maintenance/Outcome.h"

#include <QString>
#include <QStringList>
#include <optional>

class FieldFile;

// The checks every converter makes before it writes anything, and the German
// messages that tell the user why a run was refused or ended early.
namespace maintenance::files {

// True when both names lead to one existing file (links and "./" resolved).
// A file that does not exist yet is never the same as another.
bool sameFile(const QString& a, const QString& b);

// Opens an input file for reading; a problem naming it when there is no name,
// no such file, or it cannot be read.
std::optional<Problem> openInput(FieldFile& in, const QString& name);

// Refuses an output that is the input itself.
std::optional<Problem> refuseSame(const QString& input, const QString& output);

// Opens an output for writing (created or emptied) or appending.
std::optional<Problem> openOutput(FieldFile& out, const QString& name);
std::optional<Problem> openAppend(FieldFile& out, const QString& name);

// Every text is written between double quotes, and the format has no escape
// for a double quote inside one: such a record would read back cut short.
// These refuse an input (opened for reading) in which a text that the
// converter writes holds a double quote, naming the file and the first lines
// concerned; the file is left at its start for the conversion itself.
// By lines: every line is written as a text.
std::optional<Problem> refuseQuotesInLines(FieldFile& in);
// By records of `fields` items; the item at `unwrittenField` (if any) is dropped
// by the converter and so not looked at. A record cut short at the end is not
// written and not looked at either.
std::optional<Problem> refuseQuotesInItems(FieldFile& in, int fields, int unwrittenField = -1);
// By lines when `fields` is 0, otherwise by records of `fields` items.
std::optional<Problem> refuseQuotes(FieldFile& in, int fields, int unwrittenField = -1);
Problem quotesInData(const QString& input, const QList<qsizetype>& lines, qsizetype count);

// Closes a written file; a problem when not every byte reached the disk (the
// file is then as it was before: a new one not put in place, an append cut back).
std::optional<Problem> closeOutput(FieldFile& out);
Problem notWritten(const QString& name, const QString& reason, bool restored);

// "3 vollständige Datensätze wurden <doneWhat>", with the right number and case.
QString recordsDone(int n, const QString& doneWhat);

// The German phrases for "written into X" and "appended to X".
QString writtenInto(const QString& name);
QString appendedTo(const QString& name);

Problem endedInsideRecord(const QString& input, int records, const QString& doneWhat);
Problem oddLineCount(const QString& input, int records, const QString& doneWhat);
// One record of an import could not be appended (the file keeps the records before it).
Problem cannotWrite(const QString& name, const QString& reason, int records, const QString& doneWhat);
Problem nameTooShort(const QString& name);
Problem inputIsTarget(const QString& input, const QString& target);
Problem missingInputs(const QStringList& names);

// A name in quotes as messages show it.
QString quoted(const QString& name);

}  // namespace maintenance::files
