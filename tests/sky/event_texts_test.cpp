// The dialog and command-line texts of an object's day, a star's box, and a
// body's distance, apparent size and phase.

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/julian_day.h"
#include "catalogue/lumo_doc.h"
#include "sky/event_texts.h"
#include "sky/sky_texts.h"

namespace {

double At(const ShownDay& d, int h, int m, int s) { return d.day.jdStart + (h * 3600 + m * 60 + s) / 86400.0; }

// Clock times to the nearest minute, durations, and the dialog's lines for
// each kind of day.
TEST(EventTexts, TimesAndLines) {
    ShownDay d;
    d.utc = true;
    d.day = DayOfChosenTime(CDateTime(2026, 12, 6, 12, 0, 0), true);
    EXPECT_EQ(ClockText(d, At(d, 12, 0, 29)), "12:00");
    EXPECT_EQ(ClockText(d, At(d, 12, 0, 31)), "12:01");
    EventTimes two;
    EXPECT_EQ(EventTimesText(d, two), "-");
    two.Add(At(d, 0, 2, 0));
    two.Add(At(d, 23, 58, 0));
    EXPECT_EQ(EventTimesText(d, two), "00:02 23:58");
    EXPECT_EQ(DurationText(1), "24h 00m");
    EXPECT_EQ(DurationText(14.0 / 24 + 5.0 / 1440), "14h 05m");
    DayEvents e;
    e.kind = DayKind::RisesOrSets;
    e.sets.Add(At(d, 2, 55, 0));
    e.transits.Add(At(d, 19, 41, 0));
    e.transitAltitudeDeg[0] = 66.14;
    EXPECT_EQ(EventLines(d, e), (std::vector<std::string>{"Rise: none this day",
                                                         "Transit: 19:41 (altitude 66.1\u00b0)",
                                                         "Set: 02:55"}));
    e = DayEvents{};
    e.kind = DayKind::AlwaysUp;
    EXPECT_EQ(EventLines(d, e), (std::vector<std::string>{"Rise: always above the horizon", "Transit: -",
                                                         "Set: always above the horizon"}));
}

// Sirius (J2000 6h 45m 08.9s, -16 42' 58") from Greenwich on 2026-12-06
// (UT): it transits when the sidereal time (Meeus 12.4, 74.795 degrees at
// 0h) reaches its right ascension of date (6h 46m 21s), at 1:46.9, at an
// altitude of 90 - 51.48 - 16.75 = 21.8 degrees.
TEST(EventTexts, AStarsDayFromItsCataloguePlace) {
    CLumoDoc doc;
    doc.m_fLatitude = static_cast<float>(51.4769 * kDegToRad);
    doc.m_fLongitude = 0;
    const double ra = (6 + 45 / 60.0 + 8.917 / 3600) * 15 * kDegToRad;
    const double dec = -(16 + 42 / 60.0 + 58.02 / 3600) * kDegToRad;
    const std::vector<std::string> lines = FixedObjectDayLines(doc, ra, dec, CDateTime(2026, 12, 6, 12, 0, 0), true);
    ASSERT_EQ(lines.size(), 3u);
    const std::string& transit = lines[1];
    ASSERT_EQ(transit.substr(0, 9), "Transit: ") << transit;
    EXPECT_NEAR(std::stoi(transit.substr(9, 2)) * 60 + std::stoi(transit.substr(12, 2)), 106.9, 1) << transit;
    EXPECT_EQ(transit.substr(15), "(altitude 21.8\u00b0)");
}

// A star's box: a declination just south of the equator keeps its sign.
TEST(SkyTexts, StarLines) {
    CStar s;
    s.m_strName = "Vega";
    s.m_fMagnitude = 0.03f;
    s.m_cType = 'A';
    s.m_pos.a = static_cast<float>(6.5 * 15 * kDegToRad);  // 6h 30m
    s.m_pos.b = static_cast<float>(-0.5 * kDegToRad);
    EXPECT_EQ(StarInfoLines(s), (std::vector<std::string>{"Vega", "Magnitud: 0.030000", "Type: A",
                                                         "Right ascension:  6h 30.000m",
                                                         "Declination: -0\u00ba 30.000m"}));
}

// The Earth one astronomical unit from the Sun; the Moon behind it (full)
// or before it (new), Jupiter at opposition.
class Appearance : public ::testing::Test {
protected:
    void SetUp() override {
        BuildBodyTable(planets, ecliptic);
        Put("Earth", kAu);
    }
    void Put(const char* name, double zKm, double yKm = 0) {
        CPlanet* p = FindPlanet(planets, name);
        ASSERT_NE(p, nullptr);
        p->m_dPos[0] = 0;
        p->m_dPos[1] = yKm;
        p->m_dPos[2] = zKm;
    }
    std::vector<std::string> Lines(const char* name) { return BodyAppearanceLines(planets, *FindPlanet(planets, name)); }
    static constexpr double kAu = 1.495979e8;
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
};

TEST_F(Appearance, DistanceDiameterAndPhase) {
    Put("Sun", 0);
    // The Sun at 1 au: 32.0 arcminutes across.
    EXPECT_EQ(Lines("Sun"), (std::vector<std::string>{"Distance: 1.000000 au", "Apparent diameter: 32.0'"}));
    Put("Moon", kAu + 384400);
    EXPECT_EQ(Lines("Moon"), (std::vector<std::string>{"Distance: 384400 km", "Apparent diameter: 31.1'",
                                                       "Illuminated: 100 %"}));
    Put("Moon", kAu - 384400);
    EXPECT_EQ(Lines("Moon")[2], "Illuminated: 0 %");
    Put("Moon", kAu, 384400);  // first quarter
    EXPECT_EQ(Lines("Moon")[2], "Illuminated: 50 %");
    // Jupiter 5.2 au out, at opposition: 4.2 au away, about 47" across.
    Put("Jupiter", 5.2 * kAu);
    std::vector<std::string> j = Lines("Jupiter");
    ASSERT_EQ(j.size(), 3u);
    EXPECT_EQ(j[0], "Distance: 4.200000 au");
    EXPECT_NEAR(std::stod(j[1].substr(19)), 46.9, 1.0) << j[1];
    EXPECT_TRUE(Lines("Earth").empty());
}

}  // namespace
