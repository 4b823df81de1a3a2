#include "startup/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

namespace startup {

namespace {

const QString kFolderOption = QStringLiteral("ordner");
const QString kDriveOption = QStringLiteral("laufwerk");
const QString kHint = QStringLiteral("»sippora --help« zeigt alle Optionen.");

// The parser's error in German. A misused option comes as Qt's English
// source text (no translation is loaded before the application exists);
// unknown options are named by the parser without their dashes.
QString germanParserError(const QCommandLineParser& parser) {
    struct Wording {
        const char* english;
        const char* german;
    };
    static const Wording wordings[] = {
        {"Missing value after '%1'.", "Nach »%1« fehlt der Wert."},
        {"Unexpected value after '%1'.", "»%1« nimmt keinen Wert an."},
    };
    const QString english = parser.errorText();
    for (const Wording& w : wordings) {
        const QStringList around = QString::fromLatin1(w.english).split(QStringLiteral("%1"));
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(around[0]) + QStringLiteral("(.*)") + QRegularExpression::escape(around[1])));
        const QRegularExpressionMatch m = pattern.match(english);
        if (m.hasMatch()) return QString::fromUtf8(w.german).arg(m.captured(1));
    }
    QStringList unknown;
    for (const QString& name : parser.unknownOptionNames())
        unknown.append(QStringLiteral("»") + (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name +
                       QStringLiteral("«"));
    if (unknown.size() == 1) return QStringLiteral("Unbekannte Option %1.").arg(unknown[0]);
    if (unknown.size() > 1) return QStringLiteral("Unbekannte Optionen: %1.").arg(unknown.join(QStringLiteral(", ")));
    return QStringLiteral("Die Befehlszeile ist fehlerhaft: ") + english;
}

CommandLine failure(const QString& message) {
    CommandLine c;
    c.action = CommandLine::Action::Fail;
    c.error = message + u'\n' + kHint;
    return c;
}

// "X=FOLDER" or "X:=FOLDER": a letter and a folder that is not empty.
bool readDrive(const QString& value, const QDir& start, backup::Drives& drives) {
    const qsizetype eq = value.indexOf(u'=');
    if (eq < 0) return false;
    QString letter = value.left(eq);
    if (letter.endsWith(u':')) letter.chop(1);
    const QString folder = value.mid(eq + 1);
    if (letter.size() != 1 || !letter[0].isLetter() || letter[0].unicode() > 0x7f || folder.isEmpty()) return false;
    drives.map(letter[0], QDir::cleanPath(start.absoluteFilePath(folder)));
    return true;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& startDirectory) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption drive(kDriveOption, QString(), QStringLiteral("X=ORDNER"));
    const QCommandLineOption folder(kFolderOption, QString(), QStringLiteral("ORDNER"));
    parser.addOptions({help, version, drive, folder});

    QStringList args = arguments;
    if (args.isEmpty()) args.append(QStringLiteral("sippora"));
    if (!parser.parse(args)) return failure(germanParserError(parser));
    if (parser.isSet(help)) {
        CommandLine c;
        c.action = CommandLine::Action::ShowHelp;
        return c;
    }
    if (parser.isSet(version)) {
        CommandLine c;
        c.action = CommandLine::Action::ShowVersion;
        return c;
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Unerwartetes Argument »%1«.").arg(parser.positionalArguments().first()));

    const QDir start(startDirectory);
    CommandLine c;
    for (const QString& value : parser.values(drive)) {
        if (!readDrive(value, start, c.drives))
            return failure(QStringLiteral("»--laufwerk %1« ist keine gültige Angabe. Erwartet wird ein "
                                          "Laufwerksbuchstabe und ein Ordner, z. B. »--laufwerk e=/media/anna/STICK«.")
                               .arg(value));
    }
    const QStringList folders = parser.values(folder);
    if (folders.size() > 1) return failure(QStringLiteral("»--ordner« darf nur einmal angegeben werden."));
    if (folders.size() == 1) {
        if (folders[0].isEmpty()) return failure(QStringLiteral("Nach »--ordner« fehlt der Ordner."));
        c.folder = QDir::cleanPath(start.absoluteFilePath(folders[0]));
    }
    return c;
}

QString helpText() {
    return QStringLiteral(
        "Aufruf: sippora [OPTIONEN]\n"
        "\n"
        "sippora ist ein Lexikon für Familienforscher: Begriffe aus Kirchenbüchern und\n"
        "Urkunden, Latein, Berufe, Krankheiten, Datumsangaben und Vornamen, dazu die\n"
        "beweglichen Kirchenfeste eines Jahres und alte Schriften.\n"
        "\n"
        "Die Lexika liegen im Lexikonordner, ohne Angabe in\n"
        "$XDG_DATA_HOME/sippora (meist ~/.local/share/sippora). Beim Start legt\n"
        "sippora ihn an und kopiert fehlende mitgelieferte Lexika hinein; was dort\n"
        "schon liegt, wird nie überschrieben.\n"
        "\n"
        "Optionen:\n"
        "  --ordner ORDNER       diesen Ordner als Lexikonordner verwenden,\n"
        "                        z. B. einen Ordner auf einem USB-Stick\n"
        "  --laufwerk X=ORDNER   der Laufwerksbuchstabe X steht bei der Sicherung\n"
        "                        »speichern x:« für ORDNER (mehrfach möglich)\n"
        "  -h, --help            diese Hilfe zeigen\n"
        "  -v, --version         die Version zeigen\n");
}

QString versionText() {
    return QStringLiteral("sippora " SIPPORA_VERSION "\nLexikon für Familienforscher\n");
}

}  // namespace startup
