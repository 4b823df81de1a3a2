#pragma once

#include <QByteArrayView>
#include <QString>

// The fixed-width line of the result list and the column headings above it.
namespace listline {

// Characters of a whole list line: term 30, explanation 31, indicator 8,
// category 13, source 4.
constexpr int kLineLength = 86;

// Columns 1-30 term, 31-61 explanation, 62-69 indicator, 70-82 category
// label, 83-86 the first four characters of the source.
QString build(const QString& term, const QString& explanation, const QString& indicator,
              const QString& categoryCode, const QString& source);
// The same line from the items' bytes as the files hold them (Windows-1252,
// one byte a character), decoded once as a whole: what the search lists.
QString buildFromBytes(QByteArrayView term, QByteArrayView explanation, QByteArrayView indicator,
                       QByteArrayView categoryCode, QByteArrayView source);

// The term and explanation as the list shows them: cut and padded to their columns.
QString termColumn(const QString& term);
QString explanationColumn(const QString& explanation);

QString headings();

}  // namespace listline
