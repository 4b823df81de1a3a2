#include "common/Messages.h"

#include <QMessageBox>

namespace messages {

namespace {
QList<Call>* gRecorder = nullptr;
}

void show(QWidget* parent, const QString& title, const QString& text) {
    if (gRecorder) {
        gRecorder->append({title, text});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void setRecorder(QList<Call>* recorder) { gRecorder = recorder; }

}  // namespace messages
