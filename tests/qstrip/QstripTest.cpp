#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray console;
};

QString qstripBinary() {
    const QString fromEnvironment = qEnvironmentVariable("QSTRIP_BINARY");
    return fromEnvironment.isEmpty() ? QStringLiteral(QSTRIP_BUILT_AT) : fromEnvironment;
}

// The locale variables that decide how the console gets its "ö".
struct Locale {
    const char* lcAll = nullptr;
    const char* lcCtype = nullptr;
    const char* lang = "C";
};

Outcome runQstrip(const QStringList& args, Locale locale = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.remove("LC_CTYPE");
    env.remove("LANG");
    if (locale.lcAll) env.insert("LC_ALL", locale.lcAll);
    if (locale.lcCtype) env.insert("LC_CTYPE", locale.lcCtype);
    if (locale.lang) env.insert("LANG", locale.lang);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QDir::currentPath());
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(qstripBinary(), args);
    if (!p.waitForFinished(60000)) return {};
    Outcome r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.console = p.readAllStandardOutput();
    return r;
}

// The text-mode copy told byte by byte, as a check on the buffered one.
QByteArray reference(const QByteArray& in, unsigned char strip) {
    QByteArray delivered;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\x1a') break;
        if (c == '\r' && i + 1 < in.size() && in[i + 1] == '\n') continue;
        delivered += c;
    }
    QByteArray out;
    for (char c : delivered) {
        if (static_cast<unsigned char>(c) == strip) continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

const QByteArray kMissingInput = "Datei konnte nicht ge\xf6" "ffnet werden\r\n";
const QByteArray kMissingInputUtf8 = "Datei konnte nicht ge\xc3\xb6" "ffnet werden\r\n";

}  // namespace

class QstripTest : public WorkDirTest {
protected:
    void SetUp() override {
        WorkDirTest::SetUp();
        ASSERT_FALSE(qstripBinary().isEmpty()) << "QSTRIP_BINARY is not set";
        ASSERT_TRUE(QFile::exists(qstripBinary())) << qstripBinary().toStdString();
    }
};

TEST_F(QstripTest, CopiesInTextModeWithoutTheStripByte) {
    struct Case {
        const char* code;
        QByteArray in;
        QByteArray out;
    };
    const Case cases[] = {
        {"34", "\"alt\",\"old\"\r\n", "alt,old\r\n"},
        {"34", "", ""},
        {"34", "kein Zeilenende", "kein Zeilenende"},
        {"34", "a\nb\n", "a\r\nb\r\n"},                      // bare LF becomes CR LF
        {"34", "a\rb\r", "a\rb\r"},                          // a lone CR stays
        {"34", "\"a\"\r\nb\x1a\"c\"\r\n", "a\r\nb"},         // Ctrl-Z ends the input
        {"34", "\x1a" "abc", ""},
        {"34", "\"\r\x1a", "\r"},                            // CR before Ctrl-Z is a lone CR
        {"10", "a\r\nb\nc\rd\r\n", "abc\rd"},                // no LF left, lone CR kept
        {"13", "a\r\nb\rc\r\r\n", "a\r\nbc\r\n"},           // only CRs outside CR LF pairs
        {"26", "a\"b\x1a" "c", "a\"b"},                      // changes nothing: input ends there
        {"290", "\"q\"", "q"},                               // low 8 bits: 290 = 256 + 34
        {"-1", QByteArray("a\xff" "b\xfe", 4), QByteArray("ab\xfe", 3)},
        {"255", QByteArray("\xff\xff" "x", 3), "x"},
        {"042", "*a\"*", "a\""},                             // decimal 42 on the command line
        {" +42", "*x*", "x"},
        {"keine", QByteArray("a\0b", 3), "ab"},              // no digits: strips the byte 0
        {"65x", "AaA", "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " / " + c.in.toHex().toStdString());
        writeFile("in.txt", c.in);
        const Outcome r = runQstrip({c.code, "in.txt", "out.txt"});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.console, QByteArray());
        EXPECT_EQ(readFile("out.txt"), c.out);
        EXPECT_EQ(readFile("in.txt"), c.in);
    }
}

