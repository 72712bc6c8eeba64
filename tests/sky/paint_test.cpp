// The paint cycle on hand-made skies: the star and body layers, the line
// sets drawn through their index (passing over the groups off the view must
// not lose a pixel), the telescope's reticle, and the window at a scale
// above 1 (markers, icons, fonts and stylus distances grow with the scale).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <tuple>
#include <vector>

#include "engine/primitives.h"
#include "engine/surface.h"
#include "sky/moon_phase.h"
#include "sky/sky_paint.h"
#include "sky/telescope_reticle.h"
#include "tests/sky/sky_fixture.h"

namespace {

using PaintTest = EmptySkyTest;

TEST_F(PaintTest, APaintBeforeAnySurfaceTouchesNothing) {
    CLumoWnd fresh;
    fresh.m_pDoc = &doc;
    fresh.m_pHost = &host;
    FixedTimeSource time{CDateTime(2020, 1, 1, 0, 0, 0), false};
    fresh.m_pTimeSource = &time;
    fresh.OnCreate();
    fresh.PaintSky();
    EXPECT_TRUE(std::isnan(doc.m_dJulianDay));  // no positions computed
    EXPECT_EQ(fresh.m_Surface.Bits, nullptr);
    // A client area without width leaves the window without a surface too.
    host.width = 0;
    fresh.OnSize();
    fresh.PaintSky();
    EXPECT_EQ(host.presents, 0);
}

TEST_F(PaintTest, StarsStopAtTheFirstOneAtTheMagnitudeLimitAndNamesAtTheNamesLimit) {
    CStar* bright = AddStar("", 1.5f, 10, 0);
    CStar* limit = AddStar("", 2.0f, 20, 0);
    CStar* later = AddStar("", 1.0f, 30, 0);  // out of order: never looked at
    doc.m_fMagLimit = 2.0f;
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(ScreenOf(bright)));
    EXPECT_FALSE(OnScreen(ScreenOf(limit)));
    EXPECT_FALSE(OnScreen(ScreenOf(later)));
    doc.m_fMagLimit = 10000;  // the default draws every star in front
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(ScreenOf(later)));
    // Names only of named stars brighter than the names limit (3.0).
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
    PlaceBody("Jupiter", 0, 7e8, 0);  // straight up from the eye: Z = 0, F x 32767 / 32768 up
    doc.m_figures.push_back(CSkyLine(SkyPointAt(0, 0), pole->m_pos));
    doc.m_bFigures = 1;
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(ScreenOf(pole)));
    EXPECT_EQ(CountIndex(S(), 10 + kFigureColour), 0);
    EXPECT_EQ(ScreenOf(Body("Jupiter")), (std::array<int32_t, 2>{160, 240 - (120 + 255)}));
}

TEST_F(PaintTest, BodiesFarToNearWithTheirMarkers) {
    // Saturn behind Mars on the same line of sight: Mars paints over it.
    PlaceBody("Saturn", 1.4e9, 0, 0);
    PlaceBody("Mars", 2e8, 0, 0);
    PlaceBody("Sun", 1.5e8, 3e7, 0);  // 11 degrees up
    wnd.PaintSky();
    EXPECT_EQ(ScreenOf(Body("Mars")), ScreenOf(Body("Saturn")));
    EXPECT_EQ(PixelOf(S(), 159, 120), ShadeBase[448] + 2);  // red, one level darker
    // The Sun: a yellow disc of radius 6, its rows from x - 6 to x + 5.
    auto [sx, sy] = ScreenOf(Body("Sun"));
    EXPECT_EQ(WindowPixel(sx - 6, sy), ShadeBase[448] + 5);
    EXPECT_EQ(WindowPixel(sx + 6, sy), 10);
    EXPECT_GT(CountColour(kBodyNameColour), 20);
    // Nearer first is drawn first, so the far body now covers it.
    PlaceBody("Mars", 2e9, 0, 0);
    wnd.PaintSky();
    EXPECT_EQ(PixelOf(S(), 159, 120), ShadeBase[448] + 1);
}

TEST_F(PaintTest, TheMoonIsShownOnlyFromTheEarth) {
    PlaceBody("Moon", 4e5, 0, 0);
    PlaceBody("Phobos", 3e8, 0, 1e4);  // well within a pixel of Mars
    PlaceBody("Mars", 3e8, 0, 0);
    doc.m_dJulianDay = 2451993.365 + 14.765;  // full Moon
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(ScreenOf(Body("Phobos"))));
    EXPECT_EQ(wnd.m_moonIcon.HeldId(), 2306);
    EXPECT_EQ(WindowPixel(160, 120), NearestPaletteIndex(S().MemoryDC.Palette, Rgb(255, 251, 240)));
    // Another planet's moon is drawn once it stands apart from it on the screen.
    PlaceBody("Phobos", 3e8, 0, 1e7);
    wnd.PaintSky();
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Phobos"))));
    // Standing on Mars (VR mode): Mars itself at the centre, its moons, no Moon.
    doc.m_bObserverOnBody = 1;
    doc.m_pAim = Body("Mars");
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(ScreenOf(Body("Moon"))));
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Phobos"))));
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Mars"))));
}

