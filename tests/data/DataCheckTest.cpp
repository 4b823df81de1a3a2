// Checks the lexicon files delivered in data/ with the program's own reader:
// every file reads to its end, codes belong to their file, the dictionaries
// are filled, keys and source abbreviations resolve, and the raw bytes are
// the field-file encoding the program expects (CR LF, every field quoted,
// nothing undefined in Windows-1252).
//
// Every failure names the file and the record (line number and term), so the
// author of the data can find the entry in the tables in data-src/.

#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "TestSupport.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QStringList>

namespace {

const QString kMoreKeySources = QStringLiteral("quel!");

struct Record {
    int line = 0;  // counted from 1; a record is one line in well-formed data
    FieldValues fields;
    QString term() const { return fields.size() > 1 ? textOf(fields[1]) : QString(); }
    QString field(int i) const { return i < fields.size() ? textOf(fields[i]) : QString(); }
};

struct Lexicon {
    QString name;
    int width = 6;
    QList<Record> records;
    QStringList problems;  // opening and reading problems
};

QString where(const QString& file, const Record& r) {
    return QStringLiteral("%1, record %2 \"%3\"").arg(file).arg(r.line).arg(r.term());
}

QString joined(const QStringList& problems) {
    const int shown = 40;
    QString text = problems.mid(0, shown).join(QLatin1Char('\n'));
    if (problems.size() > shown)
        text += QStringLiteral("\n... and %1 more").arg(problems.size() - shown);
    return text;
}

#define EXPECT_NO_PROBLEMS(list)                                              \
    do {                                                                      \
        const QStringList problems_ = (list);                                 \
        EXPECT_TRUE(problems_.isEmpty()) << problems_.size() << " problem(s):\n" \
                                         << joined(problems_).toStdString();  \
    } while (0)

QStringList allowedCodes(const QString& file) {
    if (file == "2la.lex") return {"La"};
    if (file == "2pe.lex") return {"Pe"};
    if (file == "2kr.lex") return {"Kr"};
    if (file == "2da.lex") return {"Da"};
    if (file == "2vo.lex") return {"Vo"};
    if (file == "2sp.lex") return {"Al", "Ts", "Po", "Un", "Ru", "It", "Se", "Sn", "La", ""};
    return {};
}

// Reads a whole file the way the program's searches do: test atEnd(), then
// read one record of `width` items, until the end.
Lexicon readLexicon(const QString& path, const QString& name, int width) {
    Lexicon lex;
    lex.name = name;
    lex.width = width;
    FieldFile f;
    if (!f.openForReading(path)) {
        lex.problems << QStringLiteral("%1: cannot be opened (%2)").arg(name, path);
        return lex;
    }
    int line = 0;
    while (!f.atEnd()) {
        Record r;
        r.line = ++line;
        if (!f.readItems(width, r.fields)) {
            QString after = lex.records.isEmpty() ? QStringLiteral("at its start")
                                                  : QStringLiteral("after ") + where(name, lex.records.last());
            lex.problems << QStringLiteral("%1: end of file inside record %2 (%3); a record needs %4 fields")
                                .arg(name).arg(line).arg(after).arg(width);
            break;
        }
        if (r.fields.size() != width) {
            lex.problems << QStringLiteral("%1: %2 fields instead of %3").arg(where(name, r)).arg(r.fields.size()).arg(width);
        }
        for (int i = 0; i < r.fields.size(); ++i) {
            if (textOf(r.fields[i]).contains(QLatin1Char('\r')) || textOf(r.fields[i]).contains(QLatin1Char('\n')))
                lex.problems << QStringLiteral("%1: field %2 holds a line break").arg(where(name, r)).arg(i + 1);
        }
        lex.records.append(r);
    }
    f.close();
    return lex;
}

// The bytes of a file, checked line by line: CR LF only, no byte that
// Windows-1252 leaves undefined, and every line exactly `width` quoted fields
// separated by commas (2*width double quotes, width-1 commas outside quotes,
// nothing else outside quotes). A double quote inside a field shows up here,
// since the reader cannot tell it from the end of the field.
QStringList checkRawBytes(const QString& name, const QByteArray& bytes, int width) {
    QStringList problems;
    if (bytes.isEmpty()) {
        problems << QStringLiteral("%1: the file is empty").arg(name);
        return problems;
    }
    if (!bytes.endsWith("\r\n"))
        problems << QStringLiteral("%1: the last line does not end with CR LF").arg(name);
    const QList<QByteArray> lines = bytes.split('\n');
    // split() leaves an empty piece after the final LF.
    const qsizetype count = bytes.endsWith('\n') ? lines.size() - 1 : lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        QByteArray line = lines[i];
        const bool lastWithoutLf = (i == lines.size() - 1);
        const QString at = QStringLiteral("%1, line %2").arg(name).arg(i + 1);
        if (!lastWithoutLf) {
            if (!line.endsWith('\r'))
                problems << at + QStringLiteral(": line ends with a lone LF instead of CR LF");
            else
                line.chop(1);
        }
        const QString shown = cp1252::decode(line.left(100));
        if (line.contains('\r'))
            problems << at + QStringLiteral(": lone CR inside the line: ") + shown;
        for (char c : line) {
            const auto b = static_cast<unsigned char>(c);
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
                problems << at + QStringLiteral(": byte 0x%1 is undefined in Windows-1252: ")
                                     .arg(QString::number(b, 16).toUpper()) + shown;
        }
        if (line.isEmpty()) {
            problems << at + QStringLiteral(": blank line");
            continue;
        }
        int quotes = 0, commas = 0, stray = 0;
        bool inside = false;
        for (char c : line) {
            if (c == '"') {
                ++quotes;
                inside = !inside;
            } else if (!inside) {
                if (c == ',') ++commas;
                else ++stray;
            }
        }
        if (quotes != 2 * width || commas != width - 1 || stray != 0 || line.front() != '"' || line.back() != '"')
            problems << at + QStringLiteral(": %1 double quotes, %2 separating commas, %3 other bytes outside quotes "
                                            "(expected %4 quotes and %5 commas; a double quote inside a field?): %6")
                                 .arg(quotes).arg(commas).arg(stray).arg(2 * width).arg(width - 1).arg(shown);
    }
    return problems;
}

