// Julian days, sidereal time and the conversion of a chosen time to UT.

#include <gtest/gtest.h>

#include <string>

#include "astro/angles.h"
#include "astro/julian_day.h"
#include "astro/sidereal.h"
#include "astro/time_zone.h"
#include "framework/datetime.h"
#include "tests/scoped_env.h"
#include "tests/fixed_clock.h"

namespace {

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
    EXPECT_NEAR(JD(1999, 12, 31, 23, 59, 59), 2451543.5 + 86399.0 / 86400, 1e-8);
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
    }
    const double jd = 2461000.25;  // 2026
    double sidereal = 1 / 1.00273790935;  // mean sidereal day in solar days
    double a = GreenwichMeanSiderealTime(jd), b = GreenwichMeanSiderealTime(jd + sidereal);
    EXPECT_NEAR(std::remainder(b - a, 360.0), 0, 1e-5);
    EXPECT_NEAR(WrapAngle(GreenwichMeanSiderealTime(jd + 0.5) - a, 360.0), 180.4928, 1e-3);
}

CDateTime At(int y, int mo, int d, int h, int mi = 0) { return CDateTime(y, mo, d, h, mi, 0); }

TEST(UniversalTime, ChosenDateUsesTheZoneRulesOfThatDate) {
    const struct {
        const char* zone;
        CDateTime local, ut;
        int32_t bias, daylightBias, daylight;
    } cases[] = {
        {"Europe/Madrid", At(2021, 7, 15, 12), At(2021, 7, 15, 10), -60, -60, 1},
        {"Europe/Madrid", At(2021, 1, 15, 12), At(2021, 1, 15, 11), -60, -60, 0},
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

TEST(UniversalTime, QueryTimeZoneReadsTheSystemZoneNow) {
    FixedClock summer(kHalfPastMidnight - 160 * 86400, "Europe/Madrid");  // 2026-06-30
    const TimeZoneInfo z = QueryTimeZone();
    EXPECT_TRUE(z.Bias == -60 && z.DaylightBias == -60 && z.bDaylight == 1);
    EXPECT_EQ(z.TotalBias(), -120);
}

}  // namespace
