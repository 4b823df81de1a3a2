#include "Computus.h"
#include "common/Look.h"
#include "feasts/OsternWindow.h"
#include "TestSupport.h"
#include "common/Windows.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

namespace {

const QString kTitle = QStringLiteral(" Jahreszeitraum überschritten ");
const QString kText = QStringLiteral("Jahreszahl muß zwischen 1583 und 3000 sein.");

// The result boxes in the order of the rows.
const char* const kResults[] = {"Text4",  "Text6",  "Text17", "Text8",
                                "Text10", "Text12", "Text14", "Text16"};

class OsternWindowTest : public WorkDirTest {
protected:
    void SetUp() override {
        WorkDirTest::SetUp();
        window_ = showOstern();
        ASSERT_NE(window_, nullptr);
    }

    QLineEdit* box(const char* name) const {
        auto* b = window_->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QTextEdit* note() const { return window_->findChild<QTextEdit*>("Text19"); }
    QPushButton* button(const char* name) const {
        return window_->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Types the text into the year box as a user does and presses Enter.
    void enterYear(const QString& text) {
        QLineEdit* year = box("Text2");
        year->setFocus();
        QTest::keyClicks(year, text);
        QTest::keyClick(year, Qt::Key_Return);
    }

    QStringList results() const {
        QStringList out;
        for (const char* name : kResults) out << box(name)->text();
        return out;
    }

    QWidget* window_ = nullptr;
};

TEST_F(OsternWindowTest, StartUp) {
    EXPECT_EQ(window_->objectName(), "ostern");
    EXPECT_EQ(window_->windowTitle(), "Datumsrechner");
    EXPECT_EQ(look::outerHeight(window_), 4620);
    EXPECT_EQ(window_->width(), look::twips(2895));
    EXPECT_FALSE(note()->isVisible());
    EXPECT_EQ(note()->toPlainText(),
              "Der Gregorianische Kalender ist erst 1753 überall in Europa eingeführt worden. "
              "Details siehe unter >Gregorianischer Kalender< im Lexikon.");
    EXPECT_EQ(box("Text2")->text(), "");
    EXPECT_EQ(results(), QStringList(8, QString()));
    EXPECT_EQ(window_->focusWidget(), box("Text2"));
    // The "Ende" button lies inside the window at its normal height.
    EXPECT_LE(button("Command2")->geometry().bottom(), window_->height());
}

TEST_F(OsternWindowTest, ControlsAtTheirPlaces) {
    expectDesign(window_, {
        {"Text1", "gesuchtes Jahr", 120, 120, 1335, 285},
        {"Text2", "", 120, 360, 1335, 375},
        {"Command1", "Berechnung", 1560, 120, 1215, 615},
        {"Text3", "Aschermittwoch", 120, 840, 1335, 255},
        {"Text4", "", 1560, 840, 1215, 285},
        {"Text5", "Karfreitag", 120, 1200, 1335, 285},
        {"Text6", "", 1560, 1200, 1215, 285},
        {"Text18", "Palmsonntag", 240, 1560, 1215, 285},
        {"Text17", "", 1560, 1560, 1215, 285},
        {"Text7", "Ostersonntag", 120, 1920, 1335, 285},
        {"Text8", "", 1560, 1920, 1215, 285},
        {"Text9", "Ostermontag", 120, 2280, 1335, 285},
        {"Text10", "", 1560, 2280, 1215, 285},
        {"Text11", "Pfingstsonntag", 120, 2640, 1335, 285},
        {"Text12", "", 1560, 2640, 1215, 285},
        {"Text13", "Pfingstmontag", 120, 3000, 1335, 285},
        {"Text14", "", 1560, 3000, 1215, 285},
        {"Text15", "Fronleichnam", 120, 3360, 1335, 285},
        {"Text16", "", 1560, 3360, 1215, 285},
        {"Command2", "Ende", 1560, 3720, 1215, 375},
        {"Text19", nullptr, 120, 4200, 2655, 1095},
    });
    // Captions stay out of the tab order; the year box and the button bold as designed.
    for (const char* name : {"Text1", "Text3", "Text5", "Text18", "Text7", "Text15"})
        EXPECT_EQ(box(name)->focusPolicy(), Qt::NoFocus) << name;
    EXPECT_TRUE(box("Text2")->font().bold());
    EXPECT_TRUE(box("Text7")->font().bold());
    EXPECT_FALSE(box("Text5")->font().bold());
    EXPECT_EQ(window_->nextInFocusChain(), box("Text2"));
}

TEST_F(OsternWindowTest, EveryCaptionIsWholeInItsBox) {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    for (const char* name : {"Text1", "Text3", "Text5", "Text18", "Text7", "Text9", "Text11", "Text13", "Text15"}) {
        QLineEdit* caption = box(name);
        // A line edit whose text does not fit scrolls it to keep the cursor in
        // view: the box then looks different with the cursor at the start and
        // at the end. A caption that fits looks the same either way.
        caption->setCursorPosition(0);
        const QImage fromStart = caption->grab().toImage();
        caption->setCursorPosition(int(caption->text().size()));
        const QImage fromEnd = caption->grab().toImage();
        EXPECT_EQ(fromStart, fromEnd) << name << " is cut: " << caption->text().toStdString();
        // Nor is it cut at top or bottom.
        const QFontMetrics metrics(caption->font());
        EXPECT_LE(metrics.height(), caption->contentsRect().height()) << name;
        EXPECT_GE(caption->font().pointSizeF(), 6.0) << name;
        EXPECT_EQ(caption->geometry().height(), look::twips(std::string(name) == "Text3" ? 255 : 285)) << name;
    }
    EXPECT_TRUE(box("Text7")->font().bold());
}

TEST_F(OsternWindowTest, EveryYearAgreesWithIndependentComputus) {
    for (int year = 1583; year <= 3000; ++year) {
        enterYear(QString::number(year));
        const QDate easter = meeusEaster(year);
        ASSERT_EQ(box("Text8")->text(), easter.toString("dd.MM.yyyy")) << year;
        ASSERT_EQ(box("Text4")->text(), easter.addDays(-46).toString("dd.MM.yyyy")) << year;
        ASSERT_EQ(box("Text16")->text(), easter.addDays(60).toString("dd.MM.yyyy")) << year;
        ASSERT_EQ(note()->isVisible(), year < 1753) << year;
    }
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(OsternWindowTest, DatesOfKnownYears) {
    enterYear("1981");
    EXPECT_EQ(results(), QStringList({"04.03.1981", "17.04.1981", "12.04.1981", "19.04.1981",
                                      "20.04.1981", "07.06.1981", "08.06.1981", "18.06.1981"}));
    enterYear("1954");
    EXPECT_EQ(box("Text8")->text(), "18.04.1954");
    enterYear("2000");
    EXPECT_EQ(box("Text8")->text(), "23.04.2000");
    EXPECT_EQ(box("Text4")->text(), "08.03.2000");
    EXPECT_EQ(box("Text16")->text(), "22.06.2000");
    enterYear("3000");
    EXPECT_EQ(box("Text8")->text(), "13.04.3000");
    enterYear("2024");  // a leap year: Aschermittwoch counted across 29 February
    EXPECT_EQ(box("Text8")->text(), "31.03.2024");
    EXPECT_EQ(box("Text4")->text(), "14.02.2024");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(OsternWindowTest, CalendarNoteAndHeightBefore1753) {
    enterYear("1583");
    EXPECT_EQ(box("Text8")->text(), "10.04.1583");
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(look::outerHeight(window_), 5820);
    EXPECT_LE(note()->geometry().bottom(), window_->height());
    // The whole note is readable in its box, without scrolling.
    EXPECT_LE(note()->document()->size().height(), note()->viewport()->height());

    enterYear("1753");
    EXPECT_FALSE(note()->isVisible());
    EXPECT_EQ(look::outerHeight(window_), 4620);

    enterYear("1752");
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(look::outerHeight(window_), 5820);
}

TEST_F(OsternWindowTest, YearBoxEmptiedAndFocusedAfterCalculation) {
    enterYear("1990");
    EXPECT_EQ(box("Text2")->text(), "");
    EXPECT_EQ(window_->focusWidget(), box("Text2"));
    // Enter in the now empty box gives the range message and keeps the results.
    QTest::keyClick(box("Text2"), Qt::Key_Return);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0].title, kTitle);
    EXPECT_EQ(messages_[0].text, kText);
    EXPECT_EQ(box("Text8")->text(), "15.04.1990");
}

TEST_F(OsternWindowTest, YearReadingRule) {
    enterYear("1 984x");
    EXPECT_EQ(box("Text8")->text(), "22.04.1984");
    box("Text2")->setText("\t19\t 84 n. Chr.");
    QTest::keyClick(box("Text2"), Qt::Key_Enter);
    EXPECT_EQ(box("Text8")->text(), "22.04.1984");
    enterYear("1700.");
    EXPECT_EQ(box("Text8")->text(), "11.04.1700");
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(OsternWindowTest, RefusedYearsChangeNothingElse) {
    enterYear("1600");
    const QStringList before = results();
    ASSERT_TRUE(note()->isVisible());

    for (const char* text : {"1582", "3001", "", "  ", "Ostern", "2024.5", "1583 .1", "-2000",
                             "2000.9999999999999999999", "1582.99999999999999999999",
                             "3000.00000000000000000001"}) {
        messages_.clear();
        box("Text2")->setText(QString::fromUtf8(text));
        QTest::keyClick(box("Text2"), Qt::Key_Return);
        ASSERT_EQ(messages_.size(), 1) << '"' << text << '"';
        EXPECT_EQ(messages_[0].title, kTitle);
        EXPECT_EQ(messages_[0].text, kText);
        EXPECT_EQ(box("Text2")->text(), QString::fromUtf8(text));
        EXPECT_EQ(results(), before) << text;
        EXPECT_TRUE(note()->isVisible()) << text;
        EXPECT_EQ(look::outerHeight(window_), 5820) << text;
    }
}

TEST_F(OsternWindowTest, ButtonCalculatesLikeEnter) {
    QTest::keyClicks(box("Text2"), "2038");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_EQ(box("Text8")->text(), "25.04.2038");
    EXPECT_EQ(box("Text2")->text(), "");
}

TEST_F(OsternWindowTest, ResultsWrittenInBoxOrder) {
    QStringList order;
    for (const char* name : kResults)
        QObject::connect(box(name), &QLineEdit::textChanged,
                         [&order, name] { order << QString::fromLatin1(name); });
    enterYear("2020");
    EXPECT_EQ(order, QStringList({"Text4", "Text6", "Text8", "Text10", "Text12", "Text14",
                                  "Text16", "Text17"}));
}

TEST_F(OsternWindowTest, ExistsOnceAndStartsAfreshAfterClosing) {
    enterYear("1600");
    const int raisedBefore = windows::raiseCount("ostern");
    EXPECT_EQ(showOstern(), window_);
    EXPECT_EQ(windows::raiseCount("ostern"), raisedBefore + 1);
    EXPECT_EQ(box("Text8")->text(), "02.04.1600");

    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(windows::find("ostern"), nullptr);

    window_ = showOstern();
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(results(), QStringList(8, QString()));
    EXPECT_FALSE(note()->isVisible());
    EXPECT_EQ(look::outerHeight(window_), 4620);
}

}  // namespace
