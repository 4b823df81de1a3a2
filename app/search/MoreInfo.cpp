#include "search/MoreInfo.h"

#include "store/FieldFile.h"
#include "store/LexiconFiles.h"
#include "common/Look.h"
#include "common/Messages.h"
#include "common/Windows.h"

#include <QListWidget>

namespace moreinfo {

QString collect(const QString& key) {
    FieldFile texts;
    if (!texts.openForReading(lexicon::kMoreInfoLexicon)) {
        return texts.status() == FieldFile::Status::NotFound
                   ? QStringLiteral("Die Datei 2te.lex mit den weiteren Informationen fehlt im Lexikonordner.")
                   : QStringLiteral("Die Datei 2te.lex mit den weiteren Informationen kann nicht gelesen werden.");
    }
    FieldFile out;
    if (!out.openForWriting(lexicon::kMoreInfoTemp))
        return QStringLiteral("Die Datei mehrinfo.txt kann im Lexikonordner nicht angelegt werden.");
    QString problem;
    FieldFile::RawItem rec[lexicon::kMoreInfoFields];
    while (!texts.atEnd()) {
        if (!texts.readRawItems(lexicon::kMoreInfoFields, rec)) {
            problem = QStringLiteral("Die Datei 2te.lex endet mitten in einem Eintrag; die Texte davor werden angezeigt.");
            break;
        }
        if (textOf(FieldFile::decodeItem(rec[0])) != key) continue;
        const FieldFile::RawItem line = rec[1].quotedIfSafe();
        out.writeRawRecord(&line, 1);
    }
    if (!out.close()) return QStringLiteral("Die Datei mehrinfo.txt kann nicht geschrieben werden.");
    return problem;
}

void display(QWidget* parent, const QString& key) {
    const QString problem = collect(key);
    if (problem.isEmpty() || problem.startsWith(QStringLiteral("Die Datei 2te.lex endet")))
        windows::show(QStringLiteral("info"), [] { return new InfoWindow; });
    if (!problem.isEmpty())
        messages::show(parent, QStringLiteral(" Mehr Information "), problem);
}

}  // namespace moreinfo

InfoWindow::InfoWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("info"));
    setWindowTitle(QStringLiteral("Mehr Information"));
    look::setClientSize(this, 8085, 4650);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(look::sansSerif(9.75));
    look::place(List1, 0, 0, 8055, 4620);

    // Load step: every line of mehrinfo.txt becomes the next item; then the
    // file is deleted.
    FieldFile in;
    if (in.openForReading(lexicon::kMoreInfoTemp)) {
        FieldValues rec;
        while (!in.atEnd() && in.readItems(1, rec)) List1->addItem(textOf(rec[0]));
        in.close();
        FieldFile::deleteFile(lexicon::kMoreInfoTemp);
    }
}
