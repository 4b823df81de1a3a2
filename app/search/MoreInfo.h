#pragma once

#include "MainVariables.h"

#include <QString>
#include <QWidget>

class QListWidget;

// The longer texts kept in 2te.lex under a key, shown in the window "info".
namespace moreinfo {

// Writes the text lines stored under `key` in 2te.lex, in file order, to
// mehrinfo.txt as one-field records (the file is created or emptied). Leaves
// the key and line of the last record read in recMoreKey and recTerm.
// Returns an empty text on success, otherwise why it failed (German).
QString collect(const QString& key, MainVariables& vars);

// The more-information display: collects the texts of selectedMoreKey, sets
// the key back to "", shows the window info (created and loaded the first
// time, only brought to the front while open). A failure is shown as a
// message box instead of the window.
void display(QWidget* parent, MainVariables& vars);

}  // namespace moreinfo

// The window "Mehr Information": one list with one text line per item. It
// reads and deletes mehrinfo.txt when it is created.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* parent = nullptr);
    QListWidget* List1;
};
