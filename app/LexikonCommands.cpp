// The search box as a small command line, the TEVO export and the
// maintainer's conversion buttons of the main window.
#include "Lexikon.h"

#include "commands/Backup.h"
#include "commands/CommandWords.h"
#include "maintenance/Konvert.h"
#include "maintenance/MainConversions.h"
#include "common/Messages.h"
#include "search/MoreInfo.h"
#include "feasts/OsternWindow.h"
#include "scripts/SchriftenWindows.h"
#include "commands/TevoExport.h"
#include "common/Windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

void Lexikon::searchBoxChanged() {
    setSearchButtonWidth();
    // In add mode Text9 holds the new entry's further information, which may
    // be typed before the term.
    if (vars.addModeFlag != QLatin1String("ja")) Text9->setPlainText(QString());
    windows::close(QStringLiteral("info"));

    const commandwords::Actions a = commandwords::recognise(Text3->text());
    // The user goes on typing in the search box: windows come to the front
    // without taking the keyboard focus from it.
    const windows::KeepFocus keepFocus;
    if (a.ostern) showOstern();
    if (a.schriften) showSchriften();
    if (a.backup) {
        if (backup::copyAdditionsLog(a.drive, drives_)) {
            Text3->setText(QStringLiteral("Speicherung erledigt"));
        } else {
            messages::show(this, QStringLiteral(" F E H L E R   S P E I C H E R M E D I U M "),
                           QStringLiteral("Das angegebene Speichermedium (Stick oder Diskette) ist nicht bereit!"));
            Text3->setText(QString());
        }
        return;
    }
    if (a.tevo) {
        tevoExport();
        return;
    }
    if (a.konvert) showKonvert();
    if (a.sources) {
        vars.selectedMoreKey = QStringLiteral("quel!");
        moreInformation();
    }
    if (!a.storedTextKey.isEmpty()) {
        vars.selectedMoreKey = a.storedTextKey;
        moreInformation();
    }
}

void Lexikon::tevoExport() { tevoExporter_->start(); }

void Lexikon::tevoExportStarted() {
    // The text of an earlier export must not stand beside one that may fail.
    Text2->clear();
}

void Lexikon::tevoExportFinished(const tevo::ExportResult& result) {
    if (result.allExported())
        Text2->setText(tevo::completionText());
    else
        tevo::showFailures(this, result);
}

void Lexikon::runConversion(maintenance::Outcome (*conversion)()) {
    const maintenance::Outcome outcome = conversion();
    if (maintenance::report(this, outcome) && !outcome.status.isEmpty()) Text9->setPlainText(outcome.status);
}
