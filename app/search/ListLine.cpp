#include "ListLine.h"

#include "LexiconFiles.h"

namespace listline {

namespace {

// Line breaks inside a field would break the list's columns; each shows as a blank.
QString oneLine(QString s) {
    for (QChar& c : s)
        if (c == u'\r' || c == u'\n') c = u' ';
    return s;
}

QString padded(const QString& s, int width) {
    return s.size() >= width ? s : s + QString(width - s.size(), u' ');
}

}  // namespace

QString termColumn(const QString& term) {
    const QString t = oneLine(term);
    return padded(t.size() > 25 ? t.left(24) : t, 30);
}

QString explanationColumn(const QString& explanation) {
    const QString e = oneLine(explanation);
    return padded(e.size() > 31 ? e.left(28) : e, 31);
}

QString build(const QString& term, const QString& explanation, const QString& indicator,
              const QString& categoryCode, const QString& source) {
    // A code that is not in the table is shown unchanged; one longer than its
    // column is cut to the column so that the source still stands in its place.
    const QString label = oneLine(lexicon::categoryLabel(categoryCode)).left(13);
    return termColumn(term) + explanationColumn(explanation) + padded(indicator, 8) +
           padded(label, 13) + oneLine(source.left(4));
}

QString headings() {
    return QStringLiteral("Suchbegriff") + QString(52, u' ') + QStringLiteral("Erklärung") +
           QString(50, u' ') + QStringLiteral("Weitere Info") + QString(6, u' ') +
           QStringLiteral("Teilbereich") + QString(15, u' ') + QStringLiteral("Quelle");
}

}  // namespace listline
