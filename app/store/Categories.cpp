#include "store/Categories.h"

#include <algorithm>

namespace lexicon {

namespace {
const QString kLanguages = QStringLiteral("2sp.lex");
}

const QList<Category>& categories() {
    static const QList<Category> table = {
        {"Pe", "Personenbez.", "2pe.lex", 5},  {"Kr", "Krankheit", "2kr.lex", 6},
        {"Da", "Datum", "2da.lex", 7},         {"Vo", "Vornamen", "2vo.lex", 8},
        {"Al", "Allgemein", kLanguages, 9},    {"Ts", "Tschechisch", kLanguages, 10},
        {"Po", "Polnisch", kLanguages, 11},    {"Un", "Ungarisch", kLanguages, 12},
        {"It", "Italienisch", kLanguages, 13}, {"Ru", "Rumänisch", kLanguages, 14},
        {"Se", "Sebokroatisch", kLanguages, 15},
        // Latin added by the user goes to the language dictionary (the option
        // sits among the languages); imported Latin goes to its own file.
        {"La", "Latein", "2la.lex", 16},       {"", "unbekannt", kLanguages, 17},
        {"Sn", "Spanisch", kLanguages, 18},
    };
    return table;
}

const Category* categoryOfOption(int option) {
    const auto& table = categories();
    const auto it = std::find_if(table.begin(), table.end(), [option](const Category& c) { return c.option == option; });
    return it == table.end() ? nullptr : &*it;
}

static const Category* categoryOfCode(const QString& code) {
    const auto& table = categories();
    const auto it = std::find_if(table.begin(), table.end(), [&code](const Category& c) { return c.code == code; });
    return it == table.end() ? nullptr : &*it;
}

QString categoryLabel(const QString& code) {
    const Category* c = categoryOfCode(code);
    return c ? c->label : code;
}

QString importTarget(const QString& code) {
    const Category* c = categoryOfCode(code);
    return c ? c->file : kLanguages;
}

const QList<Dictionary>& dictionaries() {
    static const QList<Dictionary> table = {
        {3, QString(), allTermFiles(), false},
        {4, "Sprachenlexikon", {kLanguages, "2la.lex"}, false},
        {5, "Personenlexikon", {"2pe.lex"}, true},
        {6, "Krankheitenlexikon", {"2kr.lex"}, true},
        {7, "Datumslexikon", {"2da.lex"}, true},
        {8, "Vornamenlexikon", {"2vo.lex"}, true},
        {9, "Sprachenlexikon-Allgemein", {kLanguages, "2la.lex"}, true},
    };
    return table;
}

const Dictionary& dictionaryOfOption(int option) {
    const auto& table = dictionaries();
    const auto it = std::find_if(table.begin(), table.end(), [option](const Dictionary& d) { return d.option == option; });
    return it == table.end() ? table.front() : *it;
}

QString targetFile(const Dictionary& d) {
    if (d.option == 3) return QString();
    const Category* c = categoryOfOption(d.option);
    return c ? c->file : kLanguages;
}

QStringList allTermFiles() { return {kLanguages, "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex"}; }

QStringList lexiconFilesInNameOrder() {
    QStringList files = allTermFiles() << QStringLiteral("2te.lex");
    files.sort();
    return files;
}

}  // namespace lexicon
