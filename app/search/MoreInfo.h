#pragma once

#include <QString>
#include <QWidget>

class QListWidget;

// The longer texts kept in 2te.lex under a key, shown in the window "info".
namespace moreinfo {

// Writes the text lines stored under `key` in 2te.lex, in file order, to
// mehrinfo.txt as one-field records (the file is created or emptied).
// Returns an empty text on success, otherwise why it failed (German).
QString collect(const QString& key);

// The more-information display: collects the texts of `key` and shows the
// window info (created and loaded the first time, only brought to the front
// while open). A failure is shown as a message box instead of the window.
void display(QWidget* parent, const QString& key);

}  // namespace moreinfo

// The window "Mehr Information": one list with one text line per item. It
// reads and deletes mehrinfo.txt when it is created.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* parent = nullptr);
    QListWidget* List1;
};
