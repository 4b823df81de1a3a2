#include "Lexikon.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
    // A file-size limit makes a write fail with an error the program reports,
    // instead of ending it without a word in the middle of a record.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sippora"));
    Lexikon window(QApplication::arguments());
    window.show();
    return app.exec();
}
