#include "Lexikon.h"

#include "store/FieldFile.h"
#include "store/Categories.h"
#include "store/LexiconFiles.h"
#include "search/ListLine.h"
#include "common/Look.h"
#include "maintenance/MainConversions.h"
#include "common/Messages.h"
#include "commands/TevoExport.h"
#include "common/WrappingButton.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>

using look::place;

namespace {

const QString kTitle = QStringLiteral("Ahnora");
const QString kStartCaption = kTitle + QStringLiteral("  Version 9.6");

QString dictionaryCaption(const QString& name) {
    return kTitle + QStringLiteral("  Version 9") + QString(12, u' ') + name;
}

template <class W>
W* make(QWidget* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

template <class Box = QLabel>
Box* captionBox(QWidget* parent, const char* name, const QString& text) {
    auto* l = make<Box>(parent, name);
    l->setText(text);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    look::setBackground(l, look::lightBlue());
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = make<WrappingButton>(parent, name);
    b->setText(caption);
    return b;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption) {
    auto* o = make<QRadioButton>(parent, name);
    o->setText(caption);
    look::setBackground(o, look::lightBlue());
    return o;
}

QPlainTextEdit* multiLine(QWidget* parent, const char* name, bool scrollBar) {
    auto* t = make<QPlainTextEdit>(parent, name);
    t->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setTabChangesFocus(true);
    return t;
}

}  // namespace

void HeadingsBox::setColumnPitch(qreal left, qreal pitch) {
    left_ = left;
    pitch_ = pitch;
    update();
}

void HeadingsBox::paintEvent(QPaintEvent* event) {
    // The headings are one text whose five parts stand apart by runs of blanks;
    // each is drawn above the first character of its column of the list.
    const auto& columns = listline::kColumnStarts;
    const QStringList parts = text().split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
    if (pitch_ <= 0 || parts.size() != 5) {
        QLabel::paintEvent(event);
        return;
    }
    // Each heading must fit above its column: the type shrinks until all do.
    QFont f = font();
    for (; f.pointSizeF() > 5; f.setPointSizeF(f.pointSizeF() - 0.25)) {
        const QFontMetricsF fm(f);
        bool fits = true;
        for (int i = 0; i < 5 && fits; ++i) {
            const qreal room = i < 4 ? (columns[i + 1] - columns[i] - 0.5) * pitch_ : width() - x0(columns[i]);
            fits = fm.horizontalAdvance(parts[i]) <= room;
        }
        if (fits) break;
    }
    QPainter p(this);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < 5; ++i)
        p.drawText(QRectF(x0(columns[i]), 0, width() - x0(columns[i]), height()), Qt::AlignLeft | Qt::AlignVCenter,
                   parts[i]);
}

