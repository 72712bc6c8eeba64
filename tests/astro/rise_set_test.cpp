// Rise, transit and set against published cases, the twilights and the day of
// the time bar.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/body_tracks.h"
#include "astro/day_span.h"
#include "astro/julian_day.h"
#include "astro/rise_set.h"
#include "tests/scoped_env.h"

namespace {

EarthPlace Place(double latDeg, double lonEastDeg) { return {latDeg * kDegToRad, lonEastDeg * kDegToRad}; }

// Hours of UT after the day's start jd0.
double Hours(double jd, double jd0) { return (jd - jd0) * 24.0; }
double Hm(int h, int m) { return h + m / 60.0; }

// Events of one body over the UT day starting at jd0.
struct BodyDay {
    BodyDay(const char* name, const EarthPlace& place, double jd0) {
        PlanetArray planets;
        Mat3f ecliptic = kIdentity3f;
        BuildBodyTable(planets, ecliptic);
        BodyTracks tracks(planets, ecliptic, jd0, jd0 + 1);
        for (size_t i = 0; i < planets.size(); ++i)
            if (planets[i]->m_strName == name) events = FindDayEvents(BodyTrack(tracks, int(i)), place, jd0, jd0 + 1);
        twilights = SunTwilights(tracks, place, jd0, jd0 + 1);
    }
    DayEvents events;
    Twilights twilights;
};

// Published rise, transit and set times (UT hours after 0h UT; NaN: not
// given): Meeus, Astronomical Algorithms (2nd ed.), example 15.a, Venus at
// Boston on 1988 March 20 (its setting comes first in the UT day); the
// Almanac for Computers 1990 (USNO), sunrise at Wayne, New Jersey, on 1990
// June 25; Meeus 28.a, the equation of time +13m 42.7s on 1992 October 13,
// so the Sun culminates at Greenwich about 11:46:17 UT. Venus culminates at
// 90 - 42.33 + its declination (about +18.4 that day).
TEST(RiseSet, PublishedTimes) {
    const double none = std::nan("");
    const struct {
        const char* body;
        double latDeg, lonDeg;
        int year, month, day;
        double rises, transits, sets, withinHours, transitAltitudeDeg;
    } cases[] = {
        {"Venus", 42.3333, -71.0833, 1988, 3, 20, Hm(12, 25), Hm(19, 41), Hm(2, 55), 2.0 / 60, 66.1},
        {"Sun", 40.9, -74.3, 1990, 6, 25, 9.441, none, none, 2.0 / 60, none},
        {"Sun", 51.4769, 0, 1992, 10, 13, none, Hm(11, 46) + 17 / 3600.0, none, 1.0 / 60, none},
    };
    for (const auto& c : cases) {
        const double jd0 = JulianDayFromFields(c.year, c.month, c.day, 0, 0, 0);
        const DayEvents e = BodyDay(c.body, Place(c.latDeg, c.lonDeg), jd0).events;
        const std::pair<const EventTimes*, double> expected[] = {
            {&e.rises, c.rises}, {&e.transits, c.transits}, {&e.sets, c.sets}};
        for (const auto& [times, hours] : expected) {
            if (std::isnan(hours)) continue;
            ASSERT_EQ(times->count, 1) << c.body << " " << c.year;
            EXPECT_NEAR(Hours(times->julianDay[0], jd0), hours, c.withinHours) << c.body << " " << c.year;
        }
        if (!std::isnan(c.transitAltitudeDeg)) {
            EXPECT_NEAR(e.transitAltitudeDeg[0], c.transitAltitudeDeg, 0.5);
        }
    }
}

// The twilights come in order around sunrise and sunset in Madrid. Tromsø
// (69.65 N, 18.96 E): the polar night runs from late November to mid-January;
// the Sun never rises on 21 December, rises on 20 January, never sets at midsummer.
TEST(RiseSet, TwilightsInOrderPolarNightAndMidnightSun) {
    BodyDay madrid("Sun", Place(40.4168, -3.7038), JulianDayFromFields(2026, 12, 6, 0, 0, 0));
    const Twilights& t = madrid.twilights;
    const DayEvents* outward[] = {&madrid.events, &t.civil, &t.nautical, &t.astronomical};
    for (int k = 1; k < 4; ++k) {
        ASSERT_TRUE(outward[k]->rises.count == 1 && outward[k]->sets.count == 1) << k;
        EXPECT_LT(outward[k]->rises.julianDay[0], outward[k - 1]->rises.julianDay[0]) << k;
        EXPECT_GT(outward[k]->sets.julianDay[0], outward[k - 1]->sets.julianDay[0]) << k;
    }
    EXPECT_NEAR(madrid.events.daysUp * 24, 9.33, 0.1);  // early December: about 9 h 20 min
    const EarthPlace tromso = Place(69.65, 18.96);
    const BodyDay winter("Sun", tromso, JulianDayFromFields(2026, 12, 21, 0, 0, 0));
    EXPECT_EQ(winter.events.kind, DayKind::NeverRises);
    EXPECT_TRUE(winter.events.transits.count == 1 && winter.events.transitAltitudeDeg[0] < -2);
    EXPECT_EQ(winter.twilights.civil.rises.count, 1);  // civil twilight still comes at noon
    EXPECT_EQ(BodyDay("Sun", tromso, JulianDayFromFields(2027, 1, 20, 0, 0, 0)).events.rises.count, 1);
    const BodyDay summer("Sun", tromso, JulianDayFromFields(2026, 6, 21, 0, 0, 0));
    EXPECT_EQ(summer.events.kind, DayKind::AlwaysUp);
    EXPECT_EQ(summer.twilights.astronomical.kind, DayKind::AlwaysUp);
}

// The Moon rises about 50 minutes later each day, so once a month a day has no
// moonrise: the rise before comes late in the evening, the one after early.
TEST(RiseSet, TheMoonSkipsARiseOnceAMonth) {
    const EarthPlace madrid = Place(40.4168, -3.7038);
    const double jd0 = JulianDayFromFields(2026, 12, 1, 0, 0, 0);
    std::vector<DayEvents> days;
    for (int d = -1; d <= 30; ++d) days.push_back(BodyDay("Moon", madrid, jd0 + d).events);
    int withoutRise = 0;
    for (int d = 1; d <= 30; ++d) {
        EXPECT_TRUE(days[d].rises.count <= 1 && days[d].sets.count <= 1) << d;
        if (!days[d].rises.empty()) continue;
        ++withoutRise;
        ASSERT_TRUE(days[d - 1].rises.count == 1 && days[d + 1].rises.count == 1) << d;
        EXPECT_GT(Hours(days[d - 1].rises.julianDay[0], jd0 + d - 2), 22.5) << d;
        EXPECT_LT(Hours(days[d + 1].rises.julianDay[0], jd0 + d), 1.5) << d;
    }
    EXPECT_TRUE(withoutRise == 1 || withoutRise == 2) << withoutRise;  // one lunar day: 24 h 50 min
}

TEST(DaySpan, LocalDaysAndTheirInstants) {
    ScopedEnv zone("TZ", "Europe/Madrid");
    // Winter: local midnight is 23:00 UT the day before.
    DaySpan d = DayOfChosenTime(CDateTime(2026, 12, 6, 17, 45, 0), false);
    EXPECT_DOUBLE_EQ(d.jdStart, JulianDayFromFields(2026, 12, 5, 23, 0, 0));
    EXPECT_EQ(ShownTime(d, d.jdStart + 0.5, false), CDateTime(2026, 12, 6, 12, 0, 0));
    EXPECT_EQ(ShownTime(d, d.jdStart + 0.5, true), CDateTime(2026, 12, 6, 11, 0, 0));
    // The spring change: a day of 23 hours whose afternoon is summer time.
    DaySpan spring = DayOfChosenTime(CDateTime(2026, 3, 29, 9, 0, 0), false);
    EXPECT_NEAR((spring.jdEnd - spring.jdStart) * 24, 23, 1e-6);
    EXPECT_EQ(ShownTime(spring, spring.jdStart + 15.0 / 24, false), CDateTime(2026, 3, 29, 16, 0, 0));
}

}  // namespace
