// The main window's handlers for adding entries, the explanation search and
// the more-information display.
#include "Lexikon.h"

#include "store/Categories.h"
#include "store/LexiconFiles.h"
#include "common/Look.h"
#include "common/Messages.h"
#include "search/MoreInfo.h"
#include "entries/NewEntry.h"
#include "common/Windows.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kNotStoredTitle = QStringLiteral(" Eintrag nicht gespeichert ");
}

void Lexikon::explanationSearch() { runSearch(search::explanationSearch()); }

void Lexikon::moreInformation() {
    const QString key = vars.selectedMoreKey;
    vars.selectedMoreKey = QString();
    moreinfo::display(this, key);
    Command14->setVisible(false);
}

void Lexikon::moreInformationClicked() {
    // The button shows the texts of the hit selected now, also when the window
    // is still open with the texts of an earlier hit.
    windows::close(QStringLiteral("info"));
    moreInformation();
}

void Lexikon::enterAddMode() {
    look::setOuterHeight(this, 7950);
    vars.addModeFlag = QStringLiteral("ja");
    Option3->setVisible(false);
    Option9->setChecked(true);
    Option17->setChecked(true);
    Frame2->setVisible(false);
    for (QWidget* w : {static_cast<QWidget*>(Text2), static_cast<QWidget*>(Text4), static_cast<QWidget*>(Text6),
                       static_cast<QWidget*>(Text7), static_cast<QWidget*>(Command1), static_cast<QWidget*>(Text11)})
        w->setVisible(true);
    Text11->setText(vars.lastSource.isEmpty() ? QStringLiteral("zub") : vars.lastSource);
    updateFocusPolicies();
}

QString Lexikon::shownCategoryCode() const {
    // "Sprachen": the language shown selected in its frame (none: "andere");
    // every other dictionary: its own category.
    const QAbstractButton* chosen = dictionaryGroup_->checkedButton();
    const int dictionary = chosen ? optionNumber(chosen) : 9;
    const QAbstractButton* language = languageGroup_->checkedButton();
    const int option = dictionary == 4 ? (language ? optionNumber(language) : 17) : dictionary;
    const lexicon::Category* c = lexicon::categoryOfOption(option);
    return c ? c->code : lexicon::categoryOfOption(9)->code;  // "Allgemein"
}

void Lexikon::addEntry() {
    // The entry goes where the window shows: into the file of the dictionary
    // chosen in "Lexika", with the code of that dictionary or, for
    // "Sprachen", of the language chosen in its frame.
    const QString code = shownCategoryCode();
    const QString target = vars.targetLexiconFile.isEmpty() ? QStringLiteral("2sp.lex") : vars.targetLexiconFile;
    if (Text3->text().trimmed().isEmpty()) {
        messages::show(this, kNotStoredTitle,
                       QStringLiteral("Bitte geben Sie im Feld >Suchbegriff< das Wort ein, das Sie hinzufügen "
                                      "wollen, und klicken Sie erneut auf >Hinzufügen<."));
        Text3->setFocus();
        return;
    }
    entries::NewEntry entry{Text3->text(), Text7->toPlainText(), code, Text9->toPlainText(), Text11->text()};
    const entries::Check check = entries::prepare(entry);
    // Nothing is written and the window stays in add mode with every text
    // kept when the entry cannot be stored as typed.
    if (!check.fieldWithQuote.isEmpty()) {
        messages::show(this, kNotStoredTitle,
                       QStringLiteral("Das Feld >%1< enthält ein Anführungszeichen (\"). Die Lexikondateien "
                                      "können es nicht speichern. Bitte entfernen Sie es und klicken Sie "
                                      "erneut auf >Hinzufügen<.")
                           .arg(check.fieldWithQuote));
        return;
    }
    if (!check.unstorable.isEmpty()) {
        messages::show(this, kNotStoredTitle,
                       QStringLiteral("Diese Zeichen können in den Lexikondateien nicht gespeichert werden: %1\n"
                                      "Bitte schreiben Sie sie mit lateinischen Buchstaben.")
                           .arg(check.unstorable.join(QStringLiteral(" "))));
        return;
    }
    const entries::AppendResult result = entries::append(target, entry);
    if (!result.ok) {
        const QString state =
            result.notRestored.isEmpty()
                ? QStringLiteral("Die Lexikondatei und lexerg2.txt sind unverändert.")
                : QStringLiteral("ACHTUNG: %1 konnte nicht auf den vorigen Stand gekürzt werden und endet mit "
                                 "einem unvollständigen Eintrag.")
                      .arg(result.notRestored.join(QStringLiteral(" und ")));
        messages::show(this, kNotStoredTitle,
                       QStringLiteral("Die Datei %1 kann nicht beschrieben werden: %2.\nDer Eintrag wurde nicht "
                                      "gespeichert. %3 Ihre Eingaben bleiben erhalten.")
                           .arg(result.failedFile, result.reason, state));
        return;
    }

    vars.addModeFlag = QStringLiteral("no");
    Option3->setVisible(true);
    Option3->setChecked(true);
    Text2->setVisible(true);
    Text4->setVisible(true);
    look::setOuterHeight(this, 5955);
    for (QWidget* w : {static_cast<QWidget*>(Text6), static_cast<QWidget*>(Text7),
                       static_cast<QWidget*>(Text11), static_cast<QWidget*>(Frame2)})
        w->setVisible(false);
    Command2->setVisible(true);
    Text7->setPlainText(QString());
    Text9->setPlainText(QString());
    vars.lastSource = Text11->text();
    Text11->setText(QString());
    // The button just clicked lies below the visible part now.
    updateFocusPolicies();
    Text3->setFocus();

    if (!check.replaced.isEmpty())
        messages::show(this, QStringLiteral(" Schreibweise angepasst "),
                       QStringLiteral("Die Lexikondateien kennen nicht alle Buchstaben. Der Eintrag wurde in der "
                                      "Schreibweise des Lexikons gespeichert:\n%1")
                           .arg(check.replaced.join(u'\n')));
}