int optionNumber(const QObject* option) { return option->objectName().mid(6).toInt(); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

Lexikon::Lexikon(backup::Drives drives, QWidget* parent) : QWidget(parent), drives_(std::move(drives)) {
    setObjectName(QStringLiteral("lexikon"));
    setWindowTitle(kStartCaption);
    setFont(look::sansSerif(8));
    look::setBackground(this, look::lightBlue());
    QPixmap icon(QStringLiteral(":/images/icon.png"));
    if (!icon.isNull()) setWindowIcon(icon);
    tevoExporter_ = new tevo::Exporter(this);
    connect(tevoExporter_, &tevo::Exporter::started, this, &Lexikon::tevoExportStarted);
    connect(tevoExporter_, &tevo::Exporter::finished, this, &Lexikon::tevoExportFinished);
    buildControls();
    connectHandlers();
    look::setClientSize(this, 9735, 8310);
    startUp();
}

Lexikon::~Lexikon() = default;

void Lexikon::buildControls() {
    Text1 = captionBox(this, "Text1", QStringLiteral("Suchbegriff (auch teilweise)"));
    place(Text1, 120, 120, 3255, 285);
    Text3 = make<QLineEdit>(this, "Text3");
    Text3->setFont(look::sansSerif(9.75, true));
    place(Text3, 120, 360, 3255, 375);
    Option1 = option(this, "Option1", QStringLiteral("beginnt"));
    place(Option1, 3480, 120, 975, 255);
    Option2 = option(this, "Option2", QStringLiteral("enthält"));
    place(Option2, 3480, 480, 975, 255);
    Command7 = button(this, "Command7", QStringLiteral("&Hilfe und Erklärungen"));
    place(Command7, 4680, 120, 2595, 645);
    Command5 = button(this, "Command5", QStringLiteral("Eingabe &Löschen"));
    place(Command5, 4680, 840, 2595, 520);
    Picture1 = make<PictureBox>(this, "Picture1");
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/images/logo.gif")));
    Picture1->setCursor(Qt::PointingHandCursor);
    place(Picture1, 7380, 120, 2235, 1250);
    Suchen = button(this, "Suchen", QStringLiteral("&Suchen"));
    place(Suchen, 120, 840, 2350, 520);
    Command9 = button(this, "Command9", QStringLiteral("2. Spalte Suche"));
    place(Command9, 2520, 840, 855, 520);
    Command2 = button(this, "Command2", QStringLiteral("Ergänzen"));
    place(Command2, 3480, 840, 1095, 520);
    Text5 = captionBox<HeadingsBox>(this, "Text5", QStringLiteral("Suchergebnisse"));
    place(Text5, 120, 1440, 9495, 285);
    List1 = make<ResultList>(this, "List1");
    List1->setTextElideMode(Qt::ElideNone);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    place(List1, 120, 1680, 9495, 1185);
    fitListFont();
    Text8 = captionBox(this, "Text8", QStringLiteral("Weiter Informationen"));
    place(Text8, 120, 3000, 5175, 315);
    Text9 = multiLine(this, "Text9", true);
    place(Text9, 120, 3240, 5175, 1575);

    Frame1 = make<QGroupBox>(this, "Frame1");
    Frame1->setTitle(QStringLiteral("Lexika"));
    look::setBackground(Frame1, look::lightBlue());
    place(Frame1, 5400, 3000, 2655, 1335);
    Option3 = option(Frame1, "Option3", QStringLiteral("Alle Lexika"));
    place(Option3, 120, 240, 1215, 255);
    Option4 = option(Frame1, "Option4", QStringLiteral("Sprachen"));
    place(Option4, 120, 480, 1215, 255);
    Option5 = option(Frame1, "Option5", QStringLiteral("Personen"));
    place(Option5, 120, 720, 1335, 255);
    Option6 = option(Frame1, "Option6", QStringLiteral("Krankheiten"));
    place(Option6, 120, 960, 1335, 255);
    Option7 = option(Frame1, "Option7", QStringLiteral("Datum"));
    place(Option7, 1440, 480, 975, 255);
    Option8 = option(Frame1, "Option8", QStringLiteral("Namen"));
    place(Option8, 1440, 720, 1095, 255);
    Option9 = option(Frame1, "Option9", QStringLiteral("Allgemein"));
    place(Option9, 1440, 960, 1095, 255);

    ende = button(this, "ende", QStringLiteral("Programm b&eenden"));
    place(ende, 8160, 3000, 1455, 1335);
    Command14 = button(this, "Command14", QStringLiteral("Mehr Informationen anzeigen"));
    place(Command14, 150, 4440, 3015, 375);
    Text4 = multiLine(this, "Text4", true);
    place(Text4, 5400, 4440, 4215, 855);
    Text2 = make<QLineEdit>(this, "Text2");
    place(Text2, 120, 4920, 5175, 375);
    Text6 = captionBox(this, "Text6", QStringLiteral("Erklärung eingeben"));
    place(Text6, 120, 5520, 5175, 285);
    Text7 = multiLine(this, "Text7", false);
    place(Text7, 120, 5760, 5175, 1125);

    Frame2 = make<QGroupBox>(this, "Frame2");
    Frame2->setTitle(QStringLiteral("Sprachen"));
    look::setBackground(Frame2, look::lightBlue());
    place(Frame2, 5400, 5520, 2655, 1815);
    Option10 = option(Frame2, "Option10", QStringLiteral("Tschechisch"));
    place(Option10, 120, 360, 1335, 255);
    Option11 = option(Frame2, "Option11", QStringLiteral("Polnisch"));
    place(Option11, 120, 600, 1335, 255);
    Option12 = option(Frame2, "Option12", QStringLiteral("Ungarisch"));
    place(Option12, 120, 840, 1215, 255);
    Option15 = option(Frame2, "Option15", QStringLiteral("Serbokroat"));
    place(Option15, 120, 1080, 1095, 255);
    Option14 = option(Frame2, "Option14", QStringLiteral("Rumänisch"));
    place(Option14, 120, 1320, 1095, 255);
    Option13 = option(Frame2, "Option13", QStringLiteral("Italienisch"));
    place(Option13, 1440, 360, 1095, 255);
    Option16 = option(Frame2, "Option16", QStringLiteral("Latein"));
    place(Option16, 1440, 600, 1095, 255);
    Option18 = option(Frame2, "Option18", QStringLiteral("Spanisch"));
    place(Option18, 1440, 840, 1095, 255);
    Option17 = option(Frame2, "Option17", QStringLiteral("andere"));
    place(Option17, 1440, 1080, 1095, 255);

    Command1 = button(this, "Command1", QStringLiteral("Hinzufügen"));
    place(Command1, 8160, 5520, 1455, 1815);
    Text10 = captionBox(this, "Text10", QStringLiteral("Quellenangabe "));
    place(Text10, 120, 6960, 1455, 300);
    Text11 = make<QLineEdit>(this, "Text11");
    place(Text11, 1560, 6960, 3735, 300);

    Command12 = button(this, "Command12", QStringLiteral("sortieren"));
    place(Command12, 120, 7560, 1095, 375);
    Command3 = button(this, "Command3", QStringLiteral("durchzählen"));
    place(Command3, 1320, 7560, 1095, 375);
    Command10 = button(this, "Command10", QStringLiteral("cvs->line"));
    place(Command10, 2520, 7560, 1095, 375);
    Command6 = button(this, "Command6", QStringLiteral("2zeil->3spalt"));
    place(Command6, 3720, 7560, 1095, 375);
    Command8 = button(this, "Command8", QStringLiteral("3sp->6sp"));
    place(Command8, 4920, 7560, 1095, 375);
    Command11 = button(this, "Command11", QStringLiteral("4sp-> vo-dat"));
    place(Command11, 6120, 7560, 1095, 375);
    Command4 = button(this, "Command4", QStringLiteral("Command4"));
    place(Command4, 7320, 7560, 1095, 375);
    Command13 = button(this, "Command13", QStringLiteral("2fi.lex-imp"));
    place(Command13, 8520, 7560, 1095, 375);

    groupOptions();
    chainTabOrder();
    Text3->setFocus();
}

void Lexikon::fitListFont() {
    // A whole list line (86 characters, the four source letters included) must
    // fit beside the vertical scroll bar, without elision: the design's 9 pt,
    // smaller only where the platform's fixed-pitch face runs wider.
    const int margin = List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List1) + 1;
    const int room = List1->width() - 2 * List1->frameWidth() -
                     List1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, List1) - 2 * margin;
    QFont f = look::fixedPitch(9);
    const QString line(listline::kLineLength, u'M');
    while (QFontMetricsF(f).horizontalAdvance(line) > room && f.pointSizeF() > 6) f.setPointSizeF(f.pointSizeF() - 0.25);
    List1->setFont(f);
    Text5->setColumnPitch(List1->x() - Text5->x() + List1->frameWidth() + margin,
                          QFontMetricsF(f).horizontalAdvance(line) / listline::kLineLength);
}

