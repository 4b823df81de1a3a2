#include "Computus.h"
#include "Easter.h"

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
        double value;
    } cases[] = {
        {"1984", 1984},      {"1 984x", 1984},   {" \t19\t8 4", 1984}, {"", 0},
        {"   ", 0},          {"x1984", 0},       {"-1984", 0},         {"12a34", 12},
        {"2024.5", 2024.5},  {"2024 . 5", 2024.5}, {"2024.", 2024},    {".5", 0.5},
        {"1984,5", 1984},    {"1984.5.3", 1984.5}, {"00002000", 2000}, {"20 24 Ostern", 2024},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readYear(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

TEST(Easter, AcceptedYear) {
    EXPECT_EQ(acceptedYear(1583), 1583);
    EXPECT_EQ(acceptedYear(3000), 3000);
    EXPECT_EQ(acceptedYear(2024.0), 2024);
    EXPECT_FALSE(acceptedYear(1582));
    EXPECT_FALSE(acceptedYear(3001));
    EXPECT_FALSE(acceptedYear(0));
    EXPECT_FALSE(acceptedYear(2024.5));
    EXPECT_FALSE(acceptedYear(1582.5));
    EXPECT_FALSE(acceptedYear(3000.25));
    EXPECT_FALSE(acceptedYear(readYear("99999999999999999999999")));
}
