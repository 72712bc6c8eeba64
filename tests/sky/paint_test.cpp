// The paint cycle and the star and body layers on hand-made skies.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/primitives.h"
#include "sky/moon_phase.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {

class PaintTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);  // stride 320, centre (160, 120), F = 256
        EmptySky();
    }
    // Window point of a star or body after the paint.
    static std::pair<int32_t, int32_t> At(const int32_t (&pt)[2]) { return {pt[0], pt[1]}; }
};

TEST_F(PaintTest, APaintBeforeAnySurfaceTouchesNothing) {
    CLumoWnd fresh;
    fresh.m_pDoc = &doc;
    fresh.m_pHost = &host;
    FixedTimeSource time;
    time.chosen = CDateTime(2020, 1, 1, 0, 0, 0);
    fresh.m_pTimeSource = &time;
    fresh.OnCreate();
    CStar* star = AddStar("Vega", 0.0f, 0, 0);
    star->m_ptScreen[0] = star->m_ptScreen[1] = 7;
    fresh.PaintSky();
    EXPECT_TRUE(std::isnan(doc.m_dJulianDay));  // no positions computed
    EXPECT_EQ(star->m_ptScreen[0], 7);
    EXPECT_EQ(host.presents, 0);
    EXPECT_EQ(fresh.m_Surface.Bits, nullptr);
    // A client area without width leaves the window without a surface too.
    host.width = 0;
    fresh.OnSize();
    fresh.PaintSky();
    EXPECT_EQ(host.presents, 0);
}

TEST_F(PaintTest, PresentsTheWholeSurfaceOnePixelRight) {
    doc.m_nZoom = 100;  // F = 100: the rim of the hemisphere inside the surface
    wnd.PaintSky();
    ASSERT_EQ(host.presents, 1);
    EXPECT_EQ(host.last.BlitX, 1);
    EXPECT_EQ(host.last.Width, 320);
    EXPECT_EQ(PixelOf(S(), 160, 120), 10);
    EXPECT_EQ(PixelOf(S(), 160 + 100, 120), 10 + kGridColour);
}

TEST_F(PaintTest, StarsStopAtTheFirstOneAtTheMagnitudeLimitAndNamesAtTheNamesLimit) {
    CStar* bright = AddStar("", 1.5f, 10, 0);
    CStar* limit = AddStar("", 2.0f, 20, 0);
    CStar* later = AddStar("", 1.0f, 30, 0);  // out of order: never looked at
    doc.m_fMagLimit = 2.0f;
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(bright->m_ptScreen));
    EXPECT_FALSE(OnScreen(limit->m_ptScreen));
    EXPECT_FALSE(OnScreen(later->m_ptScreen));
    doc.m_fMagLimit = 10000;  // the default draws every star in front
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(limit->m_ptScreen));
    EXPECT_TRUE(OnScreen(later->m_ptScreen));
    // Turned away, a star keeps no stale position a tap could pick.
    doc.m_nViewAzimuth = 16384;
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(later->m_ptScreen));
    doc.m_nViewAzimuth = 0;
    // Names only of named stars brighter than the names limit (3.0).
    EXPECT_EQ(CountColour(kStarNameColour), 0);
    doc.m_stars.clear();
    AddStar("Capella", 2.99f, 0, 0);
    wnd.PaintSky();
    EXPECT_GT(CountColour(kStarNameColour), 10);
    doc.m_stars.back()->m_fMagnitude = 3.0f;
    wnd.PaintSky();
    EXPECT_EQ(CountColour(kStarNameColour), 0);
}

TEST_F(PaintTest, DirectionsOnTheRimAreNotDrawnButBodiesAre) {
    CStar* pole = AddStar("", 2.5f, 0, 90);  // Z = 0: on the rim
    pole->m_pos.X = pole->m_pos.Z = 0;
    pole->m_pos.Y = 32767;
    PlaceBody("Jupiter", 0, 7e8, 0);  // straight up from the eye: Z = 0
    doc.m_figures.push_back(CSkyLine(SkyPointAt(0, 0), pole->m_pos));
    doc.m_bFigures = 1;
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(pole->m_ptScreen));
    EXPECT_EQ(CountIndex(S(), 10 + kFigureColour), 0);
    const CPlanet* jupiter = Body("Jupiter");
    ASSERT_TRUE(OnScreen(jupiter->m_ptScreen));
    EXPECT_EQ(jupiter->m_ptScreen[0], 160);
    EXPECT_EQ(jupiter->m_ptScreen[1], 240 - (120 + 255));  // F x 32767 / 32768
}

