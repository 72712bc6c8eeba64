// Rise, transit and set against published cases, the horizon's geometry,
// the Moon's missing rise, the twilights and the day of the time bar.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/body_tracks.h"
#include "astro/day_span.h"
#include "astro/julian_day.h"
#include "astro/positions.h"
#include "astro/rise_set.h"
#include "astro/sidereal.h"
#include "tests/scoped_env.h"

namespace {

constexpr double kMinute = 1.0 / 1440.0;

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

// Meeus, Astronomical Algorithms (2nd ed.), example 15.a: Venus at Boston
// (42deg20' N, 71deg05' W) on 1988 March 20: rising 12:25 UT, transit 19:41
// UT, setting 02:55 UT, all within the UT date.
TEST(RiseSet, VenusAtBostonMeeus15a) {
    const double jd0 = JulianDayFromFields(1988, 3, 20, 0, 0, 0);
    BodyDay venus("Venus", Place(42.3333, -71.0833), jd0);
    const DayEvents& e = venus.events;
    ASSERT_EQ(e.kind, DayKind::RisesOrSets);
    ASSERT_EQ(e.rises.count, 1);
    ASSERT_EQ(e.transits.count, 1);
    ASSERT_EQ(e.sets.count, 1);
    constexpr double kTwoMinutes = 2.0 / 60.0;
    EXPECT_NEAR(Hours(e.rises.julianDay[0], jd0), Hm(12, 25), kTwoMinutes);
    EXPECT_NEAR(Hours(e.transits.julianDay[0], jd0), Hm(19, 41), kTwoMinutes);
    EXPECT_NEAR(Hours(e.sets.julianDay[0], jd0), Hm(2, 55), kTwoMinutes);
    EXPECT_LT(e.sets.julianDay[0], e.rises.julianDay[0]);
    // Transit altitude: 90 - 42.33 + declination (about +18.4 that day).
    EXPECT_NEAR(e.transitAltitudeDeg[0], 66.1, 0.5);
}

// The Sun: Almanac for Computers 1990 (Nautical Almanac Office, USNO), the
// worked sunrise at Wayne, New Jersey (40.9 N, 74.3 W), 1990 June 25, 9.441 h
// UT; Meeus, example 28.a: the equation of time on 1992 October 13 is +13m
// 42.7s, so the Sun culminates at Greenwich about 11:46:17 UT.
TEST(RiseSet, SunriseAtWayneAndSolarNoonAtGreenwich) {
    double jd0 = JulianDayFromFields(1990, 6, 25, 0, 0, 0);
    BodyDay wayne("Sun", Place(40.9, -74.3), jd0);
    ASSERT_EQ(wayne.events.rises.count, 1);
    EXPECT_NEAR(Hours(wayne.events.rises.julianDay[0], jd0), 9.441, 2.0 / 60.0);
    jd0 = JulianDayFromFields(1992, 10, 13, 0, 0, 0);
    BodyDay greenwich("Sun", Place(51.4769, 0), jd0);
    ASSERT_EQ(greenwich.events.transits.count, 1);
    EXPECT_NEAR(Hours(greenwich.events.transits.julianDay[0], jd0), Hm(11, 46) + 17 / 3600.0, 1.0 / 60.0);
}

// Tromsø (69.65 N, 18.96 E): the polar night runs from late November to
// mid-January; the Sun never rises on 21 December, rises on 20 January, and
// never sets at midsummer.
TEST(RiseSet, PolarNightAndMidnightSunAtTromso) {
    const EarthPlace tromso = Place(69.65, 18.96);
    BodyDay winter("Sun", tromso, JulianDayFromFields(2026, 12, 21, 0, 0, 0));
    EXPECT_EQ(winter.events.kind, DayKind::NeverRises);
    EXPECT_EQ(winter.events.transits.count, 1);
    EXPECT_LT(winter.events.transitAltitudeDeg[0], -2);
    // Civil twilight still comes at noon.
    EXPECT_EQ(winter.twilights.civil.rises.count, 1);
    EXPECT_EQ(winter.twilights.civil.sets.count, 1);
    BodyDay january("Sun", tromso, JulianDayFromFields(2027, 1, 20, 0, 0, 0));
    EXPECT_EQ(january.events.rises.count, 1);
    EXPECT_EQ(january.events.sets.count, 1);
    BodyDay summer("Sun", tromso, JulianDayFromFields(2026, 6, 21, 0, 0, 0));
    EXPECT_EQ(summer.events.kind, DayKind::AlwaysUp);
    EXPECT_EQ(summer.twilights.astronomical.kind, DayKind::AlwaysUp);
}

// The semi-diurnal arc of a fixed star: cos H0 = (sin h0 - sin phi sin dec) /
// (cos phi cos dec), in sidereal time, on both sides of the transit.
TEST(RiseSet, SemiDiurnalArcsMatchTheHorizonGeometry) {
    const double latDeg = 40.4;
    const EarthPlace place = Place(latDeg, -3.7);
    const double jd0 = JulianDayFromFields(2026, 5, 1, 0, 0, 0);
    const double h0 = kStarStandardAltitudeDeg * kDegToRad, phi = latDeg * kDegToRad;
    for (double decDeg = -45; decDeg <= 45; decDeg += 7.5) {
        const double dec = decDeg * kDegToRad;
        // A right ascension that puts the transit near noon UT.
        const double ra = WrapAngle((GreenwichMeanSiderealTime(jd0 + 0.5) - 3.7) * kDegToRad, 2 * kPi);
        DayEvents e = FindDayEvents(FixedTrack(EquatorialEventPlace(ra, dec, kStarStandardAltitudeDeg)), place, jd0, jd0 + 1);
        ASSERT_EQ(e.transits.count, 1) << decDeg;
        ASSERT_EQ(e.rises.count, 1) << decDeg;
        ASSERT_EQ(e.sets.count, 1) << decDeg;
        double cosH0 = (std::sin(h0) - std::sin(phi) * std::sin(dec)) / (std::cos(phi) * std::cos(dec));
        double arcDays = std::acos(cosH0) / (2 * kPi) / 1.00273790935;
        double t = e.transits.julianDay[0];
        EXPECT_NEAR(t - e.rises.julianDay[0], arcDays, 0.1 * kMinute) << decDeg;
        EXPECT_NEAR(e.sets.julianDay[0] - t, arcDays, 0.1 * kMinute) << decDeg;
        EXPECT_NEAR(e.daysUp, 2 * arcDays, 0.1 * kMinute) << decDeg;
        EXPECT_NEAR(e.transitAltitudeDeg[0], 90 - std::fabs(latDeg - decDeg), 1e-6);
    }
}

// The Moon rises about 50 minutes later each day, so once a month a day has
// no moonrise: the rise before it is late in the evening and the one after
// early the next morning.
TEST(RiseSet, TheMoonSkipsARiseOnceAMonth) {
    const EarthPlace madrid = Place(40.4168, -3.7038);
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    BuildBodyTable(planets, ecliptic);
    const int moon = 4;
    ASSERT_EQ(planets[moon]->m_strName, "Moon");
    auto day = [&](double jd0) {
        BodyTracks tracks(planets, ecliptic, jd0, jd0 + 1);
        return FindDayEvents(BodyTrack(tracks, moon), madrid, jd0, jd0 + 1);
    };
    const double first = JulianDayFromFields(2026, 12, 1, 0, 0, 0);
    int daysWithoutRise = 0;
    for (int d = 0; d < 30; ++d) {
        const double jd0 = first + d;
        DayEvents e = day(jd0);
        EXPECT_EQ(e.kind, DayKind::RisesOrSets);
        EXPECT_LE(e.rises.count, 1);
        EXPECT_LE(e.transits.count, 1);
        EXPECT_LE(e.sets.count, 1);
        if (!e.rises.empty()) continue;
        ++daysWithoutRise;
        DayEvents before = day(jd0 - 1), after = day(jd0 + 1);
        ASSERT_EQ(before.rises.count, 1);
        ASSERT_EQ(after.rises.count, 1);
        EXPECT_GT(Hours(before.rises.julianDay[0], jd0 - 1), 22.5) << "day " << d;
        EXPECT_LT(Hours(after.rises.julianDay[0], jd0 + 1), 1.5) << "day " << d;
    }
    // One lunar day is about 24 h 50 min: one rise a month is lost (two when
    // the thirty days catch both ends of a month).
    EXPECT_GE(daysWithoutRise, 1);
    EXPECT_LE(daysWithoutRise, 2);
}

// The interpolated tracks agree with the position update itself between the
// samples, for every body (the Moon, the fastest, included).
TEST(BodyTracks, InterpolationMatchesThePositionUpdate) {
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    BuildBodyTable(planets, ecliptic);
    const double jd0 = JulianDayFromFields(2026, 12, 6, 0, 0, 0) - 1.0 / 24;
    BodyTracks tracks(planets, ecliptic, jd0, jd0 + 25.0 / 24);
    ASSERT_TRUE(tracks.Valid());
    double cache = std::nan(""), worstArcsec = 0;
    for (double t = jd0; t <= jd0 + 25.0 / 24; t += 0.0371) {
        ComputePositions(planets, cache, t);
        const CPlanet& earth = *planets[tracks.EarthIndex()];
        for (int b = 0; b < tracks.BodyCount(); ++b) {
            // The moons of the other planets take their planet's track.
            const bool moonOfAnother = planets[b]->m_nParent != 0 && b != tracks.MoonIndex();
            if (b == tracks.EarthIndex() || moonOfAnother) continue;
            std::array<double, 3> direct, track = tracks.GeocentricKm(b, t);
            for (int c = 0; c < 3; ++c) direct[c] = planets[b]->m_dPos[c] - earth.m_dPos[c];
            double dot = 0, nd = 0, nt = 0;
            for (int c = 0; c < 3; ++c) {
                dot += direct[c] * track[c];
                nd += direct[c] * direct[c];
                nt += track[c] * track[c];
            }
            const double arcsec = std::asin(std::sqrt(std::max(0.0, 1 - dot * dot / (nd * nt)))) * kRadToDeg * 3600;
            worstArcsec = std::max(worstArcsec, arcsec);
            EXPECT_NEAR(std::sqrt(nt) / std::sqrt(nd), 1, 1e-6) << planets[b]->m_strName;
        }
    }
    EXPECT_LT(worstArcsec, 1.0);
}

// The twilights come in order around sunrise and sunset; at 60 N in June the
// Sun never goes 18 degrees down.
TEST(RiseSet, TwilightsInOrder) {
    const double jd0 = JulianDayFromFields(2026, 12, 6, 0, 0, 0);
    BodyDay madrid("Sun", Place(40.4168, -3.7038), jd0);
    const Twilights& t = madrid.twilights;
    for (const DayEvents* e : {&t.astronomical, &t.nautical, &t.civil, static_cast<const DayEvents*>(&madrid.events)}) {
        ASSERT_EQ(e->rises.count, 1);
        ASSERT_EQ(e->sets.count, 1);
    }
    EXPECT_LT(t.astronomical.rises.julianDay[0], t.nautical.rises.julianDay[0]);
    EXPECT_LT(t.nautical.rises.julianDay[0], t.civil.rises.julianDay[0]);
    EXPECT_LT(t.civil.rises.julianDay[0], madrid.events.rises.julianDay[0]);
    EXPECT_LT(madrid.events.sets.julianDay[0], t.civil.sets.julianDay[0]);
    EXPECT_LT(t.civil.sets.julianDay[0], t.nautical.sets.julianDay[0]);
    EXPECT_LT(t.nautical.sets.julianDay[0], t.astronomical.sets.julianDay[0]);
    // Early December in Madrid: about 9 h 20 min of daylight.
    EXPECT_NEAR(madrid.events.daysUp * 24, 9.33, 0.1);
    BodyDay north("Sun", Place(60, 10), JulianDayFromFields(2026, 6, 21, 0, 0, 0));
    EXPECT_TRUE(north.twilights.astronomical.rises.empty());
    EXPECT_EQ(north.twilights.astronomical.kind, DayKind::AlwaysUp);
}

TEST(DaySpan, LocalDaysAndTheirInstants) {
    ScopedEnv zone("TZ", "Europe/Madrid");
    // Winter: local midnight is 23:00 UT the day before.
    DaySpan d = DayOfChosenTime(CDateTime(2026, 12, 6, 17, 45, 0), false);
    EXPECT_DOUBLE_EQ(d.jdStart, JulianDayFromFields(2026, 12, 5, 23, 0, 0));
    EXPECT_DOUBLE_EQ(d.jdEnd - d.jdStart, 1.0);
    EXPECT_EQ(ShownTime(d, d.jdStart + 0.5, false), CDateTime(2026, 12, 6, 12, 0, 0));
    EXPECT_EQ(ShownTime(d, d.jdStart + 0.5, true), CDateTime(2026, 12, 6, 11, 0, 0));
    // The spring change: a day of 23 hours whose afternoon is summer time.
    DaySpan spring = DayOfChosenTime(CDateTime(2026, 3, 29, 9, 0, 0), false);
    EXPECT_NEAR((spring.jdEnd - spring.jdStart) * 24, 23, 1e-6);
    EXPECT_EQ(ShownTime(spring, spring.jdStart + 15.0 / 24, false), CDateTime(2026, 3, 29, 16, 0, 0));
    // In UT the day is the UT date.
    DaySpan utc = DayOfChosenTime(CDateTime(2026, 12, 6, 0, 30, 0), true);
    EXPECT_DOUBLE_EQ(utc.jdStart, JulianDayFromFields(2026, 12, 6, 0, 0, 0));
}

}  // namespace
