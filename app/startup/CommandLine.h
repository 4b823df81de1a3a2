#pragma once

#include "commands/Backup.h"

#include <QString>
#include <QStringList>

// The command line of sippora: --help, --version, --laufwerk X=FOLDER
// (repeatable) and --ordner DIR. It is read before any window exists, so that
// --help, --version and a mistyped option work without a display.
namespace startup {

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    QString folder;       // --ordner as an absolute path; empty: the default folder
    backup::Drives drives;
    QString error;        // Fail: what was wrong, in German, one or more lines
};

// Reads `arguments` (the first is the program's name). Relative folders are
// taken relative to `startDirectory`, the directory sippora was started in.
CommandLine parseCommandLine(const QStringList& arguments, const QString& startDirectory);

QString helpText();
QString versionText();

}  // namespace startup
