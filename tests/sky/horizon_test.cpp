// The observer's layers: the horizon with its azimuth marks or the ground,
// the vertical circle through the east point and the zenith, and the
// daylight (the sky's colour and the magnitude limit by the Sun's altitude,
// in Horizon view only).

#include <gtest/gtest.h>

#include <cmath>

#include "sky/daylight.h"
#include "sky/observer_circles.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {

constexpr uint8_t kYellow = 10 + kHorizonColour;

class HorizonTest : public EmptySkyTest {
protected:
    void SetUp() override {
        EmptySkyTest::SetUp();
        doc.m_nViewMode = 1;  // looking north, zenith up
        doc.m_bHorizon = 1;
    }
    uint8_t Ground() const { return NearestPaletteIndex(S().MemoryDC.Palette, Rgb(192, 192, 192)); }
};

TEST_F(HorizonTest, GroundOnlyInHorizonModeAndWithoutLabels) {
    doc.m_nZoom = 100;              // F = 100
    doc.m_nViewElevation = -1000;   // looking 11 degrees up: ground along the bottom
    // 30 degrees below the north point (the local sidereal angle is the
    // longitude alone here: no positions were computed).
    CStar* low = AddStar("", 0.5f, 87, 18);
    wnd.PaintSky();
    const int32_t x = ScreenOf(low)[0], y = ScreenOf(low)[1];
    EXPECT_NEAR(y, 240 - (120 - 100 * std::sin((30 + 11) * 0.0174533)), 2);

    doc.m_bGround = 1;
    wnd.PaintSky();
    EXPECT_EQ(CountColour(kAzimuthLabelColour), 0);
    EXPECT_EQ(WindowPixel(x, y), Ground());  // the ground covers the star
    EXPECT_EQ(PixelOf(S(), 160, 200), 10);
    // Without the horizon flag there is neither line nor ground.
    doc.m_bHorizon = 0;
    wnd.PaintSky();
    EXPECT_EQ(CountVisible(Ground()), 0);
    EXPECT_EQ(CountVisible(kYellow), 0);
    // Equatorial mode draws the horizon with its labels and no ground.
    doc.m_bHorizon = 1;
    doc.m_nViewMode = 0;
    doc.m_nViewElevation = -4096;  // declination 45: the horizon crosses the view
    wnd.PaintSky();
    EXPECT_GT(CountColour(kAzimuthLabelColour), 20);
    EXPECT_EQ(CountVisible(Ground()), 0);
}

TEST_F(HorizonTest, GroundClosesOnTheEdgeWhereTheGroundIs) {
    doc.m_bGround = 1;
    // Upright pictures close along the bottom, upside-down ones along the top,
    // wherever the trackball left the elevation.
    for (auto [elevation, row] : {std::pair{-1000, 240}, {1000, 240}, {8192, 0}, {24575, 0},
                                  {24576, 240}, {-10000, 0}, {12768 + 3 * 32768, 0}, {-20000, 0}})
        EXPECT_EQ(GroundBaseRow(elevation, 240), row) << elevation;
    // -10000 looks past the zenith (altitude 110 degrees): the picture is
    // upside down, the horizon lies above the centre and the ground beyond it,
    // so the polygon closes along the top and the sky stays clear.
    doc.m_nZoom = 100;  // F = 100: the whole hemisphere in the picture
    doc.m_nViewElevation = -10000;
    wnd.PaintSky();
    EXPECT_EQ(PixelOf(S(), 2, 238), Ground());
    EXPECT_EQ(PixelOf(S(), 160, 120), 10);
}

TEST_F(HorizonTest, LocalCircleThroughEastAndZenith) {
    doc.m_bHorizon = 0;
    doc.m_bLocalCircles = 1;
    doc.m_nViewAzimuth = -8192;  // looking east: the circle is the vertical line
    wnd.PaintSky();
    for (int32_t y : {20, 60, 119, 180, 220}) EXPECT_EQ(PixelOf(S(), 160, y), kYellow) << y;
    // Ticks every 15 degrees: 15 degrees up at 256 sin 15 = 66 rows; no labels.
    EXPECT_EQ(PixelOf(S(), 163, 120 + 66), kYellow);
    EXPECT_EQ(CountColour(kAzimuthLabelColour), 0);
}

TEST_F(HorizonTest, DaylightFollowsTheSunInHorizonViewOnly) {
    doc.m_bHorizon = 0;
    wnd.m_bDaylight = true;
    wnd.PaintSky();  // sets the observer frame
    // The Sun at an altitude above the southern horizon, from the Earth (at the origin).
    auto sunAt = [&](double altitudeDeg) {
        const double a = altitudeDeg * kDegToRad;
        const auto &z = doc.m_vZenith, &s = doc.m_vSouth;
        PlaceBody("Sun", 1.5e8 * (std::cos(a) * s[0] + std::sin(a) * z[0]),
                  1.5e8 * (std::cos(a) * s[1] + std::sin(a) * z[1]),
                  1.5e8 * (std::cos(a) * s[2] + std::sin(a) * z[2]));
        wnd.PaintSky();
        return PixelOf(S(), 2, S().Height - 2);  // the sky's colour in a corner
    };
    // A star where the camera looks.
    const Vec3i d = wnd.m_Camera.m_vDepth;
    const double ra = std::atan2(-d.z / 32768.0, d.x / 32768.0) * kRadToDeg;
    CStar* star = AddStar("", 2.0f, ra < 0 ? ra + 360 : ra, std::asin(d.y / 32768.0) * kRadToDeg);
    EXPECT_EQ(sunAt(30), DaylightBackgroundIndex(30));
    EXPECT_FLOAT_EQ(wnd.m_fSkyLimit, -1);
    EXPECT_FALSE(OnScreen(ScreenOf(star)));
    EXPECT_EQ(sunAt(-10), DaylightBackgroundIndex(-10));
    EXPECT_TRUE(OnScreen(ScreenOf(star)));
    EXPECT_EQ(sunAt(-30), kFirstShadeIndex);
    // Only in Horizon view and when switched on.
    wnd.m_bDaylight = false;
    EXPECT_EQ(sunAt(30), kFirstShadeIndex);
    EXPECT_EQ(wnd.m_fSkyLimit, kNoSkyLimit);
    wnd.m_bDaylight = true;
    doc.m_nViewMode = 0;
    EXPECT_EQ(sunAt(30), kFirstShadeIndex);
}

}  // namespace
