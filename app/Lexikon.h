#pragma once

#include "Backup.h"
#include "MainVariables.h"
#include "Search.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
namespace tevo { class Exporter; }
namespace maintenance { struct Outcome; }

// A picture box: shows a picture and reports a click.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The main window: search box and buttons, result list, detail boxes, the
// choice of dictionary and language, and the input boxes for new entries.
// Every control carries its design name as member name and object name.
class Lexikon : public QWidget {
    Q_OBJECT
public:
    // `drives` names the folders of the drive letters of the backup (--laufwerk).
    explicit Lexikon(backup::Drives drives = {}, QWidget* parent = nullptr);
    ~Lexikon() override;

    MainVariables vars;

    QLabel* Text1;
    QLineEdit* Text3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QPushButton* Command7;
    QPushButton* Command5;
    PictureBox* Picture1;
    QPushButton* Suchen;
    QPushButton* Command9;
    QPushButton* Command2;
    QLabel* Text5;
    QListWidget* List1;
    QLabel* Text8;
    QPlainTextEdit* Text9;
    QGroupBox* Frame1;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option8;
    QRadioButton* Option9;
    QPushButton* ende;
    QPushButton* Command14;
    QPlainTextEdit* Text4;
    QLineEdit* Text2;
    QLabel* Text6;
    QPlainTextEdit* Text7;
    QGroupBox* Frame2;
    QRadioButton* Option10;
    QRadioButton* Option11;
    QRadioButton* Option12;
    QRadioButton* Option15;
    QRadioButton* Option14;
    QRadioButton* Option13;
    QRadioButton* Option16;
    QRadioButton* Option18;
    QRadioButton* Option17;
    QPushButton* Command1;
    QLabel* Text10;
    QLineEdit* Text11;
    QPushButton* Command12;
    QPushButton* Command3;
    QPushButton* Command10;
    QPushButton* Command6;
    QPushButton* Command8;
    QPushButton* Command11;
    QPushButton* Command4;
    QPushButton* Command13;

    // Handlers, callable as the events call them.
    void startUp();
    void dictionaryChosen(int option);  // Option4 .. Option9
    void languageChosen(int option);    // Option10 .. Option18
    void help();
    void clearSearchBox();
    void about();
    void exitProgram();
    void termSearch();
    void resultLineSelected(int index);
    void searchBoxChanged();
    void explanationSearch();
    void moreInformation();
    void enterAddMode();
    void addEntry();
    void tevoExport();
    // Runs a main-window conversion and shows its end: the status text in
    // Text9, or a message box when it could not run to its end.
    void runConversion(maintenance::Outcome (*conversion)(MainVariables&));

    tevo::Exporter* tevoExporter() const { return tevoExporter_; }

    // The about message, line by line.
    static QString aboutTitle();
    static QString aboutText();
    static QString searchHelp();
    static QString addHelp();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void runSearch(const search::Params& params);
    int selectedDictionaryOption() const;
    void setSearchButtonWidth();

    bool fillingList_ = false;
    backup::Drives drives_;
    tevo::Exporter* tevoExporter_;
};
