#pragma once

#include <QPushButton>

// A push button whose caption wraps within the button when it does not fit
// on one line, as the captions of the window design do.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
