#include "common/Look.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace look {

namespace {
// Title bar and frame of a window whose frame is not known yet (not shown, or
// no window manager): 450 twips, as on a classic desktop at 96 dpi.
constexpr int kDefaultDecorationTwips = 450;

int decorationOf(const QWidget* window) {
    return window->isVisible() ? window->frameGeometry().height() - window->geometry().height() : 0;
}

void applyOuterHeight(QWidget* window) {
    int decoration = decorationOf(window);
    // The frame is known only once a window manager has framed the shown window.
    window->setProperty("decorationUsed", decoration > 0 ? decoration : 0);
    if (decoration <= 0) decoration = twips(kDefaultDecorationTwips);
    window->resize(window->width(), std::max(1, twips(outerHeight(window)) - decoration));
}

// Re-applies a window's designed outer height when its real frame becomes
// known or changes (after the window manager framed it), so that the outer
// height holds on a real desktop from the first showing on. A user's own
// resizing leaves the frame as it is and is not undone.
class OuterHeightKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t == QEvent::Show || t == QEvent::Move || t == QEvent::Resize) {
            auto* w = static_cast<QWidget*>(watched);
            const int decoration = decorationOf(w);
            if (decoration > 0 && decoration != w->property("decorationUsed").toInt() &&
                !(w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                applyOuterHeight(w);
        }
        return false;
    }
};

}  // namespace

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsRect(left, top, width, height));
}

void setOuterHeight(QWidget* window, int outerTwips) {
    window->setProperty("outerHeightTwips", outerTwips);
    if (!window->property("outerHeightKept").toBool()) {
        window->installEventFilter(new OuterHeightKeeper(window));
        window->setProperty("outerHeightKept", true);
    }
    applyOuterHeight(window);
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
    // Liberation Mono has the metrics of the design's Courier New; without it
    // the system's fixed-pitch face.
    QFont liberation(QStringLiteral("Liberation Mono"));
    liberation.setPointSizeF(pointSize);
    if (QFontInfo(liberation).family() == liberation.family() && QFontInfo(liberation).fixedPitch()) {
        liberation.setStyleHint(QFont::Monospace);
        liberation.setFixedPitch(true);
        return liberation;
    }
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(pointSize);
    return f;
}

}  // namespace look
