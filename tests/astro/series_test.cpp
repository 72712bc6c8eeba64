// The planetary series, the Moon and Pluto against published check values.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/pluto.h"
#include "astro/series_tables.h"

namespace {

TEST(PlanetSeries, TableHasEverySeriesWithItsTermCount) {
    // Terms per series, L0..L5, B0..B5, R0..R5 (0 = no such series).
    const int counts[8][18] = {
        {38, 16, 10, 8, 6, 1, 14, 11, 9, 7, 2, 0, 13, 8, 7, 5, 0, 0},
        {24, 12, 8, 3, 3, 1, 9, 4, 4, 4, 1, 0, 12, 3, 3, 1, 1, 0},
        {64, 34, 20, 7, 3, 1, 5, 2, 0, 0, 0, 0, 40, 10, 6, 2, 1, 0},
        {69, 46, 33, 12, 8, 2, 16, 9, 7, 4, 3, 0, 45, 27, 11, 6, 4, 0},
        {64, 61, 57, 39, 19, 5, 26, 22, 14, 9, 6, 1, 46, 43, 36, 28, 15, 7},
        {90, 79, 63, 48, 27, 12, 34, 32, 29, 21, 12, 2, 44, 38, 32, 28, 23, 18},
        {91, 57, 35, 18, 4, 0, 28, 20, 11, 4, 1, 0, 59, 35, 18, 10, 2, 0},
        {38, 18, 7, 4, 1, 0, 17, 13, 6, 4, 1, 0, 32, 15, 5, 1, 0, 0}};
    ASSERT_EQ(VsopPlanets().size(), 8u);
    EXPECT_EQ(VsopTerms().size(), 2430u);
    size_t next = 0;  // series lie back to back in file order
    for (int p = 0; p < 8; ++p) {
        const PlanetSeries& s = VsopPlanets()[p];
        const SeriesSlice* coordinate[3] = {s.L, s.B, s.R};
        const int powers[3] = {s.nL, s.nB, s.nR};
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 6; ++k) {
                int expected = counts[p][c * 6 + k];
                EXPECT_EQ(k < powers[c] ? coordinate[c][k].count : 0, expected)
                    << "planet " << p << " coordinate " << c << " power " << k;
                if (k < powers[c]) {
                    EXPECT_EQ(coordinate[c][k].first, next);
                    next += coordinate[c][k].count;
                }
            }
    }
    EXPECT_EQ(next, 2430u);
}

TEST(PlanetSeries, EvaluateSeriesSumsAmplitudeTimesCosine) {
    const SeriesTerm terms[] = {{2e8, 0, 0}, {1e8, 1.0, 2.0}};
    EXPECT_DOUBLE_EQ(EvaluateSeries(0.5, terms), 2 + std::cos(2.0));
    EXPECT_EQ(EvaluateSeries(0.5, std::span<const SeriesTerm>()), 0.0);
}

TEST(PlanetSeries, VenusAndEarthCheckValues) {
    double L, B, R;
    VenusPosition(2448976.5, L, B, R);
    EXPECT_NEAR(L, -68.6592581, 5e-8);
    EXPECT_NEAR(WrapAngle(L * kRadToDeg, 360), 26.11428, 5e-6);
    EXPECT_NEAR(B, -0.045740, 5e-7);
    EXPECT_NEAR(B * kRadToDeg, -2.62070, 5e-6);
    EXPECT_NEAR(R, 0.724603, 5e-7);
    EarthPosition(2448908.5, L, B, R);
    EXPECT_NEAR(L, -43.6348480, 5e-8);
    EXPECT_NEAR(WrapAngle(L * kRadToDeg, 360), 19.907372, 5e-7);
    EXPECT_NEAR(B, -0.00000312, 5e-9);
    EXPECT_NEAR(R, 0.99760775, 5e-9);
}

