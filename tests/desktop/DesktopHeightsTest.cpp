// The designed outer heights on a real desktop: run under an X server with a
// window manager, which frames the windows with a title bar of its own size.

#include "Lexikon.h"
#include "common/Look.h"
#include "feasts/OsternWindow.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

int outer(const QWidget* w) { return w->frameGeometry().height(); }
bool framed(const QWidget* w) { return w->frameGeometry().height() > w->geometry().height(); }

// Waits until the window manager has framed the window and its outer height
// has settled at `expected` pixels; false when it does not within 5 s.
bool settlesAt(const QWidget* w, int expected) {
    return QTest::qWaitFor([&] { return framed(w) && outer(w) == expected; }, 5000);
}

class DesktopHeightsTest : public WorkDirTest {};

TEST_F(DesktopHeightsTest, MainWindowHoldsItsHeightsFromTheFirstShowingOn) {
    Lexikon w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(settlesAt(&w, look::twips(5955))) << outer(&w);
    const int searchClient = w.height();

    QTest::mouseClick(w.findChild<QPushButton*>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(settlesAt(&w, look::twips(7950))) << outer(&w);

    w.findChild<QLineEdit*>("Text3")->setText("Gevatter");
    QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(settlesAt(&w, look::twips(5955))) << outer(&w);
    // The client area after the round trip is the one of the first showing.
    EXPECT_EQ(w.height(), searchClient);
}

TEST_F(DesktopHeightsTest, FeastCalculatorHoldsItsHeight) {
    QWidget* ostern = showOstern();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ostern));
    EXPECT_TRUE(settlesAt(ostern, look::twips(4620))) << outer(ostern);
    ostern->close();
}

}  // namespace
