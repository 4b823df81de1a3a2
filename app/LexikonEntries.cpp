// The main window's handlers for adding entries, the explanation search and
// the more-information display.
#include "Lexikon.h"

#include "LexiconFiles.h"
#include "Look.h"
#include "Messages.h"
#include "MoreInfo.h"
#include "NewEntry.h"

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
    moreinfo::display(this, vars);
    Command14->setVisible(false);
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
}

void Lexikon::addEntry() {
    // The code stored by the last dictionary or language choice; a language
    // still selected in the hidden frame replaces it ("andere" has no code).
    QString code = vars.newEntryCategory;
    const struct {
        QRadioButton* option;
        const char* code;
    } languages[] = {{Option10, "Ts"}, {Option11, "Po"}, {Option12, "Un"}, {Option13, "It"},
                     {Option14, "Ru"}, {Option15, "Se"}, {Option16, "La"}, {Option18, "Sn"}};
    for (const auto& l : languages)
        if (l.option->isChecked()) code = QString::fromLatin1(l.code);

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
    const QString target = vars.targetLexiconFile.isEmpty() ? QStringLiteral("2sp.lex") : vars.targetLexiconFile;
    const entries::AppendResult result = entries::append(target, entry);
    if (!result.ok) {
        messages::show(this, kNotStoredTitle,
                       QStringLiteral("Die Datei %1 kann nicht beschrieben werden (schreibgeschützt oder "
                                      "Ordner nicht beschreibbar). Der Eintrag wurde nicht gespeichert; "
                                      "Ihre Eingaben bleiben erhalten.")
                           .arg(result.failedFile));
        return;
    }
    vars.setRecord(entries::recordOf(entry));
    vars.recSourceCopy = std::nullopt;

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

    if (!check.replaced.isEmpty())
        messages::show(this, QStringLiteral(" Schreibweise angepasst "),
                       QStringLiteral("Die Lexikondateien kennen nicht alle Buchstaben. Der Eintrag wurde in der "
                                      "Schreibweise des Lexikons gespeichert:\n%1")
                           .arg(check.replaced.join(u'\n')));
}