QStringList checkCodes(const Lexicon& lex) {
    QStringList problems;
    const QStringList allowed = allowedCodes(lex.name);
    for (const Record& r : lex.records) {
        if (!allowed.contains(r.field(3)))
            problems << QStringLiteral("%1: code \"%2\" does not belong in %3 (allowed: %4)")
                            .arg(where(lex.name, r), r.field(3), lex.name, allowed.join(QLatin1Char(' ')));
    }
    return problems;
}

QStringList checkTerms(const Lexicon& lex) {
    QStringList problems;
    QMap<QPair<QString, QString>, int> first;
    for (const Record& r : lex.records) {
        if (r.term().trimmed().isEmpty())
            problems << where(lex.name, r) + QStringLiteral(": empty term");
        const QPair<QString, QString> id{r.term(), r.field(3)};
        if (first.contains(id))
            problems << QStringLiteral("%1: term with code \"%2\" stands already in record %3")
                            .arg(where(lex.name, r), r.field(3)).arg(first.value(id));
        else
            first.insert(id, r.line);
    }
    return problems;
}

QMap<QString, int> textLinesByKey(const Lexicon& te) {
    QMap<QString, int> lines;
    for (const Record& r : te.records) lines[textOf(r.fields.value(0))] += 1;
    return lines;
}

QStringList checkMoreKeys(const QList<Lexicon>& termFiles, const Lexicon& te) {
    QStringList problems;
    const QMap<QString, int> lines = textLinesByKey(te);
    for (const Lexicon& lex : termFiles) {
        for (const Record& r : lex.records) {
            const QString key = r.field(0);
            if (!key.isEmpty() && !lines.contains(key))
                problems << QStringLiteral("%1: more-info key \"%2\" has no line in %3").arg(where(lex.name, r), key, te.name);
        }
    }
    return problems;
}

// The abbreviations listed under "quel!": every line that begins with a word
// followed by blanks (the heading line has no blanks after its word).
QSet<QString> listedSources(const Lexicon& te) {
    QSet<QString> listed;
    for (const Record& r : te.records) {
        if (textOf(r.fields.value(0)) != kMoreKeySources) continue;
        const QString text = textOf(r.fields.value(1));
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        if (blank > 0) listed.insert(text.left(blank));
    }
    return listed;
}