void Lexikon::groupOptions() {
    // Each designed group is exclusive on its own: a selected option cannot be
    // clicked off, and selecting one deselects only the others of its group.
    auto group = [this](std::initializer_list<QRadioButton*> options) {
        auto* g = new QButtonGroup(this);
        g->setExclusive(true);
        for (QRadioButton* o : options) {
            g->addButton(o);
            o->installEventFilter(this);
        }
        connect(g, &QButtonGroup::buttonToggled, this, [this] { updateFocusPolicies(); });
        return g;
    };
    group({Option1, Option2});
    dictionaryGroup_ = group({Option3, Option4, Option5, Option6, Option7, Option8, Option9});
    // The languages in the order they stand in their two columns.
    languageGroup_ = group({Option10, Option11, Option12, Option15, Option14, Option13, Option16, Option18, Option17});
}

void Lexikon::chainTabOrder() {
    // The search box first, then the controls from top to bottom; an option
    // group is one stop. The add-mode controls follow in the order of typing.
    const QList<QWidget*> order{
        Text3,    Option1,  Option2,  Command7, Command5, Suchen,   Command9,  Command2,  List1,
        Text9,    Option3,  Option4,  Option5,  Option6,  Option7,  Option8,   Option9,   ende,
        Command14, Text4,   Text2,    Text7,    Text11,   Option10, Option11,  Option12,  Option15,
        Option14, Option13, Option16, Option18, Option17, Command1, Command12, Command3, Command10,
        Command6, Command8,  Command11, Command4, Command13};
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

bool Lexikon::isReachable(const QWidget* w) const {
    // Reachable: shown, and wholly inside the visible part of the window (the
    // design hides the add-mode controls and the maintenance row by a window
    // too low to show them).
    if (!w->isVisibleTo(this)) return false;
    const QRect r(w->mapTo(this, QPoint(0, 0)), w->size());
    return rect().contains(r);
}

void Lexikon::updateFocusPolicies() {
    for (QWidget* w : findChildren<QWidget*>()) {
        QVariant design = w->property("designFocusPolicy");
        if (!design.isValid()) {
            if (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() || w->objectName().startsWith(u'q'))
                continue;
            design = int(w->focusPolicy());
            w->setProperty("designFocusPolicy", design);
        }
        auto policy = Qt::FocusPolicy(design.toInt());
        if (auto* o = qobject_cast<QRadioButton*>(w); o && o->group()) {
            // Tab enters a group at its selected option (its first, while none is).
            QAbstractButton* entry = o->group()->checkedButton();
            if (!entry) entry = o->group()->buttons().constFirst();
            if (o != entry) policy = Qt::ClickFocus;
        }
        if (!isReachable(w)) policy = Qt::NoFocus;
        w->setFocusPolicy(policy);
    }
    QWidget* f = focusWidget();
    if (f && f != Text3 && !isReachable(f)) Text3->setFocus();
}

bool Lexikon::moveWithinGroup(QRadioButton* from, int key) {
    QList<QAbstractButton*> options = from->group()->buttons();
    options.removeIf([this](QAbstractButton* b) { return !b->isVisibleTo(this); });
    const qsizetype at = options.indexOf(from);
    if (at < 0 || options.size() < 2) return true;
    const int step = (key == Qt::Key_Down || key == Qt::Key_Right) ? 1 : -1;
    QAbstractButton* next = options[(at + step + options.size()) % options.size()];
    // Selecting by arrow key keeps the keyboard in the group, so that the user
    // can go on moving; a click puts the focus into the search box.
    movingByKeyboard_ = true;
    next->setFocus(Qt::OtherFocusReason);
    next->setChecked(true);
    movingByKeyboard_ = false;
    return true;
}

bool Lexikon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* o = qobject_cast<QRadioButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (o && o->group() &&
            (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right))
            return moveWithinGroup(o, key);
    }
    return QWidget::eventFilter(watched, event);
}

