#pragma once

#include <QByteArrayView>
#include <QString>

// The fixed-width line of the result list and the column headings above it.
namespace listline {

// Characters of a whole list line: term 30, explanation 31, indicator 8,
// category 13, source 4.
constexpr int kLineLength = 86;
// Where each column begins (from 0): term, explanation, indicator, category
// label, the first four characters of the source.
constexpr int kColumnStarts[] = {0, 30, 61, 69, 82};

QString build(const QString& term, const QString& explanation, const QString& indicator,
              const QString& categoryCode, const QString& source);
// The same line from the items' bytes as the files hold them (Windows-1252,
// one byte a character), decoded once as a whole: what the search lists.
QString buildFromBytes(QByteArrayView term, QByteArrayView explanation, QByteArrayView indicator,
                       QByteArrayView categoryCode, QByteArrayView source);

QString headings();

}  // namespace listline
