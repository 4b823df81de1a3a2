#include "search/ListLine.h"

#include "store/Cp1252.h"
#include "store/Categories.h"

#include <QList>
#include <QVarLengthArray>

#include <algorithm>

namespace listline {

QString build(const QString& term, const QString& explanation, const QString& indicator,
              const QString& categoryCode, const QString& source) {
    return buildFromBytes(cp1252::encode(term), cp1252::encode(explanation), cp1252::encode(indicator),
                          cp1252::encode(categoryCode), cp1252::encode(source));
}

namespace {

// Puts `text` at `out` with its line breaks shown as blanks, then blanks up
// to `width`; returns the position after it.
char* putColumn(char* out, QByteArrayView text, qsizetype width) {
    for (char c : text) *out++ = (c == '\r' || c == '\n') ? ' ' : c;
    for (qsizetype i = text.size(); i < width; ++i) *out++ = ' ';
    return out;
}

// The label of a code as bytes. The few codes of the files are looked up once.
QByteArray labelBytes(QByteArrayView code) {
    struct Known {
        QByteArray code;
        QByteArray label;
    };
    static QList<Known> known;
    for (const Known& k : known)
        if (QByteArrayView(k.code) == code) return k.label;
    const QByteArray label = cp1252::encode(lexicon::categoryLabel(cp1252::decode(code)));
    if (known.size() < 32) known.append({code.toByteArray(), label});
    return label;
}

}  // namespace

QString buildFromBytes(QByteArrayView term, QByteArrayView explanation, QByteArrayView indicator,
                       QByteArrayView categoryCode, QByteArrayView source) {
    // A code that is not in the table is shown unchanged; one longer than its
    // column is cut to the column so that the source still stands in its place.
    const QByteArray label = labelBytes(categoryCode);
    const QByteArrayView labelShown = QByteArrayView(label).first(std::min<qsizetype>(label.size(), kColumnStarts[4] - kColumnStarts[3]));
    // Every column is at most as wide as its room, but the indicator may be wider.
    QVarLengthArray<char, 128> line(kLineLength + std::max<qsizetype>(indicator.size(), 8));
    char* out = line.data();
    out = putColumn(out, term.size() > 25 ? term.first(24) : term, kColumnStarts[1]);
    out = putColumn(out, explanation.size() > 31 ? explanation.first(28) : explanation,
                    kColumnStarts[2] - kColumnStarts[1]);
    out = putColumn(out, indicator, kColumnStarts[3] - kColumnStarts[2]);
    out = putColumn(out, labelShown, kColumnStarts[4] - kColumnStarts[3]);
    out = putColumn(out, source.first(std::min<qsizetype>(source.size(), kLineLength - kColumnStarts[4])), 0);
    return cp1252::decode(QByteArrayView(line.data(), out - line.data()));
}

QString headings() {
    return QStringLiteral("Suchbegriff") + QString(52, u' ') + QStringLiteral("Erklärung") +
           QString(50, u' ') + QStringLiteral("Weitere Info") + QString(6, u' ') +
           QStringLiteral("Teilbereich") + QString(15, u' ') + QStringLiteral("Quelle");
}

}  // namespace listline
