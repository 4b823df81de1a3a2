#include "common/Look.h"
#include "scripts/SchriftenWindows.h"
#include "TestSupport.h"
#include "common/Windows.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class SchriftenTest : public WorkDirTest {
protected:
    QPushButton* button(QWidget* window, int number) const {
        return window->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
};

TEST_F(SchriftenTest, SelectionWindowLayoutAndCaptions) {
    QWidget* w = showSchriften();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "schriften");
    EXPECT_EQ(w->windowTitle(), "Schriftenauswahl");
    EXPECT_EQ(w->size(), QSize(look::twips(5055), look::twips(2865)));

    expectDesign(w, {
        {"Text1", "Schriftspiegel zum Schriftenvergleich", 120, 120, 4815, 495},
        {"Command1", "Gotische, Kursive, Bastarda 13. - 15. Jahrundert", 120, 720, 2295, 495},
        {"Command2", "Gotische Kurrentschrift       16.- 18. Jahrhundert  a - q", 120, 1200, 2295, 495},
        {"Command3", "Gotische Kurrentschrift       16.- 18. Jahrhundert r - z", 120, 1680, 2295, 495},
        {"Command4", "Gotische Kurrentschrift       16.- 18. Jahrhundert  A - G", 2640, 720, 2295, 495},
        {"Command5", "Gotische Kurrentschrift       16.- 18. Jahrhundert  H - Q", 2640, 1200, 2295, 495},
        {"Command6", "Gotische Kurrentschrift       16.- 18. Jahrhundert  R - Z", 2640, 1680, 2295, 495},
        {"Command7", "Glagolica", 120, 2160, 2295, 495},
    });
}

TEST_F(SchriftenTest, EveryButtonCaptionIsWholeInItsButton) {
    QWidget* w = showSchriften();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    for (int n = 1; n <= 7; ++n) {
        auto* b = qobject_cast<WrappingButton*>(button(w, n));
        ASSERT_NE(b, nullptr) << n;
        const QFont f = b->captionFont();
        const QRect area = b->captionArea();
        const QRect needed = QFontMetrics(f).boundingRect(area, WrappingButton::kCaptionFlags, b->text());
        EXPECT_TRUE(area.contains(needed)) << n << ": needs " << needed.height() << " of " << area.height();
        EXPECT_GE(f.pointSizeF(), 6.5) << n;
        // At most two lines of its font.
        EXPECT_LE(qRound(double(needed.height()) / QFontMetrics(f).height()), 2) << n;
    }
    // The Kurrent captions fit at the window's own size; only Command1 needed less.
    EXPECT_EQ(qobject_cast<WrappingButton*>(button(w, 2))->captionFont().pointSizeF(), w->font().pointSizeF());
}

TEST_F(SchriftenTest, ImagesHaveTheirExactPixelSizes) {
    const QSize sizes[] = {{624, 507}, {624, 609}, {624, 591}, {548, 613},
                           {624, 614}, {624, 642}, {421, 415}};
    for (int n = 1; n <= 7; ++n) {
        const QString resource = QStringLiteral(":/schriften/schriften%1.gif").arg(n);
        QImageReader reader(resource);
        EXPECT_EQ(reader.format(), "gif") << n;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << resource.toStdString() << ": "
                                     << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), sizes[n - 1]) << n;
        EXPECT_EQ(scripts::picture(n).imagePixels, sizes[n - 1]) << n;
        // A chart, not a blank: ink and paper both present.
        int dark = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (qGray(image.pixel(x, y)) < 100) ++dark;
        EXPECT_GT(dark, 200) << n;
    }
}