QStringList checkSources(const QList<Lexicon>& termFiles, const Lexicon& te) {
    QStringList problems;
    const QSet<QString> listed = listedSources(te);
    if (listed.isEmpty()) problems << QStringLiteral("%1: no source abbreviation listed under \"%2\"").arg(te.name, kMoreKeySources);
    for (const Lexicon& lex : termFiles) {
        for (const Record& r : lex.records) {
            const QString source = r.field(5);
            if (source.isEmpty())
                problems << where(lex.name, r) + QStringLiteral(": no source abbreviation");
            else if (!listed.contains(source))
                problems << QStringLiteral("%1: source \"%2\" is not listed under \"%3\" in %4")
                                .arg(where(lex.name, r), source, kMoreKeySources, te.name);
        }
    }
    return problems;
}

// ---------------------------------------------------------------------------
// The delivered data

struct Data {
    QList<Lexicon> termFiles;
    Lexicon te;
    QMap<QString, QByteArray> bytes;
};

QString dataPath(const QString& name) { return QStringLiteral(SIPPORA_DATA_DIR "/") + name; }

const Data& data() {
    static const Data d = [] {
        Data all;
        for (const char* name : {"2sp.lex", "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex"})
            all.termFiles.append(readLexicon(dataPath(name), name, 6));
        all.te = readLexicon(dataPath("2te.lex"), "2te.lex", 2);
        for (const QString name : {"2sp.lex", "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex", "2te.lex"}) {
            QFile f(dataPath(name));
            if (f.open(QIODevice::ReadOnly)) all.bytes.insert(name, f.readAll());
        }
        return all;
    }();
    return d;
}

const Lexicon& termFile(const QString& name) {
    for (const Lexicon& lex : data().termFiles)
        if (lex.name == name) return lex;
    static const Lexicon none;
    return none;
}

QMap<QString, int> codeCounts(const Lexicon& lex) {
    QMap<QString, int> counts;
    for (const Record& r : lex.records) counts[r.field(3)] += 1;
    return counts;
}

TEST(DataCheck, EveryFileReadsToItsEnd) {
    QList<Lexicon> all = data().termFiles;
    all.append(data().te);
    for (const Lexicon& lex : all) {
        SCOPED_TRACE(lex.name.toStdString());
        EXPECT_NO_PROBLEMS(lex.problems);
        EXPECT_FALSE(lex.records.isEmpty()) << lex.name.toStdString() << " holds no record";
        // One record per line: the reader must find as many records as there are lines.
        const QByteArray bytes = data().bytes.value(lex.name);
        EXPECT_EQ(lex.records.size(), bytes.count("\r\n"))
            << lex.name.toStdString() << ": records and lines differ; a line with too few or too many fields";
    }
}

TEST(DataCheck, RawBytesAreTheFieldFileEncoding) {
    for (auto it = data().bytes.cbegin(); it != data().bytes.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_NO_PROBLEMS(checkRawBytes(it.key(), it.value(), it.key() == "2te.lex" ? 2 : 6));
    }
    EXPECT_EQ(data().bytes.size(), 7) << "not every lexicon file could be read from " SIPPORA_DATA_DIR;
}

TEST(DataCheck, CodesBelongToTheirFile) {
    for (const Lexicon& lex : data().termFiles) EXPECT_NO_PROBLEMS(checkCodes(lex));
}

TEST(DataCheck, TermsAreFilledAndUnique) {
    for (const Lexicon& lex : data().termFiles) EXPECT_NO_PROBLEMS(checkTerms(lex));
}

TEST(DataCheck, DictionariesHoldEnoughEntries) {
    struct Minimum {
        const char* file;
        const char* code;
        int least;
    };
    // The about text promises more than 18,000 terms and about a thousand in
    // each register language.
    const Minimum minima[] = {
        {"2la.lex", "La", 3500}, {"2kr.lex", "Kr", 1300}, {"2pe.lex", "Pe", 3500}, {"2da.lex", "Da", 1200},
        {"2vo.lex", "Vo", 2200}, {"2sp.lex", "Al", 1000}, {"2sp.lex", "Ts", 900},  {"2sp.lex", "Po", 900},
        {"2sp.lex", "Un", 900},  {"2sp.lex", "Ru", 900},  {"2sp.lex", "It", 900},  {"2sp.lex", "Se", 900},
        {"2sp.lex", "Sn", 900},
    };
    for (const Minimum& m : minima) {
        const int n = codeCounts(termFile(m.file)).value(m.code);
        EXPECT_GE(n, m.least) << m.file << ": only " << n << " entries with code " << m.code;
    }
    qsizetype total = 0;
    for (const Lexicon& lex : data().termFiles) total += lex.records.size();
    EXPECT_GE(total, 18000) << "the six term files hold only " << total << " entries";
}

