#include "feasts/OsternWindow.h"

#include "feasts/Easter.h"
#include "common/Look.h"
#include "common/Messages.h"
#include "common/Windows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextEdit>

namespace {
constexpr int kClientWidthTwips = 2895;
constexpr int kHeightTwips = 4620;
constexpr int kHeightWithNoteTwips = 5820;
constexpr int kFontPoints = 8;

const QString kRangeTitle = QStringLiteral(" Jahreszeitraum überschritten ");
const QString kRangeText = QStringLiteral("Jahreszahl muß zwischen 1583 und 3000 sein.");
const QString kCalendarNote = QStringLiteral(
    "Der Gregorianische Kalender ist erst 1753 überall in Europa eingeführt worden. "
    "Details siehe unter >Gregorianischer Kalender< im Lexikon.");
}  // namespace

OsternWindow::OsternWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ostern"));
    setWindowTitle(QStringLiteral("Datumsrechner"));
    setFont(look::sansSerif(kFontPoints));

    // Created in tab order: the year box first, the captions take no focus.
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFont(look::sansSerif(kFontPoints, true));
    look::place(Text2, 120, 360, 1335, 375);

    Command1 = new QPushButton(QStringLiteral("Berechnung"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    look::place(Command1, 1560, 120, 1215, 615);

    Text1 = caption("Text1", QStringLiteral("gesuchtes Jahr"), 120, 120, 1335, 285,
                    Caption::Plain);

    Text3 = caption("Text3", QStringLiteral("Aschermittwoch"), 120, 840, 1335, 255);
    Text4 = result("Text4", 840);
    Text5 = caption("Text5", QStringLiteral("Karfreitag"), 120, 1200, 1335, 285);
    Text6 = result("Text6", 1200);
    Text18 = caption("Text18", QStringLiteral("Palmsonntag"), 240, 1560, 1215, 285);
    Text17 = result("Text17", 1560);
    Text7 = caption("Text7", QStringLiteral("Ostersonntag"), 120, 1920, 1335, 285,
                    Caption::FeastBold);
    Text8 = result("Text8", 1920);
    Text9 = caption("Text9", QStringLiteral("Ostermontag"), 120, 2280, 1335, 285);
    Text10 = result("Text10", 2280);
    Text11 = caption("Text11", QStringLiteral("Pfingstsonntag"), 120, 2640, 1335, 285);
    Text12 = result("Text12", 2640);
    Text13 = caption("Text13", QStringLiteral("Pfingstmontag"), 120, 3000, 1335, 285);
    Text14 = result("Text14", 3000);
    Text15 = caption("Text15", QStringLiteral("Fronleichnam"), 120, 3360, 1335, 285);
    Text16 = result("Text16", 3360);

    Command2 = new QPushButton(QStringLiteral("Ende"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    look::place(Command2, 1560, 3720, 1215, 375);

    Text19 = new QTextEdit(this);
    Text19->setObjectName(QStringLiteral("Text19"));
    Text19->setReadOnly(true);
    Text19->setFocusPolicy(Qt::NoFocus);
    Text19->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    look::place(Text19, 120, 4200, 2655, 1095);

    connect(Command1, &QPushButton::clicked, this, &OsternWindow::calculate);
    connect(Text2, &QLineEdit::returnPressed, this, &OsternWindow::calculate);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    fitCaptions();

    // Start-up.
    Text19->hide();
    Text19->setPlainText(kCalendarNote);
    fitNote();
    resize(look::twips(kClientWidthTwips), height());
    look::setOuterHeight(this, kHeightTwips);
    Text2->setFocus();
}

QLineEdit* OsternWindow::caption(const char* name, const QString& text, int left, int top,
                                 int width, int height, Caption kind) {
    auto* box = new QLineEdit(text, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    if (kind == Caption::FeastBold) box->setFont(look::sansSerif(kFontPoints, true));
    if (kind != Caption::Plain) {
        // The feast captions stand on the button face, apart from the results.
        QPalette p = box->palette();
        p.setColor(QPalette::Base, look::buttonFace());
        box->setPalette(p);
    }
    look::place(box, left, top, width, height);
    return box;
}

void OsternWindow::fitNote() {
    // The note must be readable in full within its box: where the platform's
    // sans-serif runs taller than the design's, the note's type is reduced a
    // little until all of it fits.
    Text19->document()->setDocumentMargin(2);
    Text19->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int available = Text19->contentsRect().height();
    for (qreal points = kFontPoints; points >= 6.0; points -= 0.5) {
        Text19->setFont(look::sansSerif(points));
        Text19->document()->setTextWidth(Text19->contentsRect().width());
        if (Text19->document()->size().height() <= available) break;
    }
}

namespace {

// The room a line edit leaves for its text: inside its frame and text margins,
// less the two pixels it keeps free at either side.
QSize textRoom(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    QRect r = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    r = r.marginsRemoved(box->textMargins());
    return QSize(r.width() - 2 * 2, r.height());
}

bool fits(const QLineEdit* box, const QFont& font) {
    const QFontMetrics metrics(font);
    const QSize room = textRoom(box);
    return metrics.horizontalAdvance(box->text()) <= room.width() && metrics.height() <= room.height();
}

}  // namespace

void OsternWindow::fitCaptions() {
    // The design's captions were set in a narrow 8-point face; in the
    // platform's sans-serif "Aschermittwoch" runs past its box and loses its
    // first letter. All captions share one size, the largest at which every
    // one of them is whole in its box (bold Ostersonntag included).
    const QList<QLineEdit*> captions = {Text1, Text3, Text5, Text18, Text7, Text9, Text11, Text13, Text15};
    qreal points = kFontPoints;
    auto allFit = [&](qreal size) {
        for (QLineEdit* box : captions)
            if (!fits(box, look::sansSerif(size, box->font().bold()))) return false;
        return true;
    };
    while (points > 6.0 && !allFit(points)) points -= 0.25;
    for (QLineEdit* box : captions) box->setFont(look::sansSerif(points, box->font().bold()));
}

QLineEdit* OsternWindow::result(const char* name, int top) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    look::place(box, 1560, top, 1215, 285);
    return box;
}

void OsternWindow::calculate() {
    const std::optional<int> year = feasts::acceptedYear(feasts::readYear(Text2->text()));
    if (!year) {
        messages::show(this, kRangeTitle, kRangeText);
        return;
    }

    if (*year < feasts::kGeneralAdoptionYear) {
        Text19->show();
        look::setOuterHeight(this, kHeightWithNoteTwips);
    } else {
        Text19->hide();
        look::setOuterHeight(this, kHeightTwips);
    }

    using feasts::Feast;
    const feasts::FeastDates dates = feasts::feastDates(*year);
    const std::pair<QLineEdit*, Feast> boxes[] = {
        {Text4, Feast::Aschermittwoch}, {Text6, Feast::Karfreitag},
        {Text8, Feast::Ostersonntag},   {Text10, Feast::Ostermontag},
        {Text12, Feast::Pfingstsonntag}, {Text14, Feast::Pfingstmontag},
        {Text16, Feast::Fronleichnam},  {Text17, Feast::Palmsonntag},
    };
    for (const auto& [box, feast] : boxes) box->setText(feasts::formatDate(dates[feast]));

    Text2->clear();
    Text2->setFocus();
}

QWidget* showOstern() {
    return windows::show(QStringLiteral("ostern"), [] { return new OsternWindow; }).window;
}
