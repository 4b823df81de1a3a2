#include "Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace look {

namespace {
// Title bar and frame of a window whose frame is not known yet (not shown, or
// no window manager): 450 twips, as on a classic desktop at 96 dpi.
constexpr int kDefaultDecorationTwips = 450;
}  // namespace

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsRect(left, top, width, height));
}

void setOuterHeight(QWidget* window, int outerTwips) {
    window->setProperty("outerHeightTwips", outerTwips);
    int decoration = window->frameGeometry().height() - window->geometry().height();
    if (!window->isVisible() || decoration <= 0) decoration = twips(kDefaultDecorationTwips);
    window->resize(window->width(), std::max(1, twips(outerTwips) - decoration));
}

int outerHeight(const QWidget* window) { return window->property("outerHeightTwips").toInt(); }

void setClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->resize(twips(widthTwips), twips(heightTwips));
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

QFont sansSerif(qreal pointSize, bool bold) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QFont fixedPitch(qreal pointSize) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(pointSize);
    return f;
}

}  // namespace look
