#pragma once

#include <QString>
#include <QStringList>

// The files of the dictionary folder and the field counts of their records.
// The categories and which file holds each: Categories.h.
namespace lexicon {

constexpr int kRecordFields = 6;      // more-info key, term, explanation, code, further info, source
constexpr int kMoreInfoFields = 2;    // 2te.lex: key, text line
constexpr int kResultFields = 7;      // the ResultFile

inline const QString kResultFile = QStringLiteral("ergebdat2.txt");
inline const QString kMoreInfoLexicon = QStringLiteral("2te.lex");
inline const QString kMoreInfoTemp = QStringLiteral("mehrinfo.txt");
inline const QString kAdditionsLog = QStringLiteral("lexerg2.txt");


}  // namespace lexicon
