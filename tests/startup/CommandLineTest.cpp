#include "startup/CommandLine.h"
#include "TestSupport.h"

using startup::CommandLine;
using startup::parseCommandLine;

namespace {

const QString kStart = QStringLiteral("/home/anna/forschung");
const QString kHint = QStringLiteral("\n»sippora --help« zeigt alle Optionen.");

CommandLine parse(const QStringList& args) { return parseCommandLine(QStringList{"sippora"} + args, kStart); }

}  // namespace

TEST(CommandLineTest, RunsWithFolderAndDrives) {
    const CommandLine none = parse({});
    EXPECT_EQ(none.action, CommandLine::Action::Run);
    EXPECT_EQ(none.folder, "");
    EXPECT_EQ(none.error, "");

    // Relative folders count from where sippora was started, not from the
    // dictionary folder it works in afterwards.
    struct Case {
        QStringList args;
        QString folder;
    } cases[] = {
        {{"--ordner", "stick/lexika"}, kStart + "/stick/lexika"},
        {{"--ordner=../lexika/"}, "/home/anna/lexika"},
        {{"--ordner", "/media/anna/STICK/sippora"}, "/media/anna/STICK/sippora"},
    };
    for (const Case& c : cases) {
        const CommandLine r = parse(c.args);
        EXPECT_EQ(r.action, CommandLine::Action::Run) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.folder, c.folder);
    }

    const CommandLine d = parse({"--laufwerk", "e=/media/anna/STICK", "--laufwerk=F:=sicherung", "--laufwerk", "g=x=y"});
    ASSERT_EQ(d.action, CommandLine::Action::Run) << d.error.toStdString();
    EXPECT_EQ(d.drives.folderOf("e:"), "/media/anna/STICK");
    EXPECT_EQ(d.drives.folderOf("f:"), kStart + "/sicherung");
    EXPECT_EQ(d.drives.folderOf("G:"), kStart + "/x=y");
}

TEST(CommandLineTest, HelpAndVersion) {
    for (const QStringList& args : {QStringList{"--help"}, {"-h"}, {"--ordner", "x", "--help"}})
        EXPECT_EQ(parse(args).action, CommandLine::Action::ShowHelp) << args.join(' ').toStdString();
    for (const QStringList& args : {QStringList{"--version"}, {"-v"}})
        EXPECT_EQ(parse(args).action, CommandLine::Action::ShowVersion);
    EXPECT_TRUE(startup::versionText().startsWith("sippora 9.6\n"));
    for (const char* option : {"--ordner ORDNER", "--laufwerk X=ORDNER", "-h, --help", "-v, --version"})
        EXPECT_TRUE(startup::helpText().contains(QString::fromUtf8(option))) << option;
}

TEST(CommandLineTest, BadOptionsAreRefusedWithAGermanMessage) {
    struct Case {
        QStringList args;
        QString message;
    } cases[] = {
        {{"--ordnr", "x"}, "Unbekannte Option »--ordnr«."},
        {{"-x", "-y"}, "Unbekannte Optionen: »-x«, »-y«."},
        {{"--ordner"}, "Nach »--ordner« fehlt der Wert."},
        {{"--laufwerk"}, "Nach »--laufwerk« fehlt der Wert."},
        {{"--version=2"}, "»--version« nimmt keinen Wert an."},
        {{"lexika"}, "Unerwartetes Argument »lexika«."},
        {{"--ordner", "a", "--ordner", "b"}, "»--ordner« darf nur einmal angegeben werden."},
        {{"--ordner="}, "Nach »--ordner« fehlt der Ordner."},
    };
    for (const Case& c : cases) {
        const CommandLine r = parse(c.args);
        EXPECT_EQ(r.action, CommandLine::Action::Fail) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.error, c.message + kHint);
    }
    // A drive must be one letter and a folder.
    for (const char* value : {"e", "e=", "=/m", "ee=/m", "1=/m", "ä=/m", "e:/m"}) {
        const CommandLine r = parse({"--laufwerk", value});
        EXPECT_EQ(r.action, CommandLine::Action::Fail) << value;
        EXPECT_EQ(r.error, QString("»--laufwerk %1« ist keine gültige Angabe. Erwartet wird ein Laufwerksbuchstabe "
                                   "und ein Ordner, z. B. »--laufwerk e=/media/anna/STICK«.")
                                   .arg(QString::fromUtf8(value)) +
                               kHint);
    }
}