// Line ends and the strip byte falling on the border between two read chunks.
TEST_F(QstripTest, LineEndsAcrossBufferBordersAndALargeRandomFile) {
    const qsizetype chunk = qsizetype(1) << 20;
    QByteArray big;
    for (const char* tail : {"\r\n", "\rb", "\r"}) {
        for (const char* code : {"34", "13", "10"}) {
            big = QByteArray(chunk - 1, 'a') + tail + "\"z\"";
            SCOPED_TRACE(std::string(code) + " " + QByteArray(tail).toHex().toStdString());
            writeFile("in.txt", big);
            ASSERT_EQ(runQstrip({code, "in.txt", "out.txt"}).exitCode, 0);
            EXPECT_TRUE(readFile("out.txt") == reference(big, static_cast<unsigned char>(atoi(code))));
        }
    }
    // Several chunks of random bytes: line ends, quotes and CRs close together,
    // then far apart (the copy takes runs without any of them in one go).
    QRandomGenerator rng(4711);
    const char alphabet[] = {'\r', '\n', '"', 'x', '\r', '\xf6'};
    for (int spread : {6, 40}) {
        QByteArray mixed(5 * chunk + 123, Qt::Uninitialized);
        for (char& c : mixed) {
            const int k = int(rng.bounded(spread));
            c = k < 6 ? alphabet[k] : char('a' + k % 26);
        }
        writeFile("in.txt", mixed);
        for (int code : {34, 13, 10, 120}) {
            ASSERT_EQ(runQstrip({QString::number(code), "in.txt", "out.txt"}).exitCode, 0);
            EXPECT_TRUE(readFile("out.txt") == reference(mixed, static_cast<unsigned char>(code)))
                << code << " " << spread;
        }
    }
}

TEST_F(QstripTest, WrongNumberOfArguments) {
    writeFile("in.txt", "\"a\"");
    const QList<QStringList> calls = {
        {"34"}, {"34", "in.txt"}, {"34", "in.txt", "out.txt", "x"}, {"34", "in.txt", "out.txt", "x", "y"}};
    for (const QStringList& args : calls) {
        const Outcome r = runQstrip(args);
        EXPECT_EQ(r.exitCode, 3) << args.join(' ').toStdString();
        EXPECT_EQ(r.console, QByteArray("Falsche Zahl der Parameter\r\n"));
        EXPECT_FALSE(exists("out.txt"));
        EXPECT_FALSE(exists("x"));
    }
}