void Lexikon::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateFocusPolicies();
}

void Lexikon::connectHandlers() {
    // A selection runs the handler only when the option was not selected
    // before, whether the user or the program selected it. "Alle Lexika"
    // (Option3) has no handler.
    for (QAbstractButton* b : dictionaryGroup_->buttons()) {
        const int option = optionNumber(b);
        if (option == 3) continue;
        connect(b, &QAbstractButton::toggled, this, [this, option](bool on) {
            if (on) dictionaryChosen(option);
        });
    }
    for (QAbstractButton* b : languageGroup_->buttons()) {
        const int option = optionNumber(b);
        connect(b, &QAbstractButton::toggled, this, [this, option](bool on) {
            if (on) languageChosen(option);
        });
    }
    connect(Command7, &QPushButton::clicked, this, &Lexikon::help);
    connect(Command5, &QPushButton::clicked, this, &Lexikon::clearSearchBox);
    connect(Picture1, &PictureBox::clicked, this, &Lexikon::about);
    connect(ende, &QPushButton::clicked, this, &Lexikon::exitProgram);
    connect(Suchen, &QPushButton::clicked, this, &Lexikon::termSearch);
    connect(Text3, &QLineEdit::returnPressed, this, &Lexikon::termSearch);
    connect(Text3, &QLineEdit::textChanged, this, &Lexikon::searchBoxChanged);
    connect(Command9, &QPushButton::clicked, this, &Lexikon::explanationSearch);
    connect(Command14, &QPushButton::clicked, this, &Lexikon::moreInformationClicked);
    connect(Command2, &QPushButton::clicked, this, &Lexikon::enterAddMode);
    connect(Command1, &QPushButton::clicked, this, &Lexikon::addEntry);
    connect(Command10, &QPushButton::clicked, this, [this] { runConversion(maintenance::csvToLines); });
    connect(Command6, &QPushButton::clicked, this, [this] { runConversion(maintenance::twoLinesToThreeColumns); });
    connect(Command8, &QPushButton::clicked, this, [this] { runConversion(maintenance::fiveToSixColumns); });
    connect(Command11, &QPushButton::clicked, this, [this] { runConversion(maintenance::fourColumnsToFirstNames); });
    connect(Command4, &QPushButton::clicked, this, [this] { runConversion(maintenance::copyLexiconsToText); });
    connect(Command13, &QPushButton::clicked, this, [this] { runConversion(maintenance::importNewEntries); });
    // Command12 "sortieren" and Command3 "durchzählen" have no action.
    connect(List1, &ResultList::currentRowChanged, this, [this](int row) {
        if (!fillingList_) resultLineSelected(row);
    });
}

