#include "Cp1252.h"
#include "FieldFile.h"
#include "TestSupport.h"

namespace {

class FieldFileTest : public WorkDirTest {
protected:
    // Reads the whole file as records of n items; `complete` tells whether the
    // file was read to its end without an end-of-file error.
    QList<FieldValues> readAll(const QByteArray& bytes, int n, bool* complete = nullptr) {
        writeFile("in.lex", bytes);
        FieldFile f;
        EXPECT_TRUE(f.openForReading("in.lex"));
        QList<FieldValues> records;
        bool ok = true;
        while (!f.atEnd()) {
            FieldValues rec;
            if (!f.readItems(n, rec)) {
                ok = false;
                EXPECT_EQ(f.status(), FieldFile::Status::EndOfFile);
                break;
            }
            records.append(rec);
        }
        if (complete) *complete = ok;
        return records;
    }
};

FieldValue T(const char* s) { return QString::fromUtf8(s); }
const FieldValue absent = std::nullopt;

struct ReaderCase {
    const char* name;
    QByteArray bytes;
    int n;
    QList<FieldValues> expected;
    bool complete;
};

TEST_F(FieldFileTest, ReaderRules) {
    const QList<ReaderCase> cases = {
        {"leading comma, term with inner comma",
         cp(",\"Maier, Hans\",\"Bauer\",\"Vo\",\"-\",\"sipp\"\r\n"), 6,
         {{absent, T("Maier, Hans"), T("Bauer"), T("Vo"), T("-"), T("sipp")}}, true},
        {"blanks around quoted and unquoted items",
         "  \"a\"  ,  b c  ,\"\"   \r\n", 3, {{T("a"), T("b c"), T("")}}, true},
        {"line break inside quotes", "\"x\",\"one\r\ntwo\"\r\n", 2, {{T("x"), T("one\r\ntwo")}}, true},
        {"absent last field", "\"a\",\r\n", 2, {{T("a"), absent}}, true},
        {"empty file", "", 6, {}, true},
        {"blank line at the end", "\"a\",\"b\"\r\n\r\n", 2, {{T("a"), T("b")}}, false},
        {"last record short", "\"a\",\"b\"\r\n\"c\"\r\n", 2, {{T("a"), T("b")}}, false},
        {"record of five followed by six shifts",
         "\"1\",\"2\",\"3\",\"4\",\"5\"\r\n\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n", 6,
         {{T("1"), T("2"), T("3"), T("4"), T("5"), T("a")}}, false},
        {"line end separates like a comma", "\"a\"\r\n\"b\"\r\n", 2, {{T("a"), T("b")}}, true},
        {"more items than n leave the rest", "\"a\",\"b\",\"c\",\"d\"\r\n", 2,
         {{T("a"), T("b")}, {T("c"), T("d")}}, true},
        {"lone CR ends an item", "\"a\"\r\"b\"\r", 2, {{T("a"), T("b")}}, true},
        {"lone LF ends an item", "\"a\"\n\"b\"\n", 2, {{T("a"), T("b")}}, true},
        {"bytes after closing quote skipped", "\"a\"xyz,\"b\"\r\n", 2, {{T("a"), T("b")}}, true},
        {"no line end at the end of file", "\"a\",\"b\"", 2, {{T("a"), T("b")}}, true},
        {"unclosed quote runs to the end", "\"a\",\"b,c", 2, {{T("a"), T("b,c")}}, true},
        {"blank line is one absent item", "\"a\"\r\n\r\n\"b\",\"c\"\r\n", 2,
         {{T("a"), absent}, {T("b"), T("c")}}, true},
        {"unquoted number stays text", "12, 3.5 \r\n", 2, {{T("12"), T("3.5")}}, true},
        {"umlauts are single bytes", cp("\"Rumänisch\",\"Öß\"\r\n"), 2, {{T("Rumänisch"), T("Öß")}}, true},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool complete = true;
        EXPECT_EQ(readAll(c.bytes, c.n, &complete), c.expected);
        EXPECT_EQ(complete, c.complete);
    }
}

TEST_F(FieldFileTest, WriterRulesAndRoundTrip) {
    const FieldValues rec{absent, T("Hanna, die Ältere"), T("Zeile 1\r\nZeile 2"), T("Ru"), T(""), absent};
    {
        FieldFile f;
        ASSERT_TRUE(f.openForWriting("out.lex"));
        ASSERT_TRUE(f.writeRecord(rec));
        ASSERT_TRUE(f.close());
    }
    EXPECT_EQ(readFile("out.lex"), cp(",\"Hanna, die Ältere\",\"Zeile 1\r\nZeile 2\",\"Ru\",\"\",\r\n"));
    EXPECT_EQ(readAll(readFile("out.lex"), 6), QList<FieldValues>{rec});
    EXPECT_EQ(cp("Rumänisch").size(), 9);

    // Appending keeps what is there; writing anew empties the file.
    FieldFile f;
    ASSERT_TRUE(f.openForAppend("out.lex"));
    ASSERT_TRUE(f.writeRecord({T("x")}));
    ASSERT_TRUE(f.close());
    EXPECT_TRUE(readFile("out.lex").endsWith("\r\n\"x\"\r\n"));
    ASSERT_TRUE(f.openForWriting("out.lex"));
    ASSERT_TRUE(f.close());
    EXPECT_EQ(readFile("out.lex"), QByteArray());
}

TEST_F(FieldFileTest, OpeningAndDeleting) {
    FieldFile f;
    EXPECT_FALSE(f.openForReading("fehlt.lex"));
    EXPECT_EQ(f.status(), FieldFile::Status::NotFound);
    EXPECT_FALSE(FieldFile::deleteFile("fehlt.lex"));
    ASSERT_TRUE(f.openForAppend("neu.lex"));  // created when missing
    ASSERT_TRUE(f.close());
    EXPECT_TRUE(exists("neu.lex"));
    EXPECT_TRUE(FieldFile::deleteFile("neu.lex"));
    EXPECT_FALSE(exists("neu.lex"));
}

TEST_F(FieldFileTest, ReadLineKeepsCommasAndQuotes) {
    writeFile("in.txt", "a,\"b\",c\r\n\r\nlast");
    FieldFile f;
    ASSERT_TRUE(f.openForReading("in.txt"));
    QStringList lines;
    QString line;
    while (!f.atEnd() && f.readLine(line)) lines.append(line);
    EXPECT_EQ(lines, (QStringList{"a,\"b\",c", "", "last"}));
}

TEST(Cp1252Test, LowerCaseAndCodePage) {
    const QString upper = QString::fromUtf8("ABCXYZÄÖÜÀÉÞŠŒŽŸ");
    QByteArray bytes = cp1252::encode(upper);
    for (char& c : bytes) c = char(cp1252::lower((unsigned char)c));
    EXPECT_EQ(cp1252::decode(bytes), upper.toLower());
    EXPECT_EQ(cp1252::decode("\x80\x9a"), QString::fromUtf8("€š"));
    EXPECT_TRUE(cp1252::canEncode(QString::fromUtf8("Straße €")));
    EXPECT_EQ(cp1252::unencodable(QString::fromUtf8("zmarł, ředitel, łąka")), QString::fromUtf8("łřą"));
}

}  // namespace