TEST_F(QstripTest, NoArgumentsAndNoParamFile) {
    const Outcome r = runQstrip({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.console, QByteArray("Parameterdatei nicht gefunden!"));
    EXPECT_FALSE(exists("param.txt"));
    EXPECT_TRUE(QDir(QDir::currentPath()).entryList(QDir::Files).isEmpty());
}

TEST_F(QstripTest, MissingInputLeavesTheOutputAloneAndCreatesNoInput) {
    // The output of an earlier run, with bytes that any rewrite would change.
    const QByteArray yesterday = "Pate;Taufzeuge;Pe;;abc\r\n\"\x1a\xe4\r";
    writeFile("2da.tvx", yesterday);
    Outcome r = runQstrip({"34", "outda", "2da.tvx"});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(r.console, kMissingInput);
    EXPECT_EQ(readFile("2da.tvx"), yesterday);
    EXPECT_FALSE(exists("outda"));

    // No new output either, and a folder in place of the input counts as missing.
    r = runQstrip({"34", "fehlt.txt", "neu.txt"});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_FALSE(exists("neu.txt"));
    ASSERT_TRUE(QDir().mkdir("ordner"));
    r = runQstrip({"34", "ordner", "2da.tvx"});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(r.console, kMissingInput);
    EXPECT_EQ(readFile("2da.tvx"), yesterday);

    // Through param.txt the same.
    writeFile("param.txt", "34 outda 2da.tvx\r\n");
    r = runQstrip({});
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(readFile("2da.tvx"), yesterday);
}

TEST_F(QstripTest, TheUmlautFollowsTheConsoleLocale) {
    struct Case {
        Locale locale;
        QByteArray expected;
    };
    const Case cases[] = {
        {{nullptr, nullptr, "de_DE.UTF-8"}, kMissingInputUtf8},
        {{nullptr, nullptr, "C.utf8"}, kMissingInputUtf8},
        {{nullptr, nullptr, "de_DE.ISO-8859-1"}, kMissingInput},
        {{nullptr, nullptr, nullptr}, kMissingInput},
        {{"C", nullptr, "de_DE.UTF-8"}, kMissingInput},        // LC_ALL wins
        {{nullptr, "de_DE.UTF-8", "C"}, kMissingInputUtf8},    // LC_CTYPE before LANG
        {{"", "C", "de_DE.UTF-8"}, kMissingInput},             // an empty variable counts as unset
    };
    for (const Case& c : cases) {
        const Outcome r = runQstrip({"34", "fehlt.txt", "out.txt"}, c.locale);
        EXPECT_EQ(r.exitCode, 4);
        EXPECT_EQ(r.console, c.expected) << (c.locale.lang ? c.locale.lang : "-");
    }
}

TEST_F(QstripTest, ParamFileGivesTheThreeValues) {
    struct Case {
        QByteArray param;
        QByteArray out;
    };
    const QByteArray in = "\"a*b\"\r\n";
    const Case cases[] = {
        {"34\r\nin.txt\r\nout.txt\r\n", "a*b\r\n"},
        {"34 in.txt out.txt", "a*b\r\n"},
        {"  \t34\n\n in.txt\tout.txt   weiteres wird ignoriert\n", "a*b\r\n"},
        {"042\nin.txt\nout.txt\n", "a*b\r\n"},      // octal
        {"0x22\nin.txt\nout.txt\n", "a*b\r\n"},     // hexadecimal
        {"0X2a\nin.txt\nout.txt\n", "\"ab\"\r\n"},
        {"42\nin.txt\nout.txt\n", "\"ab\"\r\n"},    // decimal
        {"-0336\nin.txt\nout.txt\n", "a*b\r\n"},    // -222 = 34 in the low 8 bits
        {"34 in.txt out.txt\x1a trailing", "a*b\r\n"},
        {"+00000000000042 in.txt out.txt", "a*b\r\n"},  // 15 characters: still a number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.param.toStdString());
        writeFile("in.txt", in);
        writeFile("param.txt", c.param);
        QFile::remove(path("out.txt"));
        const Outcome r = runQstrip({});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.console, QByteArray());
        EXPECT_EQ(readFile("out.txt"), c.out);
    }
}

TEST_F(QstripTest, FaultyParamFileIsRefusedBeforeAnythingIsWritten) {
    const QByteArray name63(63, 'n');
    const QByteArray name64(64, 'n');
    struct Case {
        QByteArray param;
        QByteArray message;
    };
    const QByteArray tooFew = "Parameterdatei unvollst\xe4ndig: Zeichencode, Eingabe- und Ausgabedatei erwartet\r\n";
    const QByteArray notANumber = "Parameterdatei fehlerhaft: der Zeichencode ist keine Zahl\r\n";
    const QByteArray tooLong = "Parameterdatei fehlerhaft: Dateiname l\xe4nger als 63 Zeichen\r\n";
    const QByteArray codeTooLong = "Parameterdatei fehlerhaft: Zeichencode l\xe4nger als 15 Zeichen\r\n";
    const Case cases[] = {
        {"", tooFew},
        {"  \r\n", tooFew},
        {"34\n", tooFew},
        {"34 in.txt\n", tooFew},
        {"34 in.txt\x1a out.txt\n", tooFew},       // Ctrl-Z ends the parameter file too
        {"in.txt out.txt 34\n", notANumber},
        {"- in.txt out.txt\n", notANumber},
        {"0xg in.txt out.txt\n", notANumber},
        {"34in.txt out.txt in.txt\n", notANumber},         // would make "in.txt" the input
        {"0000000000000042 out.txt in.txt\n", codeTooLong},  // the 16th character would be a name
        {"34 in.txt " + name64 + "\n", tooLong},
        {"34 " + name64 + " out.txt\n", tooLong},
    };
    writeFile("in.txt", "\"a\"");
    writeFile("out.txt", "bleibt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.param.toStdString());
        writeFile("param.txt", c.param);
        const Outcome r = runQstrip({});
        EXPECT_EQ(r.exitCode, 5);
        EXPECT_EQ(r.console, c.message);
        EXPECT_EQ(readFile("out.txt"), QByteArray("bleibt"));
        EXPECT_EQ(QDir(QDir::currentPath()).entryList(QDir::Files).size(), 3);
    }
    // 63 characters are still a name.
    writeFile("param.txt", "34 in.txt " + name63);
    EXPECT_EQ(runQstrip({}).exitCode, 0);
    EXPECT_EQ(readFile(QString::fromLatin1(name63)), QByteArray("a"));
}

