#pragma once

#include <QPushButton>

// A push button whose caption wraps within the button when it does not fit
// on one line, as the captions of the window design do. A caption that would
// still run past the button's top and bottom once wrapped is set a little
// smaller, down to 6 points, so that all of it stays readable.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The font the caption is painted in, and the room it is wrapped into.
    QFont captionFont() const;
    QRect captionArea() const;
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
};