TEST_F(PaintTest, StarMarkersBySizeAndShade) {
    // The bands' edges (the rest is in the golden scenes): 1.0 a cross, 2.0 a dot.
    SurfaceClear(wnd.m_Surface, 10);
    DrawStar(wnd, 0.99f, 40, 100);
    DrawStar(wnd, 1.0f, 80, 100);
    DrawStar(wnd, 2.0f, 120, 100);
    EXPECT_NE(PixelOf(S(), 41, 101), 10);
    EXPECT_EQ(PixelOf(S(), 81, 100), 11);
    EXPECT_EQ(PixelOf(S(), 81, 101), 10);
    EXPECT_EQ(PixelOf(S(), 121, 100), 10);
    // At column 0 a dot fits but a cross does not; nothing leaves the surface.
    DrawStar(wnd, 2.5f, 0, 50);
    DrawStar(wnd, 1.5f, 0, 60);
    DrawStar(wnd, 0.5f, 1, 70);
    DrawStar(wnd, 2.5f, -1, 80);
    DrawStar(wnd, 1.5f, 319, 239);
    EXPECT_EQ(PixelOf(S(), 0, 50), 11);
    EXPECT_EQ(PixelOf(S(), 0, 60), 10);
    EXPECT_EQ(PixelOf(S(), 1, 60), 10);
    EXPECT_EQ(PixelOf(S(), 1, 70), 10);
    // A cross one pixel short of any edge is not drawn at all, nor a disc
    // short of its radius (2); just inside, both are.
    SurfaceClear(wnd.m_Surface, 10);
    const int clear = CountIndex(S(), 10);
    const int32_t right = S().Stride - 1, top = S().Height - 1;
    for (auto [x, y] : {std::pair{right, 100}, {100, top}, {100, 0}}) DrawStar(wnd, 1.5f, x, y);
    for (auto [x, y] : {std::pair{right - 1, 100}, {100, top - 1}, {1, 100}, {100, 1}})
        DrawStar(wnd, 0.5f, x, y);
    EXPECT_EQ(CountIndex(S(), 10), clear);
    for (auto [x, y] : {std::pair{right - 1, 100}, {100, top - 1}, {1, 150}, {200, 1}})
        DrawStar(wnd, 1.5f, x, y);
    EXPECT_EQ(CountIndex(S(), 11), 20);
    DrawStar(wnd, 0.5f, 2, 2);
    DrawStar(wnd, 0.5f, right - 2, top - 2);
    EXPECT_NE(PixelOf(S(), 0, 2), 10);  // rows run from x - r to x + r - 1
    EXPECT_NE(PixelOf(S(), right - 1, top - 2), 10);
}

TEST_F(PaintTest, FainterStarsAreDarker) {
    const PaletteEntry* palette = S().MemoryDC.Palette;
    int previous = 256;
    for (float m : {2.9f, 3.1f, 4.5f, 5.9f, 6.5f}) {
        const PaletteEntry& e = palette[StarPaletteIndex(m)];
        EXPECT_EQ(e.Red, e.Green) << m;  // white, only dimmed
        EXPECT_EQ(e.Green, e.Blue) << m;
        EXPECT_LT(e.Red, previous) << m;
        previous = e.Red;
    }
    EXPECT_EQ(StarPaletteIndex(-1.0f), 11);
    EXPECT_EQ(StarPaletteIndex(3.0f), PaletteIndexOf(4, 1));
}

TEST_F(PaintTest, BodiesFarToNearWithTheirMarkers) {
    // Saturn behind Mars on the same line of sight: Mars paints over it.
    PlaceBody("Saturn", 1.4e9, 0, 0);
    PlaceBody("Mars", 2e8, 0, 0);
    PlaceBody("Sun", 1.5e8, 3e7, 0);  // 11 degrees up
    wnd.PaintSky();
    const CPlanet* mars = Body("Mars");
    ASSERT_TRUE(OnScreen(mars->m_ptScreen));
    EXPECT_EQ(At(mars->m_ptScreen), At(Body("Saturn")->m_ptScreen));
    const uint8_t marsColour = PixelOf(S(), 159, 120);
    EXPECT_EQ(marsColour, ShadeBase[448] + 2);  // red, one level darker
    // The Sun: a yellow disc of radius 6.
    auto [sx, sy] = At(Body("Sun")->m_ptScreen);
    EXPECT_EQ(WindowPixel(sx + 4, sy), ShadeBase[448] + 5);
    EXPECT_EQ(WindowPixel(sx + 8, sy), 10);
    EXPECT_GT(CountColour(kBodyNameColour), 20);
    // Nearer first is drawn first, so the far body now covers it.
    PlaceBody("Mars", 2e9, 0, 0);
    wnd.PaintSky();
    EXPECT_EQ(PixelOf(S(), 159, 120), ShadeBase[448] + 1);
    EXPECT_GT(Body("Mars")->m_dDistance, Body("Saturn")->m_dDistance);
}

