// The sky window at a scale above 1: markers, icons, fonts and the stylus
// distances grow with the scale; the view's angles do not change.

#include <gtest/gtest.h>

#include "sky/moon_phase.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {

class ScaleTest : public SkyWindowTest {
protected:
    // The window at a scale: a client area of width x height designed
    // pixels, scale times as many surface pixels.
    void SizeAt(double scale, int32_t width, int32_t height) {
        wnd.SetScale(SkyScaleOf(scale));
        Size(static_cast<int32_t>(width * scale), static_cast<int32_t>(height * scale));
    }
    uint8_t At(int32_t x, int32_t y) const { return PixelOf(S(), x, y); }
    // Surface pixels of the square [x0, x1] x [y0, y1] holding index.
    int CountIn(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t index) const {
        int n = 0;
        for (int32_t y = y0; y <= y1; ++y)
            for (int32_t x = x0; x <= x1; ++x) n += At(x, y) == index;
        return n;
    }
};

TEST_F(ScaleTest, StarMarkersAreMadeOfScaledSquares) {
    SizeAt(2, 100, 80);
    SurfaceClear(wnd.m_Surface, 10);
    const uint8_t bright = StarPaletteIndex(2.5f);
    DrawStar(wnd, 2.5f, 50, 40);  // a dot: the 2 x 2 square from (50, 40)
    EXPECT_EQ(CountIn(48, 38, 53, 43, bright), 4);
    EXPECT_EQ(CountIn(50, 40, 51, 41, bright), 4);
    const uint8_t cross = StarPaletteIndex(1.5f);
    DrawStar(wnd, 1.5f, 100, 100);  // five squares, arms one square long
    EXPECT_EQ(CountIn(96, 96, 105, 105, cross), 20);
    for (auto [x, y] : {std::pair{100, 100}, {98, 100}, {102, 100}, {100, 98}, {100, 102}})
        EXPECT_EQ(CountIn(x, y, x + 1, y + 1, cross), 4) << x << "," << y;
    EXPECT_EQ(CountIn(98, 98, 99, 99, cross), 0);  // the corners stay clear
    // A whole marker must fit: a cross needs two squares of room to the left.
    SurfaceClear(wnd.m_Surface, 10);
    DrawStar(wnd, 1.5f, 1, 50);
    DrawStar(wnd, 2.5f, S().Stride - 1, 50);  // the dot's square would leave the surface
    EXPECT_EQ(CountVisible(cross) + CountVisible(bright), 0);
    DrawStar(wnd, 1.5f, 2, 50);
    EXPECT_EQ(CountVisible(cross), 20);
    // The brightest stars are discs of twice the radius.
    SurfaceClear(wnd.m_Surface, 10);
    DrawStar(wnd, 0.5f, 100, 100);  // rows run from x - r to x + r - 1
    EXPECT_NE(At(96, 100), 10);
    EXPECT_NE(At(103, 100), 10);
    EXPECT_EQ(At(104, 100), 10);
}

TEST_F(ScaleTest, FontsAndTheMoonIconGrowWithTheScale) {
    CFont designed;
    ASSERT_TRUE(designed.CreateFont(24, "Arial"));
    SizeAt(2, 100, 80);
    EXPECT_EQ(tools.scale.factor, 2.0);
    EXPECT_EQ(tools.fontA.CellHeight(), designed.CellHeight());
    wnd.SetScale(SkyScale{});
    CFont small;
    ASSERT_TRUE(small.CreateFont(12, "Arial"));
    EXPECT_EQ(tools.fontA.CellHeight(), small.CellHeight());

    CMoonIconHolder holder;
    const CIcon* icon = holder.Get(2306, 32);  // full Moon
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Side(), 32);
    EXPECT_FALSE(icon->IsOpaque(0, 0));
    EXPECT_TRUE(icon->IsOpaque(16, 16));
    EXPECT_TRUE(icon->IsOpaque(1, 16));  // the disc reaches the edges
    EXPECT_TRUE(icon->IsOpaque(30, 16));
    EXPECT_EQ(holder.Get(2306)->Side(), 16);  // a new side is a new picture
}

TEST_F(ScaleTest, TheSameViewLandsAtScaledPositions) {
    EmptySky();
    CStar* star = AddStar("Test", 2.5f, 10, 8);
    SizeAt(1, 240, 180);
    wnd.PaintSky();
    const int32_t x1 = star->m_ptScreen[0], y1 = star->m_ptScreen[1];
    const int32_t cx1 = S().CentreX, cy1 = S().Height - S().CentreY;
    SizeAt(2, 240, 180);
    wnd.PaintSky();
    const int32_t cx2 = S().CentreX, cy2 = S().Height - S().CentreY;
    EXPECT_NEAR(star->m_ptScreen[0] - cx2, 2 * (x1 - cx1), 2);
    EXPECT_NEAR(star->m_ptScreen[1] - cy2, 2 * (y1 - cy1), 2);
}

TEST_F(ScaleTest, StylusDistancesAndTheEdgeStepAreScaled) {
    EmptySky();
    SizeAt(2, 240, 150);
    wnd.PaintSky();
    const int32_t F = FocalLength, r = host.width;
    const int32_t step = 2 * 131072 / F;
    EXPECT_EQ(wnd.EdgeStep(), step);
    wnd.OnPenDown(r - 39, 100);
    EXPECT_EQ(wnd.m_nAzimuthStep, -step);
    wnd.OnPenUp(r - 39, 100);
    wnd.OnPenDown(r - 40, 100);
    EXPECT_EQ(wnd.m_nAzimuthStep, 0);
    wnd.OnPenUp(r - 40, 100);

    // The arrow keys turn by the same step as the edges.
    doc.m_nViewAzimuth = doc.m_nViewElevation = 0;
    wnd.TurnByEdgeStep(-1, 0);
    EXPECT_EQ(doc.m_nViewAzimuth, step);
    wnd.TurnByEdgeStep(1, 1);
    EXPECT_EQ(doc.m_nViewAzimuth, 0);
    EXPECT_EQ(doc.m_nViewElevation, step);
    wnd.TurnByEdgeStep(0, -1);
    EXPECT_EQ(doc.m_nViewElevation, 0);

    // A tap within 30 pixels (15 designed) picks the star.
    CStar* star = AddStar("Near", 2.5f, 0, 0);
    star->m_ptScreen[0] = 200 - wnd.m_Surface.BlitX;
    star->m_ptScreen[1] = 100;
    wnd.HitTest(200 + 29, 100);
    EXPECT_EQ(host.starShown, star);
    host.starShown = nullptr;
    wnd.HitTest(200 + 30, 100);
    EXPECT_EQ(host.starShown, nullptr);
    // On a large surface a star not drawn keeps no position to tap.
    AddStar("Behind", 2.5f, 180, 0);
    SizeAt(2, 1200, 1100);
    wnd.PaintSky();
    for (int32_t x : {2000, 2001}) wnd.HitTest(x, 2000);
    EXPECT_EQ(host.starShown, nullptr);
    EXPECT_EQ(host.planetShown, nullptr);
}

}  // namespace
