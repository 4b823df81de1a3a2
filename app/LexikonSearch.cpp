// The main window's search handlers: the term search, the result list and the
// detail display of the selected hit.
#include "Lexikon.h"

#include "ListLine.h"
#include "Look.h"
#include "Messages.h"
#include "ResultDetail.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

int Lexikon::selectedDictionaryOption() const {
    const QRadioButton* options[] = {Option3, Option4, Option5, Option6, Option7, Option8, Option9};
    for (int i = 0; i < 7; ++i)
        if (options[i]->isChecked()) return 3 + i;
    return 3;
}

void Lexikon::termSearch() { runSearch(search::termSearch()); }

void Lexikon::runSearch(const search::Params& params) {
    Text2->setText(QString());
    Text4->setPlainText(QString());
    if (Text3->text().isEmpty()) {
        messages::show(this, QStringLiteral("  S U C H B E G R I F F   E I N G E B E N  "),
                       QStringLiteral("Wenigsten drei Buchstaben in das Feld >Suchbegriff< eingeben!"));
        return;
    }
    vars.hitCount = 0;
    Text9->setPlainText(QString());
    // The button belongs to the selected hit; a new list has none selected.
    Command14->setVisible(false);
    vars.selectedMoreKey = QString();
    Text2->setVisible(true);
    Text4->setVisible(true);
    fillingList_ = true;
    List1->clear();
    fillingList_ = false;

    const auto mode = Option2->isChecked() ? search::MatchMode::Contains : search::MatchMode::Begins;
    const search::Outcome outcome = search::run(Text3->text(), mode,
                                                search::filesForOption(selectedDictionaryOption()),
                                                params, vars);
    if (!outcome.resultFileProblem.isEmpty()) {
        messages::show(this, search::resultFileTitle(), search::resultFileText(outcome.resultFileProblem));
    } else if (outcome.hitCount == 0) {
        messages::show(this, QStringLiteral(" Eingabe ändern "),
                       QStringLiteral("Es wurde kein entsprechender Begriff gefunden. Wählen Sie >Alle Lexika<.\n"
                                      "Wenn Sie diesen Begriff zu Ihren Lexika hinzufügen wollen drücken Sie >Ergänzen<!"));
    } else if (!outcome.lines.isEmpty()) {
        Text5->setText(listline::headings());
        fillingList_ = true;
        List1->addItems(outcome.lines);
        fillingList_ = false;
    }
    if (!outcome.problems.isEmpty())
        messages::show(this, search::problemTitle(), search::problemText(outcome.problems));
    Text3->setFocus();
}

void Lexikon::resultLineSelected(int index) {
    if (Text3->text() == QLatin1String("quelle")) {
        const QListWidgetItem* item = index >= 0 ? List1->item(index) : nullptr;
        Text9->setPlainText(item ? item->text().mid(9) : QString());
        return;
    }
    Text9->setPlainText(QString());
    Text4->setPlainText(QString());
    Text2->setText(QString());
    vars.recSource = QString();
    vars.recTerm = QString();
    Text2->setVisible(true);
    Text4->setVisible(true);
    // The more-information button shows only while a "mehr" hit is selected.
    Command14->setVisible(false);
    vars.selectedMoreKey = QString();
    // A ResultFile that is gone or shorter than the list shows nothing rather
    // than the details of another hit.
    if (!detail::readHit(index, vars) || index < 0) return;

    const QString indicator = textOf(vars.recSource);
    if (indicator == QLatin1String("mehr")) {
        Command14->setVisible(true);
        vars.selectedMoreKey = textOf(vars.recMoreKey);
    }
    if (indicator == QLatin1String("ja")) {
        Text9->setPlainText(textOf(vars.recFurtherInfo));
        const QString term = textOf(vars.recTerm);
        const QString explanation = textOf(vars.recExplanation);
        if (term.size() > 29) {
            Text2->setVisible(true);
            Text2->setText(QStringLiteral("Vollständiger Suchbegriff = ") + term);
        }
        if (explanation.size() > 29) {
            Text4->setVisible(true);
            Text4->setPlainText(QStringLiteral("Vollständige Erklärung = ") + explanation);
        }
    }
}