TEST(PlanetSeries, AtJ2000OnlyThePowerZeroSeriesCount) {
    // Sums of A·cos B of each power-0 series, times 1e-8.
    const double expected[8][3] = {
        {4.429346753906644, -0.05275714853825332, 0.46647269198722935},
        {3.18702068771429, 0.05697840428253539, 0.7202134115230496},
        {1.7519226991191268, -3.3047811093253814e-06, 0.9833275822117686},
        {6.273542211257134, -0.024780458015582343, 1.3912052944073927},
        {0.6334617876901559, -0.02050029516477943, 4.965388318451594},
        {0.7980058391839953, -0.04019688897830806, 9.183730308331672},
        {5.522545767674151, -0.01195171337539287, 19.92397152910413},
        {5.30456530283473, 0.004223052293117304, 30.120533978667794}};
    void (*const routines[8])(double, double&, double&, double&) = {
        MercuryPosition, VenusPosition,  EarthPosition,  MarsPosition,
        JupiterPosition, SaturnPosition, UranusPosition, NeptunePosition};
    for (int p = 0; p < 8; ++p) {
        double v[3];
        routines[p](kJ2000, v[0], v[1], v[2]);
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(v[c], expected[p][c], 1e-12 * std::fabs(expected[p][c])) << p << " " << c;
    }
}

TEST(Reduce360, BringsAnglesIntoOneTurn) {
    EXPECT_EQ(Reduce360(360), 360);  // exactly a turn stays
    EXPECT_EQ(Reduce360(720), 360);
    EXPECT_EQ(Reduce360(725), 5);
    EXPECT_EQ(Reduce360(-10), 350);
    EXPECT_EQ(Reduce360(-360), 0);
    EXPECT_EQ(Reduce360(0), 0);
    EXPECT_FALSE(std::signbit(Reduce360(-720)));
    EXPECT_DOUBLE_EQ(Reduce360(38500000.25), 38500000.25 - 360 * 106944);
    EXPECT_TRUE(std::isnan(Reduce360(INFINITY)));
    EXPECT_TRUE(std::isnan(Reduce360(-INFINITY)));
}

TEST(Moon, CheckValueOf1992April12) {
    double lambda, beta, distance;
    MoonPosition(2448724.5, lambda, beta, distance);
    EXPECT_NEAR(lambda * kRadToDeg, 133.162660, 5e-7);
    EXPECT_NEAR(beta * kRadToDeg, -3.229127, 5e-7);
    EXPECT_NEAR(distance, 57.762572, 5e-7);
    EXPECT_NEAR(distance * 6378, 368409.68, 0.005);
}

TEST(Moon, LongitudeStaysInOneTurnLatitudeIsNotReduced) {
    for (double jd = 2415020.5; jd < 2488070.5; jd += 97.3) {
        double lambda, beta, distance;
        MoonPosition(jd, lambda, beta, distance);
        ASSERT_GE(lambda, 0);
        ASSERT_LE(lambda, 2 * kPi);
        ASSERT_LT(std::fabs(beta), 5.4 * kDegToRad);
        ASSERT_GT(distance * 6378, 356000);
        ASSERT_LT(distance * 6378, 407000);
    }
}

TEST(Pluto, PublishedSeriesAndEquinoxOfDate) {
    double l, b, r;
    PlutoPositionJ2000(2448908.5, l, b, r);
    EXPECT_NEAR(l * kRadToDeg, 232.74009, 5e-6);
    EXPECT_NEAR(b * kRadToDeg, 14.58769, 5e-6);
    EXPECT_NEAR(r, 29.711383, 5e-7);
    // Of the date: 7.2 years before J2000.0 the equinox lay 0.1008 degree back.
    double ld, bd, rd;
    PlutoPosition(2448908.5, ld, bd, rd);
    EXPECT_NEAR(ld * kRadToDeg, 232.63926, 1e-5);
    EXPECT_EQ(bd, b);
    EXPECT_EQ(rd, r);
    EXPECT_NEAR(PrecessionInLongitude(kJ2000 + 36525), 1.3972799, 1e-7);
    EXPECT_EQ(PrecessionInLongitude(kJ2000), 0);
}

TEST(Pluto, NegativeLatitudeComesOutAsMostOfATurn) {
    // Around 1930 Pluto stood south of the ecliptic.
    double l, b, r;
    PlutoPosition(2426000.5, l, b, r);
    EXPECT_GT(b * kRadToDeg, 340);
    EXPECT_LT(b * kRadToDeg, 360);
    EXPECT_GE(l, 0);
    EXPECT_LE(l, 2 * kPi);
}

}  // namespace
