#include "feasts/Easter.h"

#include <algorithm>

namespace feasts {

namespace {
bool isSkipped(QChar ch) { return ch == u' ' || ch == u'\t'; }
}  // namespace

TypedYear readYear(const QString& text) {
    constexpr qint64 kCap = 99999;  // far above every accepted year: more digits change nothing
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && isSkipped(text[i])) ++i;
    };
    auto digitAt = [&](qsizetype at) { return at < n && text[at] >= u'0' && text[at] <= u'9'; };

    TypedYear typed;
    skip();
    while (digitAt(i)) {
        typed.whole = std::min(kCap, typed.whole * 10 + (text[i].unicode() - u'0'));
        ++i;
        skip();
    }
    if (i < n && text[i] == u'.') {
        ++i;
        skip();
        while (digitAt(i)) {
            if (text[i] != u'0') typed.fraction = true;
            ++i;
            skip();
        }
    }
    return typed;
}

std::optional<int> acceptedYear(const TypedYear& typed) {
    // A year with a fractional part is no year: refused like one out of range.
    if (typed.fraction || typed.whole < kFirstYear || typed.whole > kLastYear) return std::nullopt;
    return int(typed.whole);
}

GaussValues gaussValues(int Y) {
    GaussValues g;
    g.a = Y % 19;
    g.b = Y % 4;
    g.c = Y % 7;
    g.k = Y / 100;
    // Every operand is positive in 1583..3000, so integer division truncates
    // exactly as taking the whole-number part does.
    g.pPrime = (8 * g.k + 13) / 25 - 2;
    g.q = Y / 400;
    g.t = g.k - g.q - 2;
    g.M = (g.t + 15 - g.pPrime) % 30;
    g.N = (g.t + 6) % 7;
    g.d = (g.M + 19 * g.a) % 30;
    if (g.d == 29)
        g.d = 28;
    else if (g.d == 28 && g.a > 10)
        g.d = 27;
    g.e = (2 * g.b + 4 * g.c + 6 * g.d + g.N) % 7;
    return g;
}

QDate easterSunday(int year) {
    const GaussValues g = gaussValues(year);
    return QDate(year, 3, 21).addDays(g.d + g.e + 1);
}

int daysFromEaster(Feast feast) {
    switch (feast) {
    case Feast::Aschermittwoch: return -46;
    case Feast::Karfreitag: return -2;
    case Feast::Palmsonntag: return -7;
    case Feast::Ostersonntag: return 0;
    case Feast::Ostermontag: return 1;
    case Feast::Pfingstsonntag: return 49;
    case Feast::Pfingstmontag: return 50;
    case Feast::Fronleichnam: return 60;
    }
    return 0;
}

FeastDates feastDates(int year) {
    const QDate easter = easterSunday(year);
    FeastDates result;
    for (int i = 0; i < kFeastCount; ++i)
        result.dates[i] = easter.addDays(daysFromEaster(static_cast<Feast>(i)));
    return result;
}

QString formatDate(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }

}  // namespace feasts
