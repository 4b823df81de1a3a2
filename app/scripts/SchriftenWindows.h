#pragma once

#include <QPixmap>
#include "common/WrappingButton.h"

#include <QPushButton>
#include <QString>
#include <QWidget>

// The selection window "schriften" ("Schriftenauswahl").
class SchriftenWindow : public QWidget {
    Q_OBJECT
public:
    explicit SchriftenWindow(QWidget* parent = nullptr);
};

// One of the picture windows "schriften1" to "schriften7": a script chart
// shown unscaled at the top left corner.
class SchriftPictureWindow : public QWidget {
    Q_OBJECT
public:
    explicit SchriftPictureWindow(int number, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};

namespace scripts {

struct PictureInfo {
    QString caption;
    QString resource;  // the GIF in the program's resources
    QSize imagePixels;
    int clientWidthTwips;
    int clientHeightTwips;
};

// The picture window of the number 1 to 7.
const PictureInfo& picture(int number);

}  // namespace scripts

// Shows the selection window "schriften": created the first time, brought to
// the front when it is open already.
QWidget* showSchriften();

// Shows the picture window "schriften<number>" (1 to 7) the same way.
QWidget* showSchriftBild(int number);
