#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

// Measures, colours and fonts of the window design. Positions and sizes are
// given in twips (1/1440 inch); 15 twips are one logical pixel, and Qt's
// high-DPI scaling does the rest.
namespace look {

constexpr int twips(int t) { return (t + 7) / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
// Places a control at its designed position and size.
void place(QWidget* w, int left, int top, int width, int height);

// Window heights of the design are outer heights: title bar and frame
// included. Sets the client height so that the outer height is `outerTwips`,
// and remembers the value in the window's property "outerHeightTwips".
void setOuterHeight(QWidget* window, int outerTwips);
int outerHeight(const QWidget* window);
// Sets the client width and height of a window from twips.
void setClientSize(QWidget* window, int widthTwips, int heightTwips);

// The light blue of the main window: red C0, green C0, blue FF.
inline QColor lightBlue() { return QColor(0xC0, 0xC0, 0xFF); }
void setBackground(QWidget* w, const QColor& colour);
// The button-face colour, as the platform's palette gives it.
QColor buttonFace();

// "MS Sans Serif" at a point size: the platform's sans-serif face.
QFont sansSerif(qreal pointSize, bool bold = false);
// "Courier New" at a point size: the system's fixed-pitch face.
QFont fixedPitch(qreal pointSize);

}  // namespace look
