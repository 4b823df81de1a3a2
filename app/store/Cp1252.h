#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// The 8-bit code page of every data file (Windows-1252).
namespace cp1252 {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

// True when every character of the text has a byte of its own in the code page,
// so that writing and reading it back gives the same text.
bool canEncode(QStringView text);

// The characters of the text that the code page cannot hold, each listed once.
QString unencodable(QStringView text);

// Replaces letters the code page lacks by the dictionary's spelling without
// them: the letter without its diacritic (ł→l, č→c, ř→r, ș→s, ą→a …), except
// Hungarian ő→ö and ű→ü, and đ→dj. Letters without any such form (Cyrillic,
// Greek …) stay as they are; canEncode() tells whether anything is left.
// `replaced` receives one "ł → l" pair per replaced letter.
QString transliterate(const QString& text, QStringList* replaced = nullptr);

// Lower-cases one byte of the code page (A-Z, À-Þ except ×, Š Œ Ž Ÿ), as
// QString::toLower does for the characters of the code page.
extern const unsigned char lowerTable[256];
inline unsigned char lower(unsigned char b) { return lowerTable[b]; }

}  // namespace cp1252