TEST(MoonPhaseTest, IconIdsFollowTheLunation) {
    EXPECT_EQ(MoonIconIdForFraction(0.5), 2306);   // full Moon
    EXPECT_EQ(MoonIconIdForFraction(0.01), 2300);  // the first sixtieth: new Moon
    EXPECT_EQ(MoonIconIdForFraction(0.02), 2311);
    EXPECT_EQ(MoonIconIdForFraction(0.999), 2300);
    EXPECT_EQ(MoonIconIdForFraction(std::nan("")), 2300);
    EXPECT_NEAR(LunationFraction(2451993.365), 0.0, 1e-12);
    EXPECT_NEAR(LunationFraction(2451993.365 - 0.25 / 0.033863867253640365), 0.75, 1e-9);
    CIcon icon;
    for (int32_t id = 2300; id < 2312; ++id) EXPECT_TRUE(LoadMoonIcon(id, icon)) << id;
    EXPECT_FALSE(LoadMoonIcon(2312, icon));
}

TEST_F(PaintTest, ReticleTwoCirclesAndACrossWhereTheMountPoints) {
    constexpr uint8_t kReticle = 10 + kTelescopeColour;
    wnd.m_telescope = {true, 1.0, 10.0};  // 1h, +10 deg: up and left of the centre
    // A body in the same direction: the reticle centres on its marker.
    const double ra = 15 * kDegToRad, dec = 10 * kDegToRad;
    PlaceBody("Jupiter", 7e8 * std::cos(dec) * std::cos(ra), 7e8 * std::sin(dec),
              -7e8 * std::cos(dec) * std::sin(ra));
    wnd.PaintSky();
    const int32_t x = ScreenOf(Body("Jupiter"))[0], y = S().Height - ScreenOf(Body("Jupiter"))[1];
    // 160 - trunc(256 cos 10° sin 15°), 120 + trunc(256 sin 10°).
    EXPECT_EQ(x, 95);
    EXPECT_EQ(y, 164);
    ExpectGoldenFrame(S(), 0x139fa058e528d895ull, "telescope_reticle");
    // Nothing when hidden or behind the view.
    for (TelescopeMark hidden : {TelescopeMark{false, 0.0, 0.0}, TelescopeMark{true, 12.0, 0.0}}) {
        wnd.m_telescope = hidden;
        wnd.PaintSky();
        EXPECT_EQ(CountVisible(kReticle), 0);
    }
}

class LineIndexTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(320, 240);
    }
    // The set through the index, and every segment of it one by one.
    void ExpectSameAsEverySegment(const std::vector<CSkyLine>& lines, const char* what) {
        SurfaceClear(wnd.m_Surface, 0);
        DrawLineSet(wnd, lines, 3);
        const std::vector<uint8_t> indexed = Frame();
        SurfaceClear(wnd.m_Surface, 0);
        for (const CSkyLine& line : lines) DrawSegment(wnd, 3, line.m_start, line.m_end);
        ASSERT_TRUE(indexed == Frame()) << what << " at focal " << S().FocalLength;
    }
};

// Short and long segments scattered over the sky, some in runs close together.
std::vector<CSkyLine> ScatteredLines(std::mt19937& rng) {
    std::uniform_real_distribution<double> ra(0, 360), dec(-89, 89), step(-3, 3), far(-70, 70);
    std::vector<CSkyLine> lines;
    for (int run = 0; run < 60; ++run) {
        double a = ra(rng), d = dec(rng);
        for (int k = 0; k < 12; ++k) {
            const bool longOne = k == 5;
            const double a1 = a + (longOne ? far(rng) : step(rng));
            const double d1 = std::clamp(d + (longOne ? far(rng) : step(rng)), -89.0, 89.0);
            lines.emplace_back(SkyPointAt(a, d), SkyPointAt(a1, d1));
            a = a1, d = d1;
        }
    }
    return lines;
}

