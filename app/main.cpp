#include "startup/CommandLine.h"
#include "startup/DictionaryFolder.h"
#include "Lexikon.h"
#include "common/Messages.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <csignal>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char* argv[]) {
    // A file-size limit makes a write fail with an error the program reports,
    // instead of ending it without a word in the middle of a record.
    std::signal(SIGXFSZ, SIG_IGN);

    // The command line is read before the application object exists, so that
    // --help, --version and a mistyped option need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const startup::CommandLine commandLine = startup::parseCommandLine(arguments, QDir::currentPath());
    switch (commandLine.action) {
    case startup::CommandLine::Action::ShowHelp:
        print(stdout, startup::helpText());
        return 0;
    case startup::CommandLine::Action::ShowVersion:
        print(stdout, startup::versionText());
        return 0;
    case startup::CommandLine::Action::Fail:
        print(stderr, QStringLiteral("sippora: ") + commandLine.error + u'\n');
        return 2;
    case startup::CommandLine::Action::Run:
        break;
    }

    // Qt sees only the program's name: every argument has been read above,
    // and a folder name must not be taken for one of Qt's own options.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("sippora"));
    QApplication::setApplicationVersion(QStringLiteral(SIPPORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(SIPPORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));

    const startup::Preparation folder =
        startup::enterDictionaryFolder(commandLine.folder, QCoreApplication::applicationDirPath());
    const QString problem = startup::problemText(folder);
    if (!problem.isEmpty()) {
        print(stderr, QStringLiteral("sippora: ") + problem + u'\n');
        messages::show(nullptr, folder.inUse ? startup::inUseTitle() : startup::problemTitle(), problem);
        if (!folder.error.isEmpty()) return 1;
    }

    Lexikon window(commandLine.drives);
    window.show();
    return app.exec();
}
