#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// The moveable feasts of a year: Easter Sunday by Gauss's formula for the
// Gregorian calendar, and the feasts that are counted from it.
namespace feasts {

constexpr int kFirstYear = 1583;
constexpr int kLastYear = 3000;
// Before this year the Gregorian calendar was not yet in use everywhere in Europe.
constexpr int kGeneralAdoptionYear = 1753;

// The number typed into the year box, read on its digits: blanks and tabs
// are skipped wherever they stand, digits are read up to the first other
// character, and a point followed by digits starts the fraction. A text that
// does not begin with a number reads as 0. "1 984x" reads as 1984.
struct TypedYear {
    qint64 whole = 0;       // the digits before the point; any value above 99999 reads as 99999
    bool fraction = false;  // a digit other than 0 after the point
};
TypedYear readYear(const QString& text);

// The year if it lies between 1583 and 3000 and has no fraction: decided on
// the typed digits, so "2000.9999999999999999999" is no year at all, not 2001.
std::optional<int> acceptedYear(const TypedYear& typed);

// The quantities of Gauss's Easter formula, named as in the formula.
struct GaussValues {
    int a = 0, b = 0, c = 0;
    int k = 0, pPrime = 0, q = 0, t = 0;
    int M = 0, N = 0;
    int d = 0, e = 0;
};

// Gauss's values for a year between 1583 and 3000, d with both corrections applied.
GaussValues gaussValues(int year);

// 21 March of the year plus d + e + 1 days.
QDate easterSunday(int year);

enum class Feast {
    Aschermittwoch,
    Karfreitag,
    Palmsonntag,
    Ostersonntag,
    Ostermontag,
    Pfingstsonntag,
    Pfingstmontag,
    Fronleichnam,
};
constexpr int kFeastCount = 8;

// Days from Easter Sunday to the feast.
int daysFromEaster(Feast feast);

struct FeastDates {
    std::array<QDate, kFeastCount> dates;
    const QDate& operator[](Feast f) const { return dates[static_cast<int>(f)]; }
};

FeastDates feastDates(int year);

// The date as the window shows it: "18.04.1954".
QString formatDate(const QDate& date);

}  // namespace feasts
