#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

// The maintainer's workbench: lists the text and lexicon files of the working
// directory, shows the lines of a chosen file and runs the converters and
// checks on it. Controls carry their design names as object names.
class Konvert : public QWidget {
    Q_OBJECT
public:
    explicit Konvert(QWidget* parent = nullptr);

    QLineEdit* Text1;
    QListWidget* File1;
    QLineEdit* Text2;
    QListWidget* File2;
    QListWidget* List1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command5;
    QPushButton* Command1;
    QPushButton* Command4;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;

private:
    void file1Click();
    void file2Click();
    void listFile();         // "Auflisten"
    void lineInput();        // "line input"
    void twoToSix();         // "2sp->6sp"
    void checkTwo();         // "2sp-prüfen"
    void checkSix();         // "6sp-prüfen"
    void importData();       // "Datenimport"
    void textToMoreInfo();   // "text zu 2te.lex"
};

// Shows the window konvert: created in its initial state the first time,
// brought to the front while it is open.
void showKonvert();