TEST_F(QstripTest, SameFileAsInputAndOutputIsRefused) {
    const QByteArray content = "\"bleibt\"\r\n";
    writeFile("in.txt", content);
    ASSERT_TRUE(QDir().mkdir("sub"));
    std::filesystem::create_hard_link("in.txt", "hart.txt");
    std::filesystem::create_symlink("in.txt", "verweis.txt");
    const QList<QStringList> calls = {
        {"34", "in.txt", "in.txt"},      {"34", "in.txt", "./in.txt"}, {"34", "in.txt", "sub/../in.txt"},
        {"34", "in.txt", path("in.txt")}, {"34", "hart.txt", "in.txt"}, {"34", "in.txt", "verweis.txt"},
    };
    for (const QStringList& args : calls) {
        const Outcome r = runQstrip(args);
        EXPECT_EQ(r.exitCode, 6) << args.join(' ').toStdString();
        EXPECT_EQ(r.console, QByteArray("Eingabe- und Ausgabedatei sind dieselbe Datei\r\n"));
        EXPECT_EQ(readFile("in.txt"), content);
    }
    writeFile("param.txt", "34 in.txt ./in.txt");
    EXPECT_EQ(runQstrip({}).exitCode, 6);
    EXPECT_EQ(readFile("in.txt"), content);
}

TEST_F(QstripTest, OutputThatCannotBeWrittenAndReadErrorsAreFailures) {
    writeFile("in.txt", "\"a\"\r\n");
    const QByteArray cannotWrite = "Ausgabedatei konnte nicht geschrieben werden\r\n";

    Outcome r = runQstrip({"34", "in.txt", "kein/ordner/out.txt"});
    EXPECT_EQ(r.exitCode, 7);
    EXPECT_EQ(r.console, cannotWrite);

    ASSERT_TRUE(QDir().mkdir("ordner"));
    r = runQstrip({"34", "in.txt", "ordner"});
    EXPECT_EQ(r.exitCode, 7);

    if (QFile::exists("/dev/full")) {  // opens, but every write fails: disk full
        r = runQstrip({"34", "in.txt", "/dev/full"});
        EXPECT_EQ(r.exitCode, 7);
        EXPECT_EQ(r.console, cannotWrite);
    }

    // Under a file-size limit the copy fails like on a full disk; the child
    // starts with the limit and with the signal at its default, which would
    // end it without a word if qstrip did not set it aside itself.
    writeFile("gross.txt", QByteArray(20000, 'x'));
    QProcess limited;
    limited.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit small{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &small);
    });
    limited.start(qstripBinary(), {"34", "gross.txt", "klein.txt"});
    ASSERT_TRUE(limited.waitForFinished(60000));
    EXPECT_EQ(limited.exitStatus(), QProcess::NormalExit) << "qstrip was killed by the limit";
    EXPECT_EQ(limited.exitCode(), 7);
    EXPECT_EQ(limited.readAllStandardOutput(), cannotWrite);

    // A file that opens but fails at the first read: the process's own memory
    // file, whose first page is never mapped.
    if (QFile::exists("/proc/self/mem")) {
        r = runQstrip({"34", "/proc/self/mem", "out.txt"});
        EXPECT_EQ(r.exitCode, 8);
        EXPECT_EQ(r.console, QByteArray("Fehler beim Lesen der Eingabedatei\r\n"));
    }
}
