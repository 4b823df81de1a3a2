#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The categories of entries and the dictionaries of the main window, in one
// place: which code an entry carries, what the list calls it, which file
// holds it, and which option of the main window chooses it.
namespace lexicon {

struct Category {
    QString code;    // the CategoryCode of field 4 ("" for "andere")
    QString label;   // what the result list shows in its "Teilbereich" column
    QString file;    // the lexicon file that holds entries of this code (and imports them)
    int option;      // the main-window option that gives a new entry this code
};

// Every category, the dictionaries' first, then the register languages.
const QList<Category>& categories();
// The category a main-window option (Option5 … Option18) stands for, or null.
const Category* categoryOfOption(int option);
// The label shown in the result list: the table's, any other code unchanged.
QString categoryLabel(const QString& code);
// The lexicon file an imported record goes to, chosen by its code (case
// matters); a code of no dictionary of its own goes to the language dictionary.
QString importTarget(const QString& code);

// A choice of the frame "Lexika" (Option3 … Option9).
struct Dictionary {
    int option;
    QString name;         // the window caption's last word(s); empty for "Alle Lexika"
    QStringList searched; // the files a search reads, in this order
    bool setsCode;        // whether choosing it gives new entries its category's code
};

const QList<Dictionary>& dictionaries();
const Dictionary& dictionaryOfOption(int option);  // "Alle Lexika" for an unknown one
// The file new entries go to when this dictionary is chosen (empty for "Alle Lexika").
QString targetFile(const Dictionary& d);

// The six term dictionaries in the order in which "Alle Lexika" reads them.
QStringList allTermFiles();
// The term dictionaries and 2te.lex in the order of the maintenance copies
// and the export: 2da, 2kr, 2la, 2pe, 2sp, 2te, 2vo.
QStringList lexiconFilesInNameOrder();

}  // namespace lexicon