TEST(DataCheck, PersonDesignationsStandInThePersonDictionaryOnly) {
    // "Alle Lexika" would list a term twice that stood both among the general
    // terms and the person designations. Words that are two words are kept in
    // both: Ohm, the liquid measure (general) and the uncle (person).
    const QSet<QString> homographs{"Ohm"};
    QSet<QString> persons;
    for (const Record& r : termFile("2pe.lex").records) persons.insert(r.term());
    QStringList twice;
    for (const Record& r : termFile("2sp.lex").records)
        if (r.field(3) == "Al" && persons.contains(r.term()) && !homographs.contains(r.term()))
            twice << where("2sp.lex", r);
    EXPECT_NO_PROBLEMS(twice);
}

TEST(DataCheck, MoreInfoKeysHaveTexts) {
    EXPECT_NO_PROBLEMS(checkMoreKeys(data().termFiles, data().te));
    QMap<QString, int> keys = textLinesByKey(data().te);
    keys.remove(kMoreKeySources);
    keys.remove(QString());
    EXPECT_GE(keys.size(), 15) << "2te.lex holds only " << keys.size()
                               << " keys besides \"quel!\": " << keys.keys().join(' ').toStdString();
}

TEST(DataCheck, GregorianCalendarHasMoreInformation) {
    const Lexicon& sp = termFile("2sp.lex");
    const auto it = std::find_if(sp.records.cbegin(), sp.records.cend(),
                                 [](const Record& r) { return r.term() == "Gregorianischer Kalender"; });
    ASSERT_NE(it, sp.records.cend()) << "2sp.lex has no entry \"Gregorianischer Kalender\"";
    EXPECT_FALSE(it->field(0).isEmpty()) << where("2sp.lex", *it).toStdString() << ": no more-info key";
    EXPECT_TRUE(textLinesByKey(data().te).contains(it->field(0)))
        << where("2sp.lex", *it).toStdString() << ": key \"" << it->field(0).toStdString() << "\" has no text";
}

TEST(DataCheck, SourcesAreListed) { EXPECT_NO_PROBLEMS(checkSources(data().termFiles, data().te)); }

// ---------------------------------------------------------------------------
// The checks themselves find what they are meant to find.

class DataCheckSelfTest : public WorkDirTest {
protected:
    Lexicon lexicon(const QString& name, const char* utf8, int width = 6) {
        writeFile(name, cp(utf8));
        return readLexicon(path(name), name, width);
    }
    static bool mentions(const QStringList& problems, const QString& a, const QString& b) {
        for (const QString& p : problems)
            if (p.contains(a) && p.contains(b)) return true;
        return false;
    }
};