TEST_F(SchriftenTest, EachButtonOpensItsOwnPictureWindow) {
    const struct {
        const char* caption;
        int width, height;
    } windowsTable[] = {
        {"Gotische Kursive und Bastarda 13 - 15. Jahrhundert", 9405, 7590},
        {"16. - 18. Jahrhundert       a - q", 9360, 8910},
        {"16. - 18. Jahrhundert       r - z", 9330, 8730},
        {"16. - 18. Jahrhundert       A - G", 8250, 9210},
        {"16. - 18. Jahrhundert      H - Q", 9360, 9090},
        {"16. - 18. Jahrhundert       R - Z", 9360, 9330},
        {"schriften7", 6390, 6060},
    };
    QWidget* selection = showSchriften();
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("schriften%1").arg(n);
        ASSERT_EQ(windows::find(name), nullptr);
        QTest::mouseClick(button(selection, n), Qt::LeftButton);
        QWidget* picture = windows::find(name);
        ASSERT_NE(picture, nullptr) << n;
        EXPECT_EQ(picture->objectName(), name);
        EXPECT_EQ(picture->windowTitle(), windowsTable[n - 1].caption) << n;
        EXPECT_EQ(picture->size(), QSize(look::twips(windowsTable[n - 1].width),
                                         look::twips(windowsTable[n - 1].height)))
            << n;
        EXPECT_EQ(picture->parentWidget(), nullptr) << n;
    }
    // All seven are open at the same time.
    for (int n = 1; n <= 7; ++n) EXPECT_NE(windows::find(QStringLiteral("schriften%1").arg(n)), nullptr);
}

TEST_F(SchriftenTest, PicturesShownUnscaledAtTopLeft) {
    // schriften1..6 paint the chart as the window's background.
    QWidget* four = showSchriftBild(4);
    const QImage shot = four->grab().toImage();
    const QImage chart(":/schriften/schriften4.gif");
    ASSERT_FALSE(chart.isNull());
    int differing = 0;
    for (int y = 0; y < std::min(shot.height(), chart.height()); y += 7)
        for (int x = 0; x < std::min(shot.width(), chart.width()); x += 7)
            if (shot.pixel(x, y) != chart.pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);

    // schriften7 holds the chart in its picture box Picture1.
    QWidget* seven = showSchriftBild(7);
    auto* box = seven->findChild<QLabel*>("Picture1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), look::twipsRect(0, 0, 6495, 6135));
    EXPECT_EQ(box->pixmap().size(), QSize(421, 415));
    EXPECT_EQ(box->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST_F(SchriftenTest, SecondClickRaisesInsteadOfOpeningAgain) {
    QWidget* selection = showSchriften();
    QTest::mouseClick(button(selection, 4), Qt::LeftButton);
    QWidget* first = windows::find("schriften4");
    ASSERT_NE(first, nullptr);
    const int raised = windows::raiseCount("schriften4");
    QTest::mouseClick(button(selection, 4), Qt::LeftButton);
    EXPECT_EQ(windows::find("schriften4"), first);
    EXPECT_EQ(windows::raiseCount("schriften4"), raised + 1);
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "schriften4" && w->isVisible()) ++count;
    EXPECT_EQ(count, 1);

    // The selection window too exists only once.
    const int selectionRaised = windows::raiseCount("schriften");
    EXPECT_EQ(showSchriften(), selection);
    EXPECT_EQ(windows::raiseCount("schriften"), selectionRaised + 1);
}

TEST_F(SchriftenTest, ClosingSelectionLeavesPicturesOpen) {
    QWidget* selection = showSchriften();
    QTest::mouseClick(button(selection, 3), Qt::LeftButton);
    QTest::mouseClick(button(selection, 7), Qt::LeftButton);
    selection->close();
    QApplication::processEvents();
    EXPECT_EQ(windows::find("schriften"), nullptr);
    ASSERT_NE(windows::find("schriften3"), nullptr);
    EXPECT_TRUE(windows::find("schriften3")->windowTitle().endsWith("r - z"));
    EXPECT_NE(windows::find("schriften7"), nullptr);

    // A closed picture window is made afresh by the next click.
    windows::find("schriften3")->close();
    QApplication::processEvents();
    EXPECT_EQ(windows::find("schriften3"), nullptr);
    selection = showSchriften();
    QTest::mouseClick(button(selection, 3), Qt::LeftButton);
    EXPECT_NE(windows::find("schriften3"), nullptr);
}

}  // namespace
