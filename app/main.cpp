#include "Lexikon.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sippora"));
    Lexikon window(QApplication::arguments());
    window.show();
    return app.exec();
}
