#include "common/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr qreal kSmallestPoints = 6.0;
constexpr qreal kStepPoints = 0.25;
}  // namespace

QRect WrappingButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont WrappingButton::captionFont() const {
    const QRect area = captionArea();
    QFont f = font();
    for (;;) {
        const QRect needed = QFontMetrics(f).boundingRect(area, kCaptionFlags, text());
        if (needed.height() <= area.height() && needed.width() <= area.width()) return f;
        const qreal smaller = f.pointSizeF() - kStepPoints;
        if (f.pointSizeF() <= 0 || smaller < kSmallestPoints) return f;
        f.setPointSizeF(smaller);
    }
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.setFont(captionFont());
    painter.drawItemText(captionArea(), kCaptionFlags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}
