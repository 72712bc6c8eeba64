// The deep sky on the sky window: the Milky Way's fill against a per-pixel
// reference on the sphere (edges of the view, behind the viewer, every
// zoom), a golden frame of a band crossing the view edge and running behind
// the viewer, the symbols' limits and the hit test.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "sky/deep_sky_paint.h"
#include "sky/milky_way_fill.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {
constexpr uint8_t kClear = 10;  // the cleared surface

// A ring along the border of the box of right ascension ra0..ra1 and
// declination dec0..dec1 (degrees), in steps of at most 5 degrees. Its
// inside is the side away from the north galactic pole (192.9, +27.1): the
// box, unless the box holds the pole.
MilkyWayRing Box(int32_t level, double ra0, double ra1, double dec0, double dec1) {
    MilkyWayRing ring;
    ring.level = level;
    auto edge = [&](double a0, double d0, double a1, double d1) {
        const int n = static_cast<int>(std::ceil(std::max(std::fabs(a1 - a0), std::fabs(d1 - d0)) / 5));
        for (int i = 0; i < n; ++i)
            ring.points.push_back({float((a0 + (a1 - a0) * i / n) * kDegToRad), float((d0 + (d1 - d0) * i / n) * kDegToRad)});
    };
    edge(ra0, dec1, ra1, dec1);
    edge(ra1, dec1, ra1, dec0);
    edge(ra1, dec0, ra0, dec0);
    edge(ra0, dec0, ra0, dec1);
    return ring;
}

class MilkyWayTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        EmptySky();
        doc.m_bDeepSky = 0;
        wnd.m_pDeepSky = &sky;
        Size(320, 240);
    }
    void Paint(std::vector<MilkyWayRing> rings, int32_t zoom = 256, int32_t az = 0, int32_t el = 0) {
        sky.rings = std::move(rings);
        sky.Finish();
        doc.m_nZoom = zoom;
        doc.m_nViewAzimuth = az;
        doc.m_nViewElevation = el;
        wnd.PaintSky();
    }
    // The sky direction (right ascension, declination, degrees) shown at a
    // surface pixel; false outside the rim.
    bool DirectionAt(int32_t x, int32_t y, double& ra, double& dec) const {
        const double f = S().FocalLength;
        const double X = (S().CentreX - x) / f, Y = (y - S().CentreY) / f;
        const double r2 = X * X + Y * Y;
        if (r2 >= (1 - 2 / f) * (1 - 2 / f)) return false;  // the rim is drawn over the fill
        const double Z = std::sqrt(1 - r2);
        const CSkyCamera& c = wnd.m_Camera;
        auto along = [&](int32_t Vec3i::*axis) {
            return (X * (c.m_vSide.*axis) + Y * (c.m_vUp.*axis) + Z * (c.m_vDepth.*axis)) / 32768.0;
        };
        // Sky frame: x to 0h, y to the pole, z to 18h.
        dec = std::asin(std::clamp(along(&Vec3i::y), -1.0, 1.0)) / kDegToRad;
        ra = std::atan2(-along(&Vec3i::z), along(&Vec3i::x)) / kDegToRad;
        return true;
    }
    // Pixels where the fill and the box disagree, leaving out a margin of
    // `margin` degrees round the box's border. inside: the box is the
    // ring's inside, else the rest of the sky is.
    int Mismatches(double ra0, double ra1, double dec0, double dec1, bool inside, double margin) {
        const uint8_t fill = MilkyWayPaletteIndex(1);
        int bad = 0;
        for (int32_t y = 1; y + 1 < S().Height; ++y)
            for (int32_t x = 1; x + 2 < S().Stride; ++x) {
                double ra, dec;
                if (!DirectionAt(x, y, ra, dec)) continue;
                double a = ra;
                while (a < ra0) a += 360;
                while (a >= ra0 + 360) a -= 360;
                const bool in = a > ra0 && a < ra1 && dec > dec0 && dec < dec1;
                const bool near = std::fabs(dec - dec0) < margin || std::fabs(dec - dec1) < margin ||
                                  std::fabs(a - ra0) * std::cos(dec * kDegToRad) < margin ||
                                  std::fabs(a - ra1) * std::cos(dec * kDegToRad) < margin;
                // Markers and names drawn over the fill are left out.
                const uint8_t pixel = PixelOf(S(), x, y);
                if (pixel != fill && pixel != kClear) continue;
                if (!near && (pixel == fill) != (in == inside)) ++bad;
            }
        return bad;
    }
    CDeepSky sky;
};

