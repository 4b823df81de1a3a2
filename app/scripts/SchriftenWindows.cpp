#include "scripts/SchriftenWindows.h"

#include "common/Look.h"
#include "common/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <array>

namespace {

constexpr int kFontPoints = 8;

struct ButtonInfo {
    const char* name;
    int left, top;
    const char* caption;
};

// Command1 to Command7, each opening the picture window of its own number.
const std::array<ButtonInfo, 7> kButtons = {{
    {"Command1", 120, 720, "Gotische, Kursive, Bastarda 13. - 15. Jahrundert"},
    {"Command2", 120, 1200, "Gotische Kurrentschrift       16.- 18. Jahrhundert  a - q"},
    {"Command3", 120, 1680, "Gotische Kurrentschrift       16.- 18. Jahrhundert r - z"},
    {"Command4", 2640, 720, "Gotische Kurrentschrift       16.- 18. Jahrhundert  A - G"},
    {"Command5", 2640, 1200, "Gotische Kurrentschrift       16.- 18. Jahrhundert  H - Q"},
    {"Command6", 2640, 1680, "Gotische Kurrentschrift       16.- 18. Jahrhundert  R - Z"},
    {"Command7", 120, 2160, "Glagolica"},
}};

QString windowName(int number) { return QStringLiteral("schriften%1").arg(number); }

}  // namespace

namespace scripts {

const PictureInfo& picture(int number) {
    static const std::array<PictureInfo, 7> pictures = {{
        {QStringLiteral("Gotische Kursive und Bastarda 13 - 15. Jahrhundert"),
         QStringLiteral(":/schriften/schriften1.gif"), {624, 507}, 9405, 7590},
        {QStringLiteral("16. - 18. Jahrhundert       a - q"),
         QStringLiteral(":/schriften/schriften2.gif"), {624, 609}, 9360, 8910},
        {QStringLiteral("16. - 18. Jahrhundert       r - z"),
         QStringLiteral(":/schriften/schriften3.gif"), {624, 591}, 9330, 8730},
        {QStringLiteral("16. - 18. Jahrhundert       A - G"),
         QStringLiteral(":/schriften/schriften4.gif"), {548, 613}, 8250, 9210},
        {QStringLiteral("16. - 18. Jahrhundert      H - Q"),
         QStringLiteral(":/schriften/schriften5.gif"), {624, 614}, 9360, 9090},
        {QStringLiteral("16. - 18. Jahrhundert       R - Z"),
         QStringLiteral(":/schriften/schriften6.gif"), {624, 642}, 9360, 9330},
        {QStringLiteral("schriften7"),
         QStringLiteral(":/schriften/schriften7.gif"), {421, 415}, 6390, 6060},
    }};
    Q_ASSERT(number >= 1 && number <= 7);
    return pictures[number - 1];
}

}  // namespace scripts

SchriftenWindow::SchriftenWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("schriften"));
    setWindowTitle(QStringLiteral("Schriftenauswahl"));
    setFont(look::sansSerif(kFontPoints));

    auto* heading = new QLineEdit(QStringLiteral("Schriftspiegel zum Schriftenvergleich"), this);
    heading->setObjectName(QStringLiteral("Text1"));
    heading->setReadOnly(true);
    heading->setFocusPolicy(Qt::NoFocus);
    heading->setAlignment(Qt::AlignCenter);
    QPalette p = heading->palette();
    p.setColor(QPalette::Base, look::buttonFace());
    heading->setPalette(p);
    look::place(heading, 120, 120, 4815, 495);

    for (int i = 0; i < int(kButtons.size()); ++i) {
        const ButtonInfo& info = kButtons[i];
        auto* button = new WrappingButton(QString::fromUtf8(info.caption), this);
        button->setObjectName(QString::fromLatin1(info.name));
        look::place(button, info.left, info.top, 2295, 495);
        const int number = i + 1;
        connect(button, &QPushButton::clicked, this, [number] { showSchriftBild(number); });
    }

    look::setClientSize(this, 5055, 2865);
}

SchriftPictureWindow::SchriftPictureWindow(int number, QWidget* parent) : QWidget(parent) {
    const scripts::PictureInfo& info = scripts::picture(number);
    setObjectName(windowName(number));
    setWindowTitle(info.caption);
    const QPixmap image(info.resource);
    if (number == 7) {
        // The Glagolitic chart stands in a picture box of its own.
        auto* box = new QLabel(this);
        box->setObjectName(QStringLiteral("Picture1"));
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setPixmap(image);
        look::place(box, 0, 0, 6495, 6135);
    } else {
        background_ = image;
    }
    look::setClientSize(this, info.clientWidthTwips, info.clientHeightTwips);
}

void SchriftPictureWindow::paintEvent(QPaintEvent*) {
    if (background_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

QWidget* showSchriften() {
    return windows::show(QStringLiteral("schriften"), [] { return new SchriftenWindow; }).window;
}

QWidget* showSchriftBild(int number) {
    if (number < 1 || number > 7) return nullptr;
    return windows::show(windowName(number), [number] { return new SchriftPictureWindow(number); })
        .window;
}
