// The planetary series, the Moon and Pluto against published check values.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/pluto.h"
#include "astro/series_tables.h"

namespace {

// The planets' evaluation shares one sine and cosine per frequency among
// the terms and the planets of an instant; it must give the plain sum of
// A cos(B + C t) over each series, and the same places whether the planets
// share an instant (in any order) or not.
TEST(PlanetSeries, EveryPlanetMatchesThePlainSumOfItsTerms) {
    using Routine = void (*)(double, double&, double&, double&);
    const Routine routines[8] = {MercuryPosition, VenusPosition, EarthPosition, MarsPosition,
                                 JupiterPosition, SaturnPosition, UranusPosition, NeptunePosition};
    const std::span<const SeriesTerm> terms = VsopTerms();
    auto plain = [&](double t, const SeriesSlice* slices, int powers) {
        double x = 0;
        for (int p = powers - 1; p >= 0; --p) {
            double sum = 0;
            for (const SeriesTerm& term : terms.subspan(slices[p].first, slices[p].count))
                sum += term.A * std::cos(term.B + term.C * t);
            x = x * t + sum * 1e-8;
        }
        return x;
    };
    for (double jd = 2378496.5; jd < 2524593.5; jd += 3652.3) {  // 1800 to 2200
        const double t = JulianMillennia(jd);
        SeriesInstant shared(jd);
        for (int planet = 7; planet >= 0; --planet) {
            const PlanetSeries& s = VsopPlanets()[planet];
            double L, B, R;
            routines[planet](jd, L, B, R);
            EXPECT_NEAR(L, plain(t, s.L, s.nL), 1e-11) << planet << " " << jd;
            EXPECT_NEAR(B, plain(t, s.B, s.nB), 1e-11) << planet << " " << jd;
            EXPECT_NEAR(R, plain(t, s.R, s.nR), 1e-11) << planet << " " << jd;
            SeriesPlace alone, place;
            PlanetPositionAndRate(planet, jd, alone);
            shared.PositionAndRate(planet, place);
            EXPECT_TRUE(place.L == L && place.B == B && place.R == R) << planet << " " << jd;
            EXPECT_TRUE(place.dL == alone.dL && place.dB == alone.dB && place.dR == alone.dR) << planet;
        }
    }
}

TEST(PlanetSeries, VenusAndEarthCheckValues) {
    double L, B, R;
    VenusPosition(2448976.5, L, B, R);
    EXPECT_NEAR(L, -68.6592581, 5e-8);
    EXPECT_NEAR(B * kRadToDeg, -2.62070, 5e-6);
    EXPECT_NEAR(R, 0.724603, 5e-7);
    EarthPosition(2448908.5, L, B, R);
    EXPECT_NEAR(L, -43.6348480, 5e-8);  // not reduced to one turn
    EXPECT_NEAR(WrapAngle(L * kRadToDeg, 360), 19.907372, 5e-7);
    EXPECT_NEAR(B, -0.00000312, 5e-9);
    EXPECT_NEAR(R, 0.99760775, 5e-9);
}

TEST(Reduce360, BringsAnglesIntoOneTurn) {
    const double cases[][2] = {{360, 360}, {720, 360}, {725, 5}, {-10, 350}, {-360, 0}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(Reduce360(c[0]), c[1]) << c[0];  // exactly a turn stays
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
    EXPECT_NEAR(distance * 6378, 368409.68, 0.005);  // in units of 6378 km
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

}  // namespace
