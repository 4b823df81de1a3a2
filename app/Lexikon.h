#pragma once

#include "commands/Backup.h"
#include "MainVariables.h"
#include "search/ResultList.h"
#include "search/Search.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
namespace tevo { class Exporter; struct ExportResult; }
namespace maintenance { struct Outcome; }

// The number of an option button from its design name: 9 for "Option9".
int optionNumber(const QObject* option);

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

// The caption box above the result list. A search writes the column headings
// into it as one text; they are drawn each above its column of the list, whose
// character width the list reports through setColumnPitch().
class HeadingsBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // `left` is the x of the list's first character, relative to this box;
    // `pitch` the width of one character of the list's font.
    void setColumnPitch(qreal left, qreal pitch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal x0(int column) const { return left_ + column * pitch_; }
    qreal left_ = 0;
    qreal pitch_ = 0;
};

// The main window: search box and buttons, result list, detail boxes, the
// choice of dictionary and language, and the input boxes for new entries.
// Every control carries its design name as member name and object name, by
// which tests and a debugger find it; the window itself is driven only as a
// user drives it.
class Lexikon : public QWidget {
    Q_OBJECT
public:
    // `drives` names the folders of the drive letters of the backup (--laufwerk).
    explicit Lexikon(backup::Drives drives = {}, QWidget* parent = nullptr);
    ~Lexikon() override;

    // What one handler leaves for a later one.
    const MainVariables& variables() const { return vars; }
    // The exporter behind the command word "tevo" (for its filter program).
    tevo::Exporter* tevoExporter() const { return tevoExporter_; }

    // The texts of the about message and the help.
    static QString aboutTitle();
    static QString aboutText();
    static QString searchHelp();
    static QString addHelp();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    HeadingsBox* Text5;
    ResultList* List1;
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

    // Handlers, as the events call them.
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
    void moreInformation();         // the display, also run by the command words
    void moreInformationClicked();  // Command14: afresh for the selected hit
    void enterAddMode();
    void addEntry();
    // Starts the TEVO export; Text2 is emptied when an export starts and shows
    // the completion text, or a message names what failed, once every filter
    // has ended.
    void tevoExport();
    void tevoExportStarted();
    void tevoExportFinished(const tevo::ExportResult& result);
    // Runs a main-window conversion and shows its end: the status text in
    // Text9, or a message box when it could not run to its end.
    void runConversion(maintenance::Outcome (*conversion)());

    void buildControls();
    void connectHandlers();
    void runSearch(const search::Params& params);
    int selectedDictionaryOption() const;
    void setSearchButtonWidth();
    void groupOptions();
    void chainTabOrder();
    void fitListFont();
    // Controls outside the visible part of the window take no keyboard focus,
    // and an option group is entered by Tab at its selected option only.
    void updateFocusPolicies();
    bool moveWithinGroup(QRadioButton* from, int key);
    bool isReachable(const QWidget* w) const;
    QString shownCategoryCode() const;

    QButtonGroup* dictionaryGroup_ = nullptr;  // Option3 .. Option9
    QButtonGroup* languageGroup_ = nullptr;    // Option10 .. Option18
    bool movingByKeyboard_ = false;

    bool fillingList_ = false;
    detail::ResultIndex resultIndex_;  // where the hits of the last search stand in the ResultFile
    backup::Drives drives_;
    tevo::Exporter* tevoExporter_;
};