TEST_F(PaintTest, TheMoonIsShownOnlyFromTheEarth) {
    PlaceBody("Moon", 4e5, 0, 0);
    PlaceBody("Phobos", 3e8, 0, 1e4);  // well within a pixel of Mars
    PlaceBody("Mars", 3e8, 0, 0);
    doc.m_dJulianDay = 2451993.365 + 14.765;  // full Moon
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(Body("Moon")->m_ptScreen));
    EXPECT_FALSE(OnScreen(Body("Phobos")->m_ptScreen));
    // Another planet's moon is drawn once it stands apart from it on the screen.
    PlaceBody("Phobos", 3e8, 0, 1e7);
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(Body("Phobos")->m_ptScreen));
    PlaceBody("Phobos", 3e8, 0, 1e4);
    EXPECT_EQ(wnd.m_moonIcon.HeldId(), 2306);
    EXPECT_EQ(WindowPixel(160, 120), NearestPaletteIndex(S().MemoryDC.Palette, Rgb(255, 251, 240)));
    // Standing on Mars (VR mode): Mars itself at the centre, its moons, no Moon.
    doc.m_bObserverOnBody = 1;
    doc.m_pAim = Body("Mars");
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(Body("Moon")->m_ptScreen));
    EXPECT_TRUE(OnScreen(Body("Phobos")->m_ptScreen));
    EXPECT_TRUE(OnScreen(Body("Mars")->m_ptScreen));
    EXPECT_FALSE(OnScreen(Body("Earth")->m_ptScreen));
}

TEST(MoonPhaseTest, IconIdsFollowTheLunation) {
    EXPECT_EQ(MoonIconIdForFraction(0.5), 2306);   // full Moon
    EXPECT_EQ(MoonIconIdForFraction(0.01), 2300);  // the first sixtieth: new Moon
    EXPECT_EQ(MoonIconIdForFraction(0.02), 2311);
    EXPECT_EQ(MoonIconIdForFraction(0.999), 2300);
    EXPECT_EQ(MoonIconIdForFraction(std::nan("")), 2300);
    EXPECT_NEAR(LunationFraction(2451993.365), 0.0, 1e-12);
    EXPECT_NEAR(LunationFraction(2451993.365 - 0.25 / 0.033863867253640365), 0.75, 1e-9);
    EXPECT_NEAR(LunationFraction(2451993.365 + 10.5 / 0.033863867253640365), 0.5, 1e-9);
}

// Lit pixels of an icon, on its left and right halves.
std::pair<int, int> LitHalves(const CIcon& icon) {
    int left = 0, right = 0;
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 16; ++x)
            if (icon.IsOpaque(x, y) && icon.Colour(x, y) == Rgb(255, 251, 240)) (x < 8 ? left : right)++;
    return {left, right};
}

TEST(MoonPhaseTest, TwelvePhasePictures) {
    CIcon icon;
    EXPECT_FALSE(LoadMoonIcon(2312, icon));
    auto lit = [&](int32_t id) {
        EXPECT_TRUE(LoadMoonIcon(id, icon)) << id;
        return LitHalves(icon);
    };
    auto [fullLeft, fullRight] = lit(2306);
    EXPECT_GT(fullLeft + fullRight, 170);  // nearly the whole disc
    EXPECT_FALSE(icon.IsOpaque(0, 0));     // round, corners clear
    auto [newLeft, newRight] = lit(2300);
    EXPECT_LT(newLeft + newRight, 5);      // a dark disc
    auto [waxLeft, waxRight] = lit(2309);  // waxing: lit on the right
    EXPECT_GT(waxRight, waxLeft + 20);
    auto [waneLeft, waneRight] = lit(2303);  // waning: lit on the left
    EXPECT_GT(waneLeft, waneRight + 20);
}

}  // namespace
