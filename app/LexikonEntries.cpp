// The main window's handlers for adding entries, the explanation search and
// the more-information display.
#include "Lexikon.h"

#include "LexiconFiles.h"
#include "Look.h"
#include "Messages.h"
#include "MoreInfo.h"
#include "NewEntry.h"
#include "Windows.h"

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

Lexikon::EntryTarget Lexikon::shownTarget() const {
    // "Sprachen": the language shown selected in its frame ("andere" has the
    // empty code); every other dictionary has its own file and code.
    if (Option4->isChecked()) {
        const struct {
            QRadioButton* option;
            const char* code;
        } languages[] = {{Option10, "Ts"}, {Option11, "Po"}, {Option12, "Un"}, {Option13, "It"},
                         {Option14, "Ru"}, {Option15, "Se"}, {Option16, "La"}, {Option18, "Sn"}};
        for (const auto& l : languages)
            if (l.option->isChecked()) return {QStringLiteral("2sp.lex"), QString::fromLatin1(l.code)};
        return {QStringLiteral("2sp.lex"), QString()};
    }
    const struct {
        QRadioButton* option;
        const char* file;
        const char* code;
    } dictionaries[] = {{Option5, "2pe.lex", "Pe"}, {Option6, "2kr.lex", "Kr"}, {Option7, "2da.lex", "Da"},
                        {Option8, "2vo.lex", "Vo"}, {Option9, "2sp.lex", "Al"}};
    for (const auto& d : dictionaries)
        if (d.option->isChecked()) return {QString::fromLatin1(d.file), QString::fromLatin1(d.code)};
    return {QStringLiteral("2sp.lex"), QStringLiteral("Al")};
}

void Lexikon::addEntry() {
    // The entry goes where the window shows: the dictionary chosen in
    // "Lexika" and, for "Sprachen", the language chosen in its frame.
    const EntryTarget target = shownTarget();
    const QString code = target.code;
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
    const entries::AppendResult result = entries::append(target.file, entry);
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
    // The button just clicked lies below the visible part now.
    updateFocusPolicies();
    Text3->setFocus();

    if (!check.replaced.isEmpty())
        messages::show(this, QStringLiteral(" Schreibweise angepasst "),
                       QStringLiteral("Die Lexikondateien kennen nicht alle Buchstaben. Der Eintrag wurde in der "
                                      "Schreibweise des Lexikons gespeichert:\n%1")
                           .arg(check.replaced.join(u'\n')));
}
