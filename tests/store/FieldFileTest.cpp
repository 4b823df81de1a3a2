#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <functional>
#include <sys/stat.h>

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
    for (char& c : bytes) c = char(cp1252::lower(static_cast<unsigned char>(c)));
    EXPECT_EQ(cp1252::decode(bytes), upper.toLower());
    EXPECT_EQ(cp1252::decode("\x80\x9a"), QString::fromUtf8("€š"));
    EXPECT_TRUE(cp1252::canEncode(QString::fromUtf8("Straße €")));
    EXPECT_EQ(cp1252::unencodable(QString::fromUtf8("zmarł, ředitel, łąka")), QString::fromUtf8("łřą"));
}

// The reader rules written out plainly, one byte at a time: the model the
// program's reader (with its shortcut for records as the program writes
// them) must agree with on any bytes.
struct ModelItem {
    QByteArray text;
    bool quoted = false;
    bool operator==(const ModelItem&) const = default;
};

bool modelRecord(const QByteArray& d, qsizetype& p, int n, QList<ModelItem>& out) {
    const auto lineEnd = [&](qsizetype i) { return d[i] == '\r' || d[i] == '\n'; };
    const auto stepOver = [&](qsizetype i) {
        if (i >= d.size()) return d.size();
        if (d[i] == '\r' && i + 1 < d.size() && d[i + 1] == '\n') return i + 2;
        return i + 1;
    };
    out.clear();
    for (int k = 0; k < n; ++k) {
        while (p < d.size() && d[p] == ' ') ++p;
        if (p >= d.size()) return false;
        ModelItem item;
        qsizetype q = p;
        if (d[p] == '"') {
            item.quoted = true;
            for (q = p + 1; q < d.size() && d[q] != '"'; ++q) item.text += d[q];
            if (q < d.size()) ++q;
            while (q < d.size() && d[q] != ',' && !lineEnd(q)) ++q;
        } else {
            while (q < d.size() && d[q] != ',' && !lineEnd(q)) item.text += d[q++];
            while (item.text.endsWith(' ')) item.text.chop(1);
        }
        out.append(item);
        p = stepOver(q);
    }
    return true;
}

TEST_F(FieldFileTest, ReaderAgreesWithThePlainRulesOnRandomBytes) {
    // Mostly well-formed records (the reader's shortcut), with every kind of
    // damage mixed in: quotes, blanks, lone CR and LF, short lines, long items.
    const QByteArray alphabet = QByteArray("\",, \r\naZ\xe4") + QByteArray(1, '\0');
    std::uint64_t state = 20261207;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return unsigned(state >> 33);
    };
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        const int records = int(next() % 6);
        for (int r = 0; r < records; ++r) {
            for (int i = 0; i < 6; ++i) {
                if (i) bytes += ',';
                bytes += '"' + QByteArray(int(next() % 40), 'x') + '"';
            }
            bytes += "\r\n";
        }
        for (int k = int(next() % 8); k > 0; --k)
            bytes.insert(bytes.isEmpty() ? 0 : int(next() % bytes.size()), alphabet[int(next() % alphabet.size())]);
        writeFile("in.lex", bytes);
        FieldFile f;
        ASSERT_TRUE(f.openForReading("in.lex"));
        qsizetype p = 0;
        for (int rec = 0; !f.atEnd(); ++rec) {
            SCOPED_TRACE(QStringLiteral("round %1, record %2: %3").arg(round).arg(rec).arg(QString::fromLatin1(bytes.toPercentEncoding())).toStdString());
            FieldFile::RawItem raw[6];
            QList<ModelItem> expected;
            const bool modelOk = modelRecord(bytes, p, 6, expected);
            const bool ok = f.readRawItems(6, raw);
            ASSERT_EQ(ok, modelOk);
            if (!ok) break;
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(raw[i].bytes().toByteArray(), expected[i].text) << "item " << i;
                EXPECT_EQ(raw[i].quoted, expected[i].quoted) << "item " << i;
            }
            ASSERT_EQ(f.atEnd(), p >= bytes.size());
        }
    }
}

