#pragma once

#include <QWidget>

class QLineEdit;
class QTextEdit;
class QPushButton;

// The window "ostern" ("Datumsrechner"): Easter Sunday and the moveable
// feasts of a year typed into the year box.
class OsternWindow : public QWidget {
    Q_OBJECT
public:
    explicit OsternWindow(QWidget* parent = nullptr);

    // Reads the year box, checks the year and fills the result boxes.
    void calculate();

private:
    enum class Caption { Plain, Feast, FeastBold };
    QLineEdit* caption(const char* name, const QString& text, int left, int top, int width,
                       int height, Caption kind = Caption::Feast);
    QLineEdit* result(const char* name, int top);
    void fitNote();
    void fitCaptions();

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text18 = nullptr;
    QLineEdit* Text17 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLineEdit* Text12 = nullptr;
    QLineEdit* Text13 = nullptr;
    QLineEdit* Text14 = nullptr;
    QLineEdit* Text15 = nullptr;
    QLineEdit* Text16 = nullptr;
    QPushButton* Command2 = nullptr;
    QTextEdit* Text19 = nullptr;
};

// Shows the window "ostern": creates it the first time, brings it to the
// front when it is open already. Returns the window.
QWidget* showOstern();
