#include "Computus.h"
#include "feasts/Easter.h"

#include <gtest/gtest.h>

using namespace feasts;

TEST(Easter, AgreesWithMeeusComputusForEveryYear) {
    int mismatches = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const QDate expected = meeusEaster(year);
        const QDate got = easterSunday(year);
        if (got != expected) {
            ++mismatches;
            ADD_FAILURE() << year << ": " << formatDate(got).toStdString() << " instead of "
                          << formatDate(expected).toStdString();
        }
        EXPECT_EQ(got.dayOfWeek(), Qt::Sunday) << year;
        EXPECT_GE(got, QDate(year, 3, 22)) << year;
        EXPECT_LE(got, QDate(year, 4, 25)) << year;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Easter, EarliestAndLatestDates) {
    EXPECT_EQ(easterSunday(1818), QDate(1818, 3, 22));
    EXPECT_EQ(easterSunday(2285), QDate(2285, 3, 22));
    EXPECT_EQ(easterSunday(1943), QDate(1943, 4, 25));
    EXPECT_EQ(easterSunday(2038), QDate(2038, 4, 25));
}

TEST(Easter, GaussValuesAndCorrections) {
    // 1981: d is 29 and becomes 28.
    GaussValues g = gaussValues(1981);
    EXPECT_EQ(g.a, 5);
    EXPECT_EQ(g.d, 28);
    EXPECT_EQ(g.M, 24);
    EXPECT_EQ(g.N, 5);
    // 1954: d is 28 with a = 16, and becomes 27.
    g = gaussValues(1954);
    EXPECT_EQ(g.a, 16);
    EXPECT_EQ(g.d, 27);
    // 2000: d is 29 and becomes 28; a = 5, so it is not lowered again.
    g = gaussValues(2000);
    EXPECT_EQ(g.a, 5);
    EXPECT_EQ(g.d, 28);
    EXPECT_EQ(g.k, 20);
    EXPECT_EQ(g.pPrime, 4);
    EXPECT_EQ(g.q, 5);
    EXPECT_EQ(g.t, 13);
    // Gauss's own forms of M and N agree with the shifted ones for every year.
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const GaussValues v = gaussValues(year);
        const int p = (8 * v.k + 13) / 25;
        EXPECT_EQ(v.M, (15 + v.k - p - v.q) % 30) << year;
        EXPECT_EQ(v.N, (4 + v.k - v.q) % 7) << year;
    }
}

TEST(Easter, FeastOffsetsAndFormat) {
    const FeastDates d = feastDates(1981);
    EXPECT_EQ(formatDate(d[Feast::Ostersonntag]), "19.04.1981");
    EXPECT_EQ(formatDate(d[Feast::Karfreitag]), "17.04.1981");
    EXPECT_EQ(formatDate(d[Feast::Pfingstsonntag]), "07.06.1981");
    EXPECT_EQ(formatDate(d[Feast::Palmsonntag]), "12.04.1981");
    EXPECT_EQ(formatDate(d[Feast::Ostermontag]), "20.04.1981");
    EXPECT_EQ(formatDate(d[Feast::Pfingstmontag]), "08.06.1981");
    EXPECT_EQ(formatDate(d[Feast::Fronleichnam]), "18.06.1981");
    EXPECT_EQ(formatDate(d[Feast::Aschermittwoch]), "04.03.1981");
    // Counted across 29 February in a leap year, across 28 February otherwise.
    EXPECT_EQ(formatDate(feastDates(2024)[Feast::Aschermittwoch]), "14.02.2024");
    EXPECT_EQ(formatDate(feastDates(2024)[Feast::Ostersonntag]), "31.03.2024");
    EXPECT_EQ(formatDate(feastDates(2013)[Feast::Ostersonntag]), "31.03.2013");
    EXPECT_EQ(formatDate(feastDates(2013)[Feast::Aschermittwoch]), "13.02.2013");
    EXPECT_EQ(formatDate(easterSunday(1583)), "10.04.1583");
}

TEST(Easter, ReadYear) {
    const struct {
        const char* text;
        qint64 whole;
        bool fraction;
    } cases[] = {
        {"1984", 1984, false},     {"1 984x", 1984, false},   {" \t19\t8 4", 1984, false},
        {"", 0, false},            {"   ", 0, false},         {"x1984", 0, false},
        {"-1984", 0, false},       {"12a34", 12, false},      {"2024.5", 2024, true},
        {"2024 . 5", 2024, true},  {"2024.", 2024, false},    {".5", 0, true},
        {"1984,5", 1984, false},   {"1984.5.3", 1984, true},  {"00002000", 2000, false},
        {"20 24 Ostern", 2024, false}, {"2000.000", 2000, false}, {"2000.0001", 2000, true},
        {"2000.9999999999999999999", 2000, true},
        {"1582.99999999999999999999", 1582, true},
        {"99999999999999999999999", 99999, false},  // no overflow, however many digits
    };
    for (const auto& c : cases) {
        const TypedYear typed = readYear(QString::fromUtf8(c.text));
        EXPECT_EQ(typed.whole, c.whole) << '"' << c.text << '"';
        EXPECT_EQ(typed.fraction, c.fraction) << '"' << c.text << '"';
    }
}

TEST(Easter, AcceptedYear) {
    auto year = [](const char* text) { return acceptedYear(readYear(QString::fromUtf8(text))); };
    EXPECT_EQ(year("1583"), 1583);
    EXPECT_EQ(year("3000"), 3000);
    EXPECT_EQ(year("2024.0"), 2024);
    EXPECT_EQ(year("3000.000"), 3000);
    for (const char* refused : {"1582", "3001", "", "2024.5", "1582.5", "3000.25", "3000.01",
                                "2000.9999999999999999999", "1582.99999999999999999999",
                                "3000.00000000000000000001", "99999999999999999999999"})
        EXPECT_FALSE(year(refused)) << refused;
}
