// The observer circles: the horizon with its azimuth marks or the ground,
// and the vertical circle through the east point and the zenith (the line
// and its marks as drawn are in the golden scenes).

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sky/observer_circles.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {

constexpr uint8_t kYellow = 10 + kHorizonColour;

class HorizonTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);  // stride 320, centre (160, 120), F = 256
        EmptySky();
        doc.m_nViewMode = 1;  // looking north, zenith up
        doc.m_bHorizon = 1;
    }
    uint8_t Ground() const { return NearestPaletteIndex(S().MemoryDC.Palette, Rgb(192, 192, 192)); }
    std::vector<uint8_t> Frame() const { return {S().Bits, S().Bits + S().Stride * S().Height}; }
};

TEST(AzimuthLabelTest, CardinalPoints) {
    // The marks as the horizon walks them, from the east point toward south.
    std::vector<std::string> marks;
    for (float s = 0; s < 6.282185307179586; s += 0.2617993877991494f) marks.push_back(AzimuthLabel(s));
    ASSERT_EQ(marks.size(), 24u);
    EXPECT_EQ(marks[0], "90\u00BA");    // east
    EXPECT_EQ(marks[6], "180\u00BA");   // south
    EXPECT_EQ(marks[12], "270\u00BA");  // west
    EXPECT_EQ(marks[18], "0\u00BA");    // north, not 360
    EXPECT_EQ(marks[23], "75\u00BA");
}

TEST_F(HorizonTest, GroundOnlyInHorizonModeAndWithoutLabels) {
    doc.m_nZoom = 100;              // F = 100
    doc.m_nViewElevation = -1000;   // looking 11 degrees up: ground along the bottom
    // 30 degrees below the north point (the local sidereal angle is the
    // longitude alone here: no positions were computed).
    CStar* low = AddStar("", 0.5f, 87, 18);
    wnd.PaintSky();
    const int32_t x = low->m_ptScreen[0], y = low->m_ptScreen[1];
    const uint8_t disc = WindowPixel(x, y);
    EXPECT_EQ(disc, ShadeBase[448] + 1);
    EXPECT_NEAR(y, 240 - (120 - 100 * std::sin((30 + 11) * 0.0174533)), 2);

    doc.m_bGround = 1;
    wnd.PaintSky();
    EXPECT_EQ(CountColour(kAzimuthLabelColour), 0);
    EXPECT_EQ(WindowPixel(x, y), Ground());  // the ground covers the star
    EXPECT_EQ(PixelOf(S(), 160, 2), Ground());
    EXPECT_EQ(PixelOf(S(), 5, 2), Ground());
    EXPECT_EQ(PixelOf(S(), 160, 200), 10);
    EXPECT_TRUE(doc.m_frameLines.empty());
    // Without the horizon flag there is neither line nor ground.
    doc.m_bHorizon = 0;
    wnd.PaintSky();
    EXPECT_EQ(CountVisible(Ground()), 0);
    EXPECT_EQ(CountVisible(kYellow), 0);
    EXPECT_EQ(WindowPixel(x, y), disc);
    // Equatorial mode draws the horizon with its labels and no ground.
    doc.m_bHorizon = 1;
    doc.m_nViewMode = 0;
    doc.m_nViewElevation = -4096;  // declination 45: the horizon crosses the view
    wnd.PaintSky();
    EXPECT_GT(CountVisible(kYellow), 50);
    EXPECT_GT(CountColour(kAzimuthLabelColour), 20);
    EXPECT_EQ(CountVisible(Ground()), 0);
}

TEST_F(HorizonTest, GroundClosesOnTheEdgeWhereTheGroundIs) {
    doc.m_bGround = 1;
    EXPECT_EQ(GroundBaseRow(-1000, 240), 240);  // upright picture: the bottom
    EXPECT_EQ(GroundBaseRow(1000, 240), 240);
    EXPECT_EQ(GroundBaseRow(8192, 240), 0);     // upside down: the top
    EXPECT_EQ(GroundBaseRow(24575, 240), 0);
    EXPECT_EQ(GroundBaseRow(24576, 240), 240);
    // -10000 looks past the zenith (altitude 110 degrees): the picture is
    // upside down, the horizon lies above the centre and the ground beyond it,
    // so the polygon closes along the top and the sky stays clear.
    EXPECT_EQ(GroundBaseRow(-10000, 240), 0);
    doc.m_nZoom = 100;  // F = 100: the whole hemisphere in the picture
    doc.m_nViewElevation = -10000;
    wnd.PaintSky();
    EXPECT_EQ(PixelOf(S(), 2, 238), Ground());
    EXPECT_EQ(PixelOf(S(), 160, 120), 10);
    EXPECT_EQ(PixelOf(S(), 160, 1), 10);
    // 10000 looks 110 degrees down: ground from the top down to the horizon
    // below the centre.
    doc.m_nViewElevation = 10000;
    wnd.PaintSky();
    EXPECT_EQ(PixelOf(S(), 160, 238), Ground());
    EXPECT_EQ(PixelOf(S(), 160, 120), Ground());
    EXPECT_EQ(PixelOf(S(), 160, 1), 10);
    // The trackball can leave the elevation anywhere: the same view must
    // close the ground on the same edge, not fill the sky.
    doc.m_nZoom = 256;
    doc.m_nViewElevation = 12768;
    wnd.PaintSky();
    const std::vector<uint8_t> reduced = Frame();
    EXPECT_GT(CountVisible(Ground()), 1000);
    for (int32_t same : {-20000, 12768 + 3 * 32768}) {
        doc.m_nViewElevation = same;
        wnd.PaintSky();
        EXPECT_EQ(Frame(), reduced) << same;
    }
}

TEST_F(HorizonTest, LocalCircleThroughEastAndZenith) {
    doc.m_bHorizon = 0;
    doc.m_bLocalCircles = 1;
    doc.m_nViewAzimuth = -8192;  // looking east: the circle is the vertical line
    wnd.PaintSky();
    for (int32_t y : {20, 60, 119, 180, 220}) EXPECT_EQ(PixelOf(S(), 160, y), kYellow) << y;
    // Ticks every 15 degrees: at the east point and 15 degrees up; no labels.
    EXPECT_EQ(PixelOf(S(), 163, 120), kYellow);
    const int32_t tickY = 120 + 66;  // 256 sin 15 degrees
    EXPECT_EQ(PixelOf(S(), 163, tickY), kYellow);
    EXPECT_EQ(CountColour(kAzimuthLabelColour), 0);
    EXPECT_TRUE(doc.m_frameLines.empty());
}

}  // namespace
