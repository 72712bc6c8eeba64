// The Daylight layer: the sky's colour and the magnitude limit by the Sun's
// altitude, and the paint that uses them in Horizon view only.

#include <gtest/gtest.h>

#include <cmath>

#include "sky/daylight.h"
#include "tests/sky/sky_fixture.h"

namespace {

int Brightness(uint8_t index) {
    const PaletteEntry& e = MasterPalette[index];
    return e.Red + e.Green + e.Blue;
}

TEST(Daylight, TheSkyBrightensSteadilyFromNightToDay) {
    BuildMasterPalette();
    EXPECT_EQ(DaylightBackgroundIndex(-90), kFirstShadeIndex);
    EXPECT_EQ(DaylightBackgroundIndex(-18.01), kFirstShadeIndex);
    EXPECT_EQ(DaylightBackgroundIndex(std::nan("")), kFirstShadeIndex);
    EXPECT_EQ(Brightness(kFirstShadeIndex), 0);
    int last = 0;
    for (double alt = -18; alt < 0; alt += 0.25) {
        const uint8_t i = DaylightBackgroundIndex(alt);
        const PaletteEntry& e = MasterPalette[i];
        EXPECT_GT(e.Blue, e.Red) << alt;  // a blue, not a grey
        EXPECT_GE(Brightness(i), last) << alt;
        last = Brightness(i);
    }
    EXPECT_GT(Brightness(DaylightBackgroundIndex(0)), last);
    EXPECT_EQ(DaylightBackgroundIndex(0), DaylightBackgroundIndex(60));
}

TEST(Daylight, TheLimitRisesFromTheSetLimitToMagnitudeMinusOne) {
    EXPECT_EQ(DaylightMagnitudeLimit(-40, 6), 6);
    EXPECT_EQ(DaylightMagnitudeLimit(-18, 6), 6);
    EXPECT_FLOAT_EQ(DaylightMagnitudeLimit(10, 6), -1);
    EXPECT_FLOAT_EQ(DaylightMagnitudeLimit(45, 6), -1);
    EXPECT_FLOAT_EQ(DaylightMagnitudeLimit(-4, 6), 2.5f);  // halfway
    // A limit set brighter than the sky allows stays.
    EXPECT_EQ(DaylightMagnitudeLimit(0, -3), -3);
    // No limit set (10000): the blend starts from magnitude 8.
    EXPECT_FLOAT_EQ(DaylightMagnitudeLimit(-4, 10000), 3.5f);
    float last = DaylightMagnitudeLimit(-18, 6.5f);
    for (double alt = -18; alt <= 12; alt += 0.1) {
        const float m = DaylightMagnitudeLimit(alt, 6.5f);
        EXPECT_LE(m, last + 1e-6f) << alt;
        EXPECT_LT(last - m, 0.05f) << alt;  // no jump
        last = m;
    }
}

class DaylightPaintTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);
        EmptySky();
        doc.m_nViewMode = 1;
        wnd.m_bDaylight = true;
        wnd.PaintSky();  // sets the observer frame
    }
    // The Sun at altitude degrees above the southern horizon, from the Earth
    // (at the origin).
    void SunAt(double altitudeDeg) {
        const double a = altitudeDeg * kDegToRadForTest;
        const auto& z = doc.m_vZenith;
        const auto& s = doc.m_vSouth;
        PlaceBody("Sun", 1.5e8 * (std::cos(a) * s[0] + std::sin(a) * z[0]),
                  1.5e8 * (std::cos(a) * s[1] + std::sin(a) * z[1]),
                  1.5e8 * (std::cos(a) * s[2] + std::sin(a) * z[2]));
    }
    // A star where the camera looks.
    CStar* StarAhead(float magnitude) {
        const Vec3i d = wnd.m_Camera.m_vDepth;
        const double x = d.x / 32768.0, y = d.y / 32768.0, z = d.z / 32768.0;
        double ra = std::atan2(-z, x) / kDegToRadForTest, dec = std::asin(y) / kDegToRadForTest;
        return AddStar("", magnitude, ra < 0 ? ra + 360 : ra, dec);
    }
    uint8_t Corner() const { return PixelOf(S(), 2, S().Height - 2); }
    static constexpr double kDegToRadForTest = 0.017453292519943295;
};

TEST_F(DaylightPaintTest, TheBackgroundAndTheStarsFollowTheSunInHorizonViewOnly) {
    CStar* star = StarAhead(2.0f);
    SunAt(30);
    wnd.PaintSky();
    EXPECT_EQ(Corner(), DaylightBackgroundIndex(30));
    EXPECT_FLOAT_EQ(wnd.m_fSkyLimit, -1);
    EXPECT_FALSE(OnScreen(star->m_ptScreen));
    SunAt(-10);
    wnd.PaintSky();
    EXPECT_EQ(Corner(), DaylightBackgroundIndex(-10));
    EXPECT_NE(Corner(), kFirstShadeIndex);
    EXPECT_TRUE(OnScreen(star->m_ptScreen));
    SunAt(-30);
    wnd.PaintSky();
    EXPECT_EQ(Corner(), kFirstShadeIndex);
    // Only in Horizon view and when switched on.
    SunAt(30);
    wnd.m_bDaylight = false;
    wnd.PaintSky();
    EXPECT_EQ(Corner(), kFirstShadeIndex);
    EXPECT_EQ(wnd.m_fSkyLimit, kNoSkyLimit);
    wnd.m_bDaylight = true;
    doc.m_nViewMode = 0;
    wnd.PaintSky();
    EXPECT_EQ(Corner(), kFirstShadeIndex);
}

}  // namespace