// A band from 60 degrees west of the view centre to 150 east (behind the
// viewer), through the view edge, in several views and zooms, is filled
// exactly where the sphere says; so is a box round the galactic pole, whose
// inside is all the sky but the box.
TEST_F(MilkyWayTest, FillMatchesTheSphereAcrossTheEdgeAndBehind) {
    struct View {
        int32_t zoom, az, el;
    };
    for (View v : {View{256, 0, 0}, View{256, 3000, -1500}, View{100, -6000, 4000},
                   View{700, 1200, 0}, View{2048, 0, -1000}, View{2048, 16384, 0},
                   View{256, 17000, -3000}, View{64, 14000, -2000}}) {
        const double margin = 2.0 * 256 / v.zoom;  // about three pixels
        Paint({Box(1, -60, 150, -20, 20)}, v.zoom, v.az, v.el);
        EXPECT_EQ(Mismatches(-60, 150, -20, 20, true, margin), 0)
            << "zoom " << v.zoom << " az " << v.az << " el " << v.el;
        Paint({Box(1, 150, 240, 0, 50)}, v.zoom, v.az, v.el);
        EXPECT_EQ(Mismatches(150, 240, 0, 50, false, margin), 0)
            << "pole box, zoom " << v.zoom << " az " << v.az << " el " << v.el;
    }
}

// A ring wholly behind the viewer, or whose cap lies outside the view, adds
// nothing, or (a ring round the galactic pole) the whole visible sky; a small
// ring off the view centre is filled. Nested rings: the inner one cuts a
// hole, a third ring fills it again.
TEST_F(MilkyWayTest, RingsOutOfSightAddNothingOrEverything) {
    struct Case {
        double ra0, ra1, dec0, dec1;
        int32_t zoom, az, el;
    };
    for (Case c : {Case{170, 190, -10, 10, 256, 0, 0}, Case{50, 70, -10, 10, 2048, 0, 0},
                   Case{182, 202, 17, 37, 256, 0, 0}, Case{182, 202, 17, 37, 2048, 16384, 0},
                   Case{80, 88, -15, -5, 256, 8647, -910}}) {
        Paint({Box(1, c.ra0, c.ra1, c.dec0, c.dec1)}, c.zoom, c.az, c.el);
        const bool holdsPole = c.ra0 < 192.9 && c.ra1 > 192.9 && c.dec0 < 27.1 && c.dec1 > 27.1;
        EXPECT_EQ(Mismatches(c.ra0, c.ra1, c.dec0, c.dec1, !holdsPole, 2.0), 0) << c.ra0 << " " << c.az;
    }
    EXPECT_GT(CountVisible(MilkyWayPaletteIndex(1)), 200);  // the small ring
    Paint({Box(1, -40, 40, -30, 30), Box(1, -20, 20, -15, 15), Box(1, -5, 5, -5, 5)});
    EXPECT_EQ(PixelOf(S(), S().CentreX, S().CentreY), MilkyWayPaletteIndex(1));
    EXPECT_NE(PixelOf(S(), S().CentreX + 40, S().CentreY), MilkyWayPaletteIndex(1));
    EXPECT_EQ(PixelOf(S(), S().CentreX + 120, S().CentreY), MilkyWayPaletteIndex(1));
}

// Golden frame: two levels of a band crossing the view edge and running
// behind the viewer, with the grid over it.
TEST_F(MilkyWayTest, GoldenBandAcrossTheEdge) {
    doc.m_bGrid = 1;
    Paint({Box(1, 20, 200, -25, 25), Box(5, 40, 170, -8, 8)}, 160, 4000, -1200);
    ExpectGoldenFrame(S(), 0x3b33db5ed3869d5bull, "milky_way_band_across_edge");
}

class DeepSkySymbolTest : public MilkyWayTest {
protected:
    void SetUp() override {
        MilkyWayTest::SetUp();
        doc.m_bDeepSky = 1;
        doc.m_bMilkyWay = 0;
    }
    DeepSkyObject& Add(const char* designation, DeepSkyKind kind, float mag, float size, double raDeg,
                       double decDeg) {
        DeepSkyObject o;
        o.designation = designation;
        o.kind = kind;
        o.magnitude = mag;
        o.majorArcmin = o.minorArcmin = size;
        o.pos = DeepSkyPoint(raDeg * kDegToRad, decDeg * kDegToRad);
        sky.objects.push_back(o);
        return sky.objects.back();
    }
    std::vector<std::string> Drawn() const {
        std::vector<std::string> out;
        for (const ScreenMark& m : wnd.m_hits.deepSky) out.push_back(sky.objects[m.index].designation);
        return out;
    }
    int SymbolPixels() { return CountVisible(kDeepSkyColour + 10); }
};

