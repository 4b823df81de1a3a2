#pragma once

#include <QString>
#include <QStringList>

// The lexicon files and the category codes that tie entries to them.
namespace lexicon {

constexpr int kRecordFields = 6;      // more-info key, term, explanation, code, further info, source
constexpr int kMoreInfoFields = 2;    // 2te.lex: key, text line
constexpr int kResultFields = 7;      // the ResultFile

inline const QString kResultFile = QStringLiteral("ergebdat2.txt");
inline const QString kMoreInfoLexicon = QStringLiteral("2te.lex");
inline const QString kMoreInfoTemp = QStringLiteral("mehrinfo.txt");
inline const QString kAdditionsLog = QStringLiteral("lexerg2.txt");

// The six term dictionaries in the order in which "Alle Lexika" reads them.
QStringList allTermFiles();

// The label shown in the result list's "Teilbereich" column: the table's label,
// "unbekannt" for the empty code, any other code unchanged.
QString categoryLabel(const QString& code);

// The lexicon file an imported record goes to, chosen by its code (case matters).
QString importTarget(const QString& code);

}  // namespace lexicon
