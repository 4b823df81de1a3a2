#include "maintenance/Konvert.h"

#include "maintenance/KonvertConversions.h"
#include "common/Look.h"
#include "common/Windows.h"

#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// A file list reports a "click" when the user chooses a file: a mouse click
// on a name (also on the one already chosen), or a move of the choice with the
// keyboard. Receiving the focus alone chooses nothing.
class FileListClicks : public QObject {
public:
    FileListClicks(QListWidget* list, std::function<void()> onClick)
        : QObject(list), list_(list), onClick_(std::move(onClick)) {
        list->viewport()->installEventFilter(this);
        QObject::connect(list, &QListWidget::itemClicked, this, [this] { onClick_(); });
        QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            if (!mouseDown_ && !list_->selectedItems().isEmpty()) onClick_();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            mouseDown_ = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            mouseDown_ = false;
        return false;
    }

private:
    QListWidget* list_;
    std::function<void()> onClick_;
    bool mouseDown_ = false;
};

QStringList filesMatching(const QString& pattern) {
    // Name filters of QDir ignore letter case unless told otherwise.
    return QDir::current().entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString chosenName(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

}  // namespace

Konvert::Konvert(QWidget* parent) : QWidget(parent) {
    setObjectName("konvert");
    setWindowTitle("konvert");
    setFont(look::sansSerif(8));

    auto textBox = [this](const char* name, const QString& text, int l, int t, int w, int h) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(name);
        look::place(box, l, t, w, h);
        return box;
    };
    auto listBox = [this](const char* name, int l, int t, int w, int h) {
        auto* list = new QListWidget(this);
        list->setObjectName(name);
        list->setUniformItemSizes(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        look::place(list, l, t, w, h);
        return list;
    };
    auto button = [this](const char* name, const QString& caption, int l, int t, int w, int h) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        look::place(b, l, t, w, h);
        return b;
    };

    Text1 = textBox("Text1", "Text1", 120, 240, 3855, 285);
    File1 = listBox("File1", 120, 480, 3855, 2235);
    Text2 = textBox("Text2", "Text2", 120, 2880, 3855, 285);
    File2 = listBox("File2", 120, 3120, 3855, 1455);
    List1 = listBox("List1", 4080, 240, 5415, 3180);
    Command2 = button("Command2", "Auflisten", 4080, 3600, 1215, 255);
    Command3 = button("Command3", "line input", 5400, 3600, 1215, 255);
    Command5 = button("Command5", "2sp-prüfen", 6720, 3600, 1215, 255);
    Command1 = button("Command1", "Schließen", 8280, 3600, 1215, 615);
    Command4 = button("Command4", "2sp->6sp", 4080, 3960, 1215, 255);
    Command6 = button("Command6", "6sp-prüfen", 5400, 3960, 1215, 255);
    Command7 = button("Command7", "Datenimport", 6720, 3960, 1215, 255);
    Command8 = button("Command8", "text zu 2te.lex", 4080, 4320, 1215, 255);
    Command9 = button("Command9", "Command9", 5400, 4320, 1215, 255);
    Command10 = button("Command10", "Command10", 6720, 4320, 1215, 255);
    Text3 = textBox("Text3", "Text3", 120, 4800, 2535, 375);
    Text4 = textBox("Text4", "Text4", 2760, 4800, 2535, 375);
    Text5 = textBox("Text5", QString(), 5400, 4800, 1215, 375);
    Text6 = textBox("Text6", QString(), 6720, 4800, 1215, 375);

    File1->addItems(filesMatching("*.txt"));
    File2->addItems(filesMatching("*.lex"));

    const QList<QWidget*> tabOrder = {File1, Text1, Command1, File2, Text2, Command2, List1,
                                      Text3, Text4, Command3, Command4, Command5, Command6, Command7,
                                      Text5, Text6, Command8, Command9, Command10};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    new FileListClicks(File1, [this] { file1Click(); });
    new FileListClicks(File2, [this] { file2Click(); });
    connect(Command2, &QPushButton::clicked, this, &Konvert::listFile);
    connect(Command3, &QPushButton::clicked, this, &Konvert::lineInput);
    connect(Command4, &QPushButton::clicked, this, &Konvert::twoToSix);
    connect(Command5, &QPushButton::clicked, this, &Konvert::checkTwo);
    connect(Command6, &QPushButton::clicked, this, &Konvert::checkSix);
    connect(Command7, &QPushButton::clicked, this, &Konvert::importData);
    connect(Command8, &QPushButton::clicked, this, &Konvert::textToMoreInfo);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    // Command9 has no action; Command10 has no files to work on and so none either.

    look::setClientSize(this, 9615, 5310);
    setFixedSize(size());
}

void Konvert::file1Click() {
    const QString name = chosenName(File1);
    if (name.isEmpty()) return;
    Text3->setText(name);
    Text4->setText(maintenance::derivedName(name, maintenance::kKorrSuffix));
    listFile();
}

void Konvert::file2Click() {
    const QString name = chosenName(File2);
    if (name.isEmpty()) return;
    Text3->setText(name);
    Text4->setText(name);
}

void Konvert::listFile() {
    List1->clear();
    const maintenance::Listing listing = maintenance::listLines(Text3->text());
    if (listing.problem) {
        maintenance::report(this, {QString(), listing.problem});
        return;
    }
    List1->addItems(listing.lines);
}

void Konvert::lineInput() {
    List1->clear();
    maintenance::report(this, maintenance::lineInput(Text3->text()));
}

void Konvert::twoToSix() {
    List1->clear();
    const maintenance::Outcome r = maintenance::twoToSixColumns(Text3->text());
    if (!maintenance::report(this, r)) return;
    Text4->setText(r.status);
    // Shows the chosen text file again, as a choice in File1 does; with no
    // file chosen, the end report stays in Text4.
    file1Click();
}

void Konvert::checkTwo() { maintenance::report(this, maintenance::checkTwoColumns(Text3->text())); }

void Konvert::checkSix() {
    const maintenance::Outcome r = maintenance::checkSixColumns(Text3->text());
    if (maintenance::report(this, r)) Text3->setText(r.status);
}

void Konvert::importData() {
    const maintenance::Outcome r = maintenance::importSixColumns(Text3->text());
    if (maintenance::report(this, r)) Text3->setText(r.status);
}

void Konvert::textToMoreInfo() {
    const maintenance::Outcome r =
            maintenance::textToMoreInfo(Text3->text(), Text4->text(), Text5->text());
    maintenance::report(this, r);
    if (Text5->text().isEmpty()) Text5->setFocus();
}

void showKonvert() {
    windows::show(QStringLiteral("konvert"), [] { return new Konvert; });
}