void Lexikon::startUp() {
    Option1->setChecked(true);
    Option3->setChecked(true);
    setSearchButtonWidth();
    vars.addModeFlag = QStringLiteral("no");
    Text2->setText(QString());
    Text4->setPlainText(QString());
    Text11->setText(QString());
    Text2->setVisible(true);
    Text4->setVisible(true);
    look::setOuterHeight(this, 5955);
    for (QWidget* w : {static_cast<QWidget*>(Text6), static_cast<QWidget*>(Text7),
                       static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command6),
                       static_cast<QWidget*>(Command11), static_cast<QWidget*>(Command12),
                       static_cast<QWidget*>(Command13), static_cast<QWidget*>(Command14)})
        w->setVisible(false);
    Command4->setVisible(true);
    Command8->setVisible(true);
    Command10->setVisible(true);
    Text3->setFocus();
    updateFocusPolicies();
}

void Lexikon::setSearchButtonWidth() { Suchen->resize(look::twips(2350), Suchen->height()); }

void Lexikon::dictionaryChosen(int option) {
    const lexicon::Dictionary& d = lexicon::dictionaryOfOption(option);
    if (!movingByKeyboard_) Text3->setFocus();
    Frame2->setVisible(option == 4);
    setWindowTitle(dictionaryCaption(d.name));
    vars.targetLexiconFile = lexicon::targetFile(d);
    updateFocusPolicies();
}

void Lexikon::languageChosen(int /*option*/) {
    // Every language (and Latin, and "andere") is added to the language dictionary.
    vars.targetLexiconFile = lexicon::targetFile(lexicon::dictionaryOfOption(4));
}

