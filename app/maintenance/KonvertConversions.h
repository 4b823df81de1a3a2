#pragma once

#include "maintenance/Outcome.h"

#include <QString>
#include <QStringList>

// The converters and checks of the window konvert. Each takes the file names
// as the window's text boxes hold them (relative to the working directory) and
// returns its outcome; the window only shows it.
//
// No converter writes anything when its input is missing or unreadable, when
// the output name cannot be formed, or when an output is the input itself.
namespace maintenance {

// The output name of a converter: the input name with `suffix` put before its
// last four characters ("liste.txt" -> "liste-korr.txt"). Empty when the name
// has fewer than four characters.
QString derivedName(const QString& input, const QString& suffix);

inline const QString kKorrSuffix = QStringLiteral("-korr");
inline const QString kSixColumnSuffix = QStringLiteral("-6sp");
inline const QString kCheckSuffix = QStringLiteral("-prüf");

struct Listing {
    QStringList lines;
    std::optional<Problem> problem;
};

// "Auflisten": the lines of a text file, unchanged, empty lines included.
Listing listLines(const QString& input);

// "line input": every line of the input as a one-field record in the "-korr" file.
Outcome lineInput(const QString& input);

// "2sp->6sp": two-field records (term, explanation) as lexicon records in the
// "-6sp" file; an explanation over 28 characters is cut in the explanation
// field and kept whole as further information. Status "Konvertierung fertig".
Outcome twoToSixColumns(const QString& input);

// "2sp-prüfen": the input read as two-field records and written again to the
// "-prüf" file; records out of step show there.
Outcome checkTwoColumns(const QString& input);

// "6sp-prüfen": the same with six-field records. Status "Datei in Ordnung".
Outcome checkSixColumns(const QString& input);

// "Datenimport": six-field records appended unchanged to the lexicon files
// chosen by their category code. Status "Alle Daten importiert".
Outcome importSixColumns(const QString& input);

// "text zu 2te.lex": every item of the input appended to `output` as a record
// of the call name and the item. An empty call name is refused with the
// message that asks for one.
Outcome textToMoreInfo(const QString& input, const QString& output, const QString& callName);

inline const QString kCallNameTitle = QStringLiteral("  N A M E N    E I N G E B E N  ");
inline const QString kCallNameText = QStringLiteral("in aufrufnamen eingeben");

}  // namespace maintenance
