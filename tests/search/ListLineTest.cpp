#include "store/Cp1252.h"
#include "search/ListLine.h"

#include <gtest/gtest.h>

namespace {

// Columns: term 1-30, explanation 31-61, indicator 62-69, label 70-82, source 83-86.
TEST(ListLine, ColumnsCutAndPaddedAsDesigned) {
    struct Case {
        const char* name;
        QString term, explanation, indicator, code, source;
        qsizetype from, length;  // the part of the line compared
        QString expected;
    };
    const Case cases[] = {
        {"term of 25 shown whole", QString(25, 'a'), "x", "ja", "Pe", "q", 0, 30, QString(25, 'a') + "     "},
        {"term of 26 cut to 24", QString(26, 'b'), "x", "ja", "Pe", "q", 0, 30, QString(24, 'b') + "      "},
        {"explanation of 31 whole", "t", QString(31, 'e'), "ja", "Pe", "q", 30, 31, QString(31, 'e')},
        {"explanation of 32 cut to 28", "t", QString(32, 'e'), "ja", "Pe", "q", 30, 31, QString(28, 'e') + "   "},
        {"indicator padded", "t", "e", "mehr", "Se", "abcdef", 61, 8, "mehr    "},
        {"longest label fills its column", "t", "e", "mehr", "Se", "abcdef", 69, 13, "Sebokroatisch"},
        {"four letters of the source", "t", "e", "mehr", "Se", "abcdef", 82, -1, "abcd"},
        {"unknown code shown as it is", "t", "e", "ja", "Xy", "", 69, -1, "Xy" + QString(11, ' ')},
        {"empty code", "t", "e", "ja", "", "q", 69, 13, "unbekannt    "},
        {"code longer than its column", "t", "e", "ja", QString(20, 'C'), "q", 69, -1, QString(13, 'C') + "q"},
        {"line breaks shown as blanks", "a\r\nb", "c\nd", "ja", "Al", "s\rt", 0, 5, "a  b "},
        {"line breaks in the source", "t", "e", "ja", "Al", "s\rt", 82, -1, "s t"},
        {"umlauts count as one character", QString::fromUtf8("Ährenleser"), "x", "ja", "Ru", "q", 69, 13,
         QString::fromUtf8("Rumänisch    ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString line = listline::build(c.term, c.explanation, c.indicator, c.code, c.source);
        EXPECT_EQ(line.mid(c.from, c.length), c.expected);
        // The same line from the items' bytes as the files hold them.
        EXPECT_EQ(listline::buildFromBytes(cp1252::encode(c.term), cp1252::encode(c.explanation),
                                           cp1252::encode(c.indicator), cp1252::encode(c.code),
                                           cp1252::encode(c.source)),
                  line);
    }
    EXPECT_EQ(listline::build("t", "e", "mehr", "Se", "abcdef").size(), listline::kLineLength);
}

TEST(ListLine, Headings) {
    EXPECT_EQ(listline::headings(), "Suchbegriff" + QString(52, ' ') + "Erklärung" + QString(50, ' ') +
                                        "Weitere Info" + QString(6, ' ') + "Teilbereich" + QString(15, ' ') + "Quelle");
}

}  // namespace
