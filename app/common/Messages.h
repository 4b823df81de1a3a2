#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every modal message of the program goes through here: a message box with a
// title, the text, a single OK button and no icon. Tests record the calls
// instead of showing boxes.
namespace messages {

struct Call {
    QString title;
    QString text;
};

void show(QWidget* parent, const QString& title, const QString& text);

// While a recorder is set, show() appends to it and returns at once.
// Passing nullptr shows real message boxes again.
void setRecorder(QList<Call>* recorder);

}  // namespace messages