TEST_F(FieldFileTest, OnlyRegularFilesOfADictionarysSizeAreRead) {
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        FieldFile::Status status;
        const char* reason;
    };
    const Case cases[] = {
        {"pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
         FieldFile::Status::NotRegular, "keine gewöhnliche Datei"},
        {"device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); },
         FieldFile::Status::NotRegular, "keine gewöhnliche Datei"},
        {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }, FieldFile::Status::NotRegular,
         "keine gewöhnliche Datei"},
        {"huge (sparse)", [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             ASSERT_TRUE(f.resize(FieldFile::kMaxFileBytes + 1));
         }, FieldFile::Status::TooLarge, "zu groß"},
        {"looping link", [](const QString& p) { ASSERT_TRUE(QFile::link(QFileInfo(p).fileName(), p)); },
         FieldFile::Status::CannotOpen, "Verweis"},
        {"dangling link", [](const QString& p) { ASSERT_TRUE(QFile::link("nirgends.lex", p)); },
         FieldFile::Status::NotFound, "nicht gefunden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QStringLiteral("%1.lex").arg(QString::fromLatin1(c.name).remove(' '));
        c.make(path(name));
        FieldFile f;
        EXPECT_FALSE(f.openForReading(name));
        EXPECT_EQ(f.status(), c.status);
        EXPECT_TRUE(f.reason().contains(QString::fromUtf8(c.reason))) << f.reason().toStdString();
    }
}

TEST_F(FieldFileTest, ARecordBeyondAnyRealEntryMarksTheFileDamaged) {
    const QByteArray good = "\"\",\"Pate\",\"x\",\"Pe\",\"-\",\"Q\"\r\n";
    writeFile("big.lex", good + "\"\",\"" + QByteArray(FieldFile::kMaxRecordBytes + 10, 'a') + "\",\"x\",\"Pe\",\"-\",\"Q\"\r\n" + good);
    FieldFile f;
    ASSERT_TRUE(f.openForReading("big.lex"));
    FieldValues rec;
    ASSERT_TRUE(f.readItems(6, rec));
    EXPECT_FALSE(f.readItems(6, rec));
    EXPECT_EQ(f.status(), FieldFile::Status::RecordTooLarge);
    EXPECT_TRUE(f.reason().contains("beschädigt"));
    EXPECT_TRUE(f.atEnd());
}

TEST_F(FieldFileTest, AByteOrderMarkIsNoPartOfTheFirstItem) {
    bool complete = false;
    const QList<FieldValues> records =
        readAll("\xEF\xBB\xBF\"\",\"Pate\",\"x\",\"Pe\",\"-\",\"Q\"\r\n", 6, &complete);
    ASSERT_TRUE(complete);
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0][0], T(""));
    EXPECT_EQ(records[0][1], T("Pate"));
}

TEST_F(FieldFileTest, AFailedWriteLeavesTheFileAsItWas) {
    const QByteArray old = "\"alt\"\r\n";
    const FieldValues big{QString(8000, 'x')};
    // Written anew: the old file stays until the new one is whole.
    writeFile("neu.txt", old);
    {
        FileSizeLimit limit(4096);
        FieldFile f;
        ASSERT_TRUE(f.openForWriting("neu.txt"));
        f.writeRecord(big);
        EXPECT_FALSE(f.close());
        EXPECT_TRUE(f.restored());
        EXPECT_TRUE(f.reason().contains("Dateigröße")) << f.reason().toStdString();
    }
    EXPECT_EQ(readFile("neu.txt"), old);
    EXPECT_EQ(QDir(path(".")).entryList(QDir::Files), QStringList{"neu.txt"}) << "a temporary file was left";
    // Appended to: cut back to its size before.
    writeFile("log.txt", old);
    {
        FileSizeLimit limit(4096);
        FieldFile f;
        ASSERT_TRUE(f.openForAppend("log.txt"));
        f.writeRecord({QStringLiteral("kurz")});
        f.writeRecord(big);
        EXPECT_FALSE(f.close());
        EXPECT_TRUE(f.restored());
    }
    EXPECT_EQ(readFile("log.txt"), old);
}

}  // namespace