TEST_F(LineIndexTest, GroupsOffTheViewHoldNoPixelOfTheSet) {
    std::mt19937 rng(5);
    const std::vector<CSkyLine> scattered = ScatteredLines(rng);
    std::uniform_int_distribution<int32_t> angle(-16384, 16383);
    for (int32_t zoom : {90, 256, 700, 2048, 6000}) {
        wnd.m_Surface.FocalLength = zoom;
        for (int view = 0; view < 12; ++view) {
            wnd.m_Camera.Reset();
            wnd.m_Camera.Rotate(angle(rng), angle(rng), angle(rng));
            ExpectSameAsEverySegment(doc.m_gridLines, "grid");
            ExpectSameAsEverySegment(doc.m_eclipticLines, "ecliptic");
            ExpectSameAsEverySegment(scattered, "scattered");
        }
    }
}

TEST_F(LineIndexTest, ASetReplacedInItsOwnVectorIsIndexedAgain) {
    std::mt19937 rng(9);
    std::vector<CSkyLine> lines = ScatteredLines(rng);
    wnd.m_Surface.FocalLength = 700;
    wnd.m_Camera.Rotate(0, 3000, 9000);
    ExpectSameAsEverySegment(lines, "first set");
    const CSkyLine* storage = lines.data();
    const std::vector<CSkyLine> other = ScatteredLines(rng);
    lines = other;  // the same length: copied into the same storage
    ASSERT_EQ(lines.data(), storage);
    ExpectSameAsEverySegment(lines, "second set");
}

class ScaleTest : public SkyWindowTest {
protected:
    // The window at a scale: a client area of width x height designed
    // pixels, scale times as many surface pixels.
    void SizeAt(double scale, int32_t width, int32_t height) {
        wnd.SetScale(SkyScaleOf(scale));
        Size(static_cast<int32_t>(width * scale), static_cast<int32_t>(height * scale));
    }
};

// Star markers by magnitude: below 1.0 a disc of radius 2k, below 2.0 a cross
// of five squares, else one square, the squares k x k surface pixels at
// scale k; a marker is drawn only when the whole of it fits on the surface.
TEST_F(ScaleTest, StarMarkersBySizeAndScaleDrawnWholeOrNotAtAll) {
    for (int32_t k : {1, 2}) {
        SizeAt(k, 160, 120);
        const int32_t w = S().Stride, h = S().Height;
        struct Marker {
            float magnitude;
            int32_t low, high, pixels;  // reach below and above (x, y); pixels 0: a disc
        };
        for (const Marker m : {Marker{2.0f, 0, k - 1, k * k}, Marker{1.0f, k, 2 * k - 1, 5 * k * k},
                               Marker{0.99f, 2 * k, 2 * k, 0}}) {
            for (auto [x, y, fits] : {std::tuple{m.low, m.low, true}, {m.low - 1, 50, false},
                                      {50, m.low - 1, false}, {w - 1 - m.high, h - 1 - m.high, true},
                                      {w - m.high, 50, false}, {50, h - m.high, false}}) {
                SurfaceClear(wnd.m_Surface, 10);
                const std::vector<uint8_t> clear = Frame();
                DrawStar(wnd, m.magnitude, x, y);
                SCOPED_TRACE(testing::Message() << "scale " << k << " magnitude " << m.magnitude
                                                << " at " << x << "," << y);
                const int drawn = std::inner_product(clear.begin(), clear.end(), Frame().begin(), 0,
                                                     std::plus<>(), std::not_equal_to<>());
                if (!fits || m.pixels) EXPECT_EQ(drawn, fits ? m.pixels : 0);
                else EXPECT_GT(drawn, 0);
            }
        }
    }
}

TEST_F(ScaleTest, StylusDistancesAndTheEdgeStepAreScaled) {
    EmptySky();
    SizeAt(2, 240, 150);
    wnd.PaintSky();
    const int32_t r = host.width, step = 2 * 131072 / S().FocalLength;
    for (auto [x, expected] : {std::pair{r - 39, -step}, {r - 40, 0}}) {
        wnd.OnPenDown(x, 100);
        EXPECT_EQ(wnd.m_nAzimuthStep, expected) << x;
        wnd.OnPenUp(x, 100);
    }
    // The arrow keys turn by the same step as the edges.
    doc.m_nViewAzimuth = doc.m_nViewElevation = 0;
    wnd.TurnByEdgeStep(-1, 1);
    EXPECT_EQ(doc.m_nViewAzimuth, step);
    EXPECT_EQ(doc.m_nViewElevation, step);
    // A tap within 30 pixels (15 designed) picks the star.
    CStar* star = AddStar("Near", 2.5f, 0, 0);
    wnd.m_hits.stars.push_back({IndexIn(doc.m_stars, star), 200 - wnd.m_Surface.BlitX, 100});
    wnd.HitTest(200 + 30, 100);
    EXPECT_EQ(host.starShown, nullptr);
    wnd.HitTest(200 + 29, 100);
    EXPECT_EQ(host.starShown, star);
}

}  // namespace
