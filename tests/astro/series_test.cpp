// Julian days, sidereal time, the conversion of a chosen time to UT, and the
// planetary series, the Moon and Pluto against published check values.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/julian_day.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/pluto.h"
#include "astro/series_tables.h"
#include "astro/sidereal.h"
#include "astro/time_zone.h"
#include "framework/datetime.h"
#include "tests/scoped_env.h"

namespace {

// The planets' evaluation shares one sine and cosine per frequency among the terms and
// the planets of an instant; it must give the plain sum of A cos(B + C t) over each
// series, and the same places whether the planets share an instant (in any order) or not.
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
    EXPECT_NEAR(B, -0.00000312, 5e-9);
    EXPECT_NEAR(R, 0.99760775, 5e-9);
}

TEST(Moon, CheckValueOf1992April12) {
    double lambda, beta, distance;
    MoonPosition(2448724.5, lambda, beta, distance);
    EXPECT_NEAR(lambda * kRadToDeg, 133.162660, 5e-7);
    EXPECT_NEAR(beta * kRadToDeg, -3.229127, 5e-7);
    EXPECT_NEAR(distance * 6378, 368409.68, 0.005);  // in units of 6378 km
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
    EXPECT_TRUE(bd == b && rd == r);
    EXPECT_NEAR(PrecessionInLongitude(kJ2000 + 36525), 1.3972799, 1e-7);
}

double JD(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    CDateTime t(y, mo, d, h, mi, s);
    EXPECT_TRUE(t.IsValid());
    return DateTimeToJulianDay(t);
}

// Meeus's dates, Sputnik's launch (whole seconds count), and the reform of
// 1582: Julian calendar up to October 4, Gregorian from October 15, one day
// apart, with no step back at the end of 1585; 1000 January 1 is Julian.
TEST(JulianDay, PublishedDatesAndTheCalendarReformOf1582) {
    const struct {
        int y, mo, d, h, mi, s;
        double jd;
    } cases[] = {{2000, 1, 1, 12, 0, 0, 2451545.0},   {1992, 4, 12, 0, 0, 0, 2448724.5},
                 {1900, 1, 1, 0, 0, 0, 2415020.5},    {1987, 4, 10, 0, 0, 0, 2446895.5},
                 {1957, 10, 4, 19, 26, 24, 2436116.31}, {1582, 10, 4, 0, 0, 0, 2299159.5},
                 {1582, 10, 15, 0, 0, 0, 2299160.5},  {1582, 9, 30, 0, 0, 0, 2299155.5},
                 {1582, 12, 31, 0, 0, 0, 2299237.5},  {1585, 12, 31, 0, 0, 0, 2300333.5},
                 {1586, 1, 1, 0, 0, 0, 2300334.5},    {1000, 1, 1, 0, 0, 0, 2086307.5}};
    for (const auto& c : cases) EXPECT_NEAR(JD(c.y, c.mo, c.d, c.h, c.mi, c.s), c.jd, 1e-8) << c.y;
    // 1500 had a February 29 (given as fields: the date type is Gregorian).
    EXPECT_EQ(JulianDayFromFields(1500, 2, 29, 0, 0, 0), JD(1500, 3, 1) - 1);
}

TEST(JulianDay, EveryGregorianDayFollowsTheLastByOne) {
    // Month ends, leap days and the September sign switch of the formula.
    CDateTime t(1582, 10, 15, 0, 0, 0);
    double last = DateTimeToJulianDay(t);
    for (int i = 0; i < 200000; ++i) {  // to the 2130s
        t += CTimeSpan(1, 0, 0, 0);
        double jd = DateTimeToJulianDay(t);
        ASSERT_EQ(jd, last + 1) << t.GetYear() << "-" << t.GetMonth() << "-" << t.GetDay();
        last = jd;
    }
}

TEST(Sidereal, PublishedGreenwichMeanSiderealTimesAndOneTurnASiderealDay) {
    // 1987 April 10, 0h UT: 13h 10m 46.3668s; 2000 January 1, 12h UT: 18h 41m 50.548s.
    EXPECT_NEAR(GreenwichMeanSiderealTime(2446895.5), 47446.3668 / 240, 0.0005 / 240);
    EXPECT_NEAR(GreenwichMeanSiderealTime(2451545.0), 67310.548 / 240, 0.0005 / 240);
    // The rotation angle is a quarter turn ahead, in [pi/2, 2 pi + pi/2).
    EXPECT_NEAR(SiderealAngle(2451545.0), 67310.548 / 240 * kDegToRad + kPi / 2, 4e-8);
    for (double jd = 2415020.5; jd < 2488070.5; jd += 1234.567) {
        const double a = SiderealAngle(jd);
        EXPECT_TRUE(a >= kPi / 2 && a < 2 * kPi + kPi / 2) << jd;
        // One turn a mean sidereal day (1 / 1.00273790935 solar days).
        const double b = GreenwichMeanSiderealTime(jd + 1 / 1.00273790935);
        EXPECT_NEAR(std::remainder(b - GreenwichMeanSiderealTime(jd), 360.0), 0, 1e-5) << jd;
    }
}

CDateTime At(int y, int mo, int d, int h, int mi = 0) { return CDateTime(y, mo, d, h, mi, 0); }

TEST(UniversalTime, ChosenDateUsesTheZoneRulesOfThatDate) {
    const struct {
        const char* zone;
        CDateTime local, ut;
        int32_t bias, daylightBias, daylight;
    } cases[] = {
        {"Europe/Madrid", At(2021, 7, 15, 12), At(2021, 7, 15, 10), -60, -60, 1},
        // The change itself: 2021-03-28, 02:00 CET became 03:00 CEST.
        {"Europe/Madrid", At(2021, 3, 28, 1, 59), At(2021, 3, 28, 0, 59), -60, -60, -1},
        {"Europe/Madrid", At(2021, 3, 28, 3, 0), At(2021, 3, 28, 1, 0), -60, -60, -1},
        {"Australia/Sydney", At(2022, 1, 10, 12), At(2022, 1, 10, 1), -600, -60, 1},  // southern summer
        {"Australia/Sydney", At(2022, 7, 10, 12), At(2022, 7, 10, 2), -600, -60, 0},
        {"Asia/Tokyo", At(2022, 7, 10, 12), At(2022, 7, 10, 3), -540, 0, 0},  // no daylight time
    };
    for (const auto& c : cases) {
        ScopedEnv zone("TZ", c.zone);
        EXPECT_EQ(GetUniversalTime(c.local, false), c.ut) << c.zone << " " << c.local.GetMonth();
        EXPECT_EQ(GetUniversalTime(c.local, true), c.local);  // the UTC flag leaves it alone
        const TimeZoneInfo z = TimeZoneAt(c.local);
        if (c.daylight < 0) continue;  // the hours of the change itself
        EXPECT_TRUE(z.Bias == c.bias && z.DaylightBias == c.daylightBias && z.bDaylight == c.daylight)
            << c.zone << " " << c.local.GetMonth();
    }
    TimeZoneInfo west{300, -60, 0};  // five hours west; the daylight bias is unused
    EXPECT_EQ(GetUniversalTime(At(2021, 12, 31, 22), false, west), At(2022, 1, 1, 3));
}

}  // namespace