QString Lexikon::searchHelp() {
    return QStringLiteral(
        "Vor der ersten Sucheingabe kann eine Lexikondatenbank gewählt, wenn nicht, findet die Suche "
        "in allen Lexika statt. Danach blinkt der Cursor automatisch im Eingabefeld. Geben Sie nun das "
        "Suchwort oder Teile davon ein. Wählen Sie nun, ob ihre Eingabe der Anfang des gesuchten "
        "Begriffes, oder ob ihre Eingabe ein Teil innerhalb des gesuchten Begriffes ist. Diese Wahl "
        "treffen Sie durch Anklicken von >beginnt<, oder >enthält< rechts neben dem Eingabefeld. Die "
        "Groß und Kleinschreibung ihrer Eingabe bleibt unberücksichtigt. Geben Sie alles in "
        "Kleinbuchstaben ein.");
}

QString Lexikon::addHelp() {
    return QStringLiteral("1) Geben Sie im Feld >Suchbegriff< das komplette Wort ein.") + QString(26, u' ') +
           QStringLiteral("2) Geben Sie im Feld >Erklärung die Bedeutung bzw. die Übersetzung ein.") +
           QString(4, u' ') +
           QStringLiteral("3) Wählen Sie im Bereich >Lexika< das entsprechende Lexikon aus. Beim "
                          "Sprachenlexikon können Sie im Bereich >Sprachen< auch noch die entsprechende "
                          "Sprache auswählen.") +
           QString(62, u' ') +
           QStringLiteral("4) Klicken Sie >Hinzufügen< an und Ihre Lexikondaten werden um den neuen "
                          "Suchbegriff ergänzt. Sie können das gleich erproben, indem Sie auf >Suchen< "
                          "klicken");
}

void Lexikon::help() {
    if (vars.addModeFlag == QLatin1String("no")) Text9->setPlainText(searchHelp());
    if (vars.addModeFlag == QLatin1String("ja")) Text9->setPlainText(addHelp());
    Text3->setFocus();
}

void Lexikon::clearSearchBox() {
    Text3->setText(QString());
    Text3->setFocus();
    setSearchButtonWidth();
}

QString Lexikon::aboutTitle() { return QStringLiteral("    I N F O R M A T I O N  "); }

QString Lexikon::aboutText() {
    const QStringList lines{
        QStringLiteral("Dieses Programm wurde von Maren Holt, der derzeitigen Leiterin der "
                       "Familienforschungsstelle Lindenau, geschrieben."),
        QStringLiteral("Es dient als Hilfsmittel für die Genealogie und die Ahnenforschung. Die Richtigkeit"),
        QStringLiteral("der Angaben kann nicht garantiert werden. Derzeit sind über 18 000 Begriffe enthalten."),
        QString(),
        QStringLiteral("Es sind auch fremdsprachliche Genealogiebegriffe in Tschechisch, Polnisch, Ungarisch, Rumänisch,"),
        QStringLiteral("Italienisch mit je etwa 1000 Begriffen ist im Lexikon inkludiert."),
        QStringLiteral("Ein Schriftenspiegel mit alten Schriften ab dem 13. Jhdt steht zur Verfügung. Geben Sie >Schrift< ein."),
        QStringLiteral("Eine Berechnung der variablen Kirchenfeiertage, wie z.B.: Ostern ist auch enthalten und wird"),
        QStringLiteral("durch die Eingabe des gewünschten Feiertages im Suchfenster aufgerufen."),
        QString(),
        QStringLiteral("Rückmeldungen, Korrekturen und Verbesserungvorschläge bitte an:"),
        QString(15, u' ') + QStringLiteral("www.familienforschung-lindenau.example") + QString(3, u' ') +
            QStringLiteral("oder") + QString(3, u' ') + QStringLiteral("post@familienforschung-lindenau.example"),
    };
    return lines.join(u'\n');
}

void Lexikon::about() { messages::show(this, aboutTitle(), aboutText()); }

void Lexikon::exitProgram() {
    FieldFile::deleteFile(lexicon::kResultFile);
    close();
}

void Lexikon::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program: the side windows close with
    // it, and with the last window gone the application quits.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isWindow()) w->close();
    QWidget::closeEvent(event);
}