TEST_F(DataCheckSelfTest, RawByteProblemsNameFileAndLine) {
    struct Case {
        const char* label;
        QByteArray bytes;
        const char* expected;  // in the problem for line 2
    };
    const QByteArray good = "\"\",\"Pate\",\"Taufzeuge\",\"Pe\",\"-\",\"sipp\"\r\n";
    const Case cases[] = {
        {"quote in field", good + "\"\",\"Pa\"te\",\"x\",\"Pe\",\"-\",\"sipp\"\r\n", "13 double quotes"},
        {"missing field", good + "\"\",\"Pate2\",\"Pe\",\"-\",\"sipp\"\r\n", "10 double quotes"},
        {"unquoted field", good + "\"\",Pate2,\"x\",\"Pe\",\"-\",\"sipp\"\r\n", "5 other bytes"},
        {"lone LF", good + "\"\",\"Pate2\",\"x\",\"Pe\",\"-\",\"sipp\"\n", "lone LF"},
        {"lone CR", good + "\"\",\"Pate2\r\",\"x\",\"Pe\",\"-\",\"sipp\"\r\n", "lone CR"},
        {"undefined byte", good + "\"\",\"Pate\x81\",\"x\",\"Pe\",\"-\",\"sipp\"\r\n", "0x81"},
        {"blank line", good + "\r\n", "blank line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const QStringList problems = checkRawBytes("2pe.lex", c.bytes, 6);
        EXPECT_TRUE(mentions(problems, "2pe.lex, line 2", c.expected)) << joined(problems).toStdString();
        EXPECT_FALSE(mentions(problems, "line 1", "")) << joined(problems).toStdString();
    }
    EXPECT_TRUE(checkRawBytes("2pe.lex", good, 6).isEmpty());
    EXPECT_TRUE(mentions(checkRawBytes("2pe.lex", good.chopped(2), 6), "2pe.lex", "does not end with CR LF"));
    EXPECT_TRUE(checkRawBytes("2te.lex", "\"quel!\",\"sipp   Eigene\"\r\n", 2).isEmpty());
}

TEST_F(DataCheckSelfTest, ShortLastRecordIsAnEndOfFileError) {
    const Lexicon lex = lexicon("2vo.lex",
                                "\"\",\"Anna\",\"Frauenname\",\"Vo\",\"-\",\"sipp\"\r\n"
                                "\"\",\"Berta\",\"Frauenname\",\"Vo\",\"-\"\r\n");
    ASSERT_EQ(lex.problems.size(), 1);
    EXPECT_TRUE(mentions(lex.problems, "2vo.lex: end of file inside record 2", "\"Anna\"")) << joined(lex.problems).toStdString();
}

TEST_F(DataCheckSelfTest, CodesTermsKeysAndSources) {
    const Lexicon sp = lexicon("2sp.lex",
                               "\"greg\",\"Kalender\",\"x\",\"Al\",\"-\",\"sipp\"\r\n"
                               "\"\",\"kmotr\",\"Pate\",\"Ts\",\"-\",\"sipp\"\r\n"
                               "\"\",\"kmotr\",\"Pate\",\"Ts\",\"-\",\"sipp\"\r\n"
                               "\"\",\"kmotr\",\"Pate\",\"Po\",\"-\",\"sipp\"\r\n"
                               "\"\",\"  \",\"leer\",\"Al\",\"-\",\"sipp\"\r\n"
                               "\"\",\"Pate\",\"x\",\"Pe\",\"-\",\"sipp\"\r\n"
                               "\"fehlt\",\"Quelle\",\"x\",\"Al\",\"-\",\"abc\"\r\n"
                               "\"\",\"Ohne\",\"x\",\"Al\",\"-\",\"\"\r\n");
    const Lexicon te = lexicon("2te.lex",
                               "\"quel!\",\"Quellenabkürzungen\"\r\n"
                               "\"quel!\",\"sipp   Eigene Zusammenstellung\"\r\n"
                               "\"greg\",\"Text\"\r\n",
                               2);
    ASSERT_TRUE(sp.problems.isEmpty() && te.problems.isEmpty());

    const QStringList codes = checkCodes(sp);
    EXPECT_EQ(codes.size(), 1);
    EXPECT_TRUE(mentions(codes, "2sp.lex, record 6 \"Pate\"", "code \"Pe\"")) << joined(codes).toStdString();

    const QStringList terms = checkTerms(sp);
    EXPECT_EQ(terms.size(), 2) << joined(terms).toStdString();
    EXPECT_TRUE(mentions(terms, "record 3 \"kmotr\"", "record 2")) << joined(terms).toStdString();
    EXPECT_TRUE(mentions(terms, "record 5", "empty term")) << joined(terms).toStdString();

    const QStringList keys = checkMoreKeys({sp}, te);
    EXPECT_EQ(keys.size(), 1);
    EXPECT_TRUE(mentions(keys, "record 7 \"Quelle\"", "\"fehlt\"")) << joined(keys).toStdString();

    EXPECT_EQ(listedSources(te), QSet<QString>{"sipp"});
    const QStringList sources = checkSources({sp}, te);
    EXPECT_EQ(sources.size(), 2) << joined(sources).toStdString();
    EXPECT_TRUE(mentions(sources, "record 7", "source \"abc\" is not listed")) << joined(sources).toStdString();
    EXPECT_TRUE(mentions(sources, "record 8", "no source")) << joined(sources).toStdString();
}

}  // namespace