TEST_F(DeepSkySymbolTest, LimitsSizesAndTheHitTest) {
    Add("M 31", DeepSkyKind::SpiralGalaxy, 3.4f, 120, 0, 0);
    Add("NGC 1", DeepSkyKind::OpenCluster, 7.5f, 10, 20, 10);
    Add("NGC 2", DeepSkyKind::BrightNebula, std::numeric_limits<float>::quiet_NaN(), 60, -20, -10);
    Add("NGC 3", DeepSkyKind::GlobularCluster, 5.0f, 10, 120, 0);  // behind
    doc.m_fNameLimit = 4;
    // Objects without a magnitude are shown while the limit is 6 or fainter.
    for (auto [limit, drawn] : {std::pair{8.0f, std::vector<std::string>{"M 31", "NGC 1", "NGC 2"}},
                                {6.0f, {"M 31", "NGC 2"}}, {5.0f, {"M 31"}}}) {
        doc.m_fMagLimit = limit;
        Paint({});
        EXPECT_EQ(Drawn(), drawn) << limit;
    }
    // The oval grows with the zoom; the name is drawn by the names limit.
    const int small = SymbolPixels();
    EXPECT_GT(CountColour(Rgb(110, 160, 150)), 0);
    Paint({}, 1024);
    EXPECT_GT(SymbolPixels(), 3 * small);
    doc.m_bDeepSky = 0;
    Paint({});
    EXPECT_EQ(SymbolPixels(), 0);
    EXPECT_TRUE(wnd.m_hits.deepSky.empty());
    // A double tap near the object opens its box, far from it nothing; a
    // star at the same place wins. The surface is shown one pixel right.
    doc.m_bDeepSky = 1;
    doc.m_fMagLimit = 8;
    Paint({});
    const ScreenMark m31 = wnd.m_hits.deepSky[0];
    wnd.HitTest(m31.x + 1 + 20, m31.y);
    EXPECT_EQ(host.deepSkyShown, nullptr);
    wnd.HitTest(m31.x + 1 + 4, m31.y + 3);
    ASSERT_EQ(host.deepSkyShown, &sky.objects[0]);
    host.deepSkyShown = nullptr;
    AddStar("Near", 5, 0.05, 0);
    Paint({});
    wnd.HitTest(m31.x + 1 + 2, m31.y);
    EXPECT_EQ(host.deepSkyShown, nullptr);
    EXPECT_NE(host.starShown, nullptr);
}

// The smallest symbols: a planetary nebula's circle of radius 3 with rays
// two pixels beyond it; an edge-on galaxy's oval half as high (2) as wide.
TEST_F(DeepSkySymbolTest, TheSmallestSymbols) {
    Add("NGC 7009", DeepSkyKind::PlanetaryNebula, 8.0f, 0.5f, 0, 0);
    Add("NGC 891", DeepSkyKind::SpiralGalaxy, 8.5f, 0.5f, 20, 0).minorArcmin = 0;
    doc.m_fMagLimit = 10;
    Paint({});
    ASSERT_EQ(Drawn(), (std::vector<std::string>{"NGC 7009", "NGC 891"}));
    const ScreenMark m = wnd.m_hits.deepSky[0], g = wnd.m_hits.deepSky[1];
    EXPECT_EQ(WindowPixel(m.x, m.y), kClear);
    for (auto [dx, dy] : {std::pair{-5, 0}, {5, 0}, {0, -5}, {0, 5}})
        EXPECT_EQ(WindowPixel(m.x + dx, m.y + dy), kDeepSkyColour + 10) << dx << "," << dy;
    for (int32_t dy : {-2, 2}) EXPECT_EQ(WindowPixel(g.x, g.y + dy), kDeepSkyColour + 10) << dy;
}

// An object off the surface is kept for the hit test while its symbol's
// reach (its radius and a half, and the smallest radius) touches the
// surface: as far beyond each edge, so taps on every edge pick alike.
TEST_F(DeepSkySymbolTest, KeptAsFarBeyondEachEdge) {
    Add("M 1", DeepSkyKind::SupernovaRemnant, 8.0f, 0, 0, 0);
    doc.m_fMagLimit = 10;
    int32_t beyond[4] = {-1, -1, -1, -1};  // past the left, right, bottom and top edges
    for (double a = 35; a < 45; a += 0.02) {
        for (int edge = 0; edge < 4; ++edge) {
            const double t = (edge == 1 || edge == 2 ? -a : a) * kDegToRad;
            sky.objects[0].pos = edge < 2 ? DeepSkyPoint(t, 0) : DeepSkyPoint(0, 0.75 * t);
            Paint({});
            if (wnd.m_hits.deepSky.empty()) continue;
            const ScreenMark m = wnd.m_hits.deepSky[0];
            const int32_t past[4] = {-m.x, m.x - (S().Stride - 1), m.y - S().Height, 1 - m.y};
            beyond[edge] = std::max(beyond[edge], past[edge]);
        }
    }
    EXPECT_GT(beyond[0], 0);
    for (int edge = 1; edge < 4; ++edge) EXPECT_EQ(beyond[edge], beyond[0]) << edge;
}

}  // namespace
