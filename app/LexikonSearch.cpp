// The main window's search handlers: the term search, the result list and the
// detail display of the selected hit.
#include "Lexikon.h"

#include "search/ListLine.h"
#include "common/Look.h"
#include "common/Messages.h"
#include "search/ResultDetail.h"

#include <QLineEdit>
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

namespace {

// Empties a text box; one that is empty already is left alone (a search
// empties three of them on every click).
void empty(QPlainTextEdit* box) {
    if (!box->document()->isEmpty()) box->setPlainText(QString());
}

}  // namespace

void Lexikon::runSearch(const search::Params& params) {
    Text2->setText(QString());
    empty(Text4);
    if (Text3->text().isEmpty()) {
        messages::show(this, QStringLiteral("  S U C H B E G R I F F   E I N G E B E N  "),
                       QStringLiteral("Wenigsten drei Buchstaben in das Feld >Suchbegriff< eingeben!"));
        return;
    }
    empty(Text9);
    // The button belongs to the selected hit; a new list has none selected.
    Command14->setVisible(false);
    vars.selectedMoreKey = QString();
    Text2->setVisible(true);
    Text4->setVisible(true);
    const auto mode = Option2->isChecked() ? search::MatchMode::Contains : search::MatchMode::Begins;
    const search::Outcome outcome =
        search::run(Text3->text(), mode, search::filesForOption(selectedDictionaryOption()), params);
    resultIndex_ = outcome.index;
    // The list holds exactly the hits of this search, put in as one batch
    // (an empty list when there are none), before any message is shown.
    const bool listed = outcome.resultFileProblem.isEmpty() && outcome.hitCount > 0;
    fillingList_ = true;
    List1->setLines(listed ? outcome.lines : QStringList());
    fillingList_ = false;
    if (!outcome.resultFileProblem.isEmpty()) {
        messages::show(this, search::resultFileTitle(), search::resultFileText(outcome.resultFileProblem));
    } else if (outcome.hitCount == 0) {
        messages::show(this, QStringLiteral(" Eingabe ändern "),
                       QStringLiteral("Es wurde kein entsprechender Begriff gefunden. Wählen Sie >Alle Lexika<.\n"
                                      "Wenn Sie diesen Begriff zu Ihren Lexika hinzufügen wollen drücken Sie >Ergänzen<!"));
    } else {
        Text5->setText(listline::headings());
    }
    if (!outcome.problems.isEmpty())
        messages::show(this, search::problemTitle(), search::problemText(outcome.problems));
    Text3->setFocus();
}

void Lexikon::resultLineSelected(int index) {
    if (Text3->text() == QLatin1String("quelle")) {
        Text9->setPlainText(List1->text(index).mid(9));
        return;
    }
    Text9->setPlainText(QString());
    Text4->setPlainText(QString());
    Text2->setText(QString());
    Text2->setVisible(true);
    Text4->setVisible(true);
    // The more-information button shows only while a "mehr" hit is selected.
    Command14->setVisible(false);
    vars.selectedMoreKey = QString();
    // A ResultFile that is gone or shorter than the list shows nothing rather
    // than the details of another hit.
    const std::optional<FieldValues> hit = detail::readHit(index, resultIndex_);
    if (!hit) return;
    const QString moreKey = textOf(hit->value(0)), term = textOf(hit->value(1)), explanation = textOf(hit->value(2));
    const QString furtherInfo = textOf(hit->value(4)), indicator = textOf(hit->value(5));
    if (indicator == QLatin1String("mehr")) {
        Command14->setVisible(true);
        vars.selectedMoreKey = moreKey;
    }
    if (indicator == QLatin1String("ja")) {
        Text9->setPlainText(furtherInfo);
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
