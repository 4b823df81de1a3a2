#include "LexiconFiles.h"

#include <QHash>

namespace lexicon {

QStringList allTermFiles() {
    return {"2sp.lex", "2la.lex", "2pe.lex", "2kr.lex", "2da.lex", "2vo.lex"};
}

QString categoryLabel(const QString& code) {
    static const QHash<QString, QString> labels = {
        {"Pe", "Personenbez."}, {"Da", "Datum"},       {"Vo", "Vornamen"},
        {"Kr", "Krankheit"},    {"La", "Latein"},      {"Al", "Allgemein"},
        {"Po", "Polnisch"},     {"Se", "Sebokroatisch"}, {"It", "Italienisch"},
        {"Ts", "Tschechisch"},  {"Un", "Ungarisch"},   {"Ru", "Rumänisch"},
        {"Sn", "Spanisch"},
    };
    if (code.isEmpty()) return QStringLiteral("unbekannt");
    return labels.value(code, code);
}

QString importTarget(const QString& code) {
    static const QHash<QString, QString> targets = {
        {"La", "2la.lex"}, {"Kr", "2kr.lex"}, {"Vo", "2vo.lex"}, {"Pe", "2pe.lex"}, {"Da", "2da.lex"},
    };
    return targets.value(code, QStringLiteral("2sp.lex"));
}

}  // namespace lexicon
