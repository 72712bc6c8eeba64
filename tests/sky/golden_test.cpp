// Golden scenes: the real catalogue at a fixed instant and place, painted
// by the whole paint cycle in each view mode and with the ground. Each is
// checked at chosen pixels and by a hash of the whole frame; a frame that
// differs is saved as sky_pictures/<name>.png beside the test programs.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "catalogue/doc_file.h"
#include "catalogue/store_file.h"
#include "engine/png_export.h"
#include "engine/vector_q15.h"
#include "framework/file.h"
#include "sky/body_models.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"
#include "tests/temp_dir.h"

namespace {


// Asserts the 64-bit FNV-1a hash of the frame; on a mismatch saves it.
void ExpectGoldenSky(const Surface& s, uint64_t expected, const std::string& name) {
    uint64_t hash = 1469598103934665603ull;
    for (int32_t i = 0; i < s.Stride * s.Height; ++i) hash = (hash ^ s.Bits[i]) * 1099511628211ull;
    if (hash == expected) return;
    const std::string folder = JoinPath(ExecutableFolder(), "sky_pictures");
    std::filesystem::create_directories(folder);
    const std::string path = JoinPath(folder, name + ".png");
    SurfaceSavePng(s, path);
    ADD_FAILURE() << "scene " << name << " has hash 0x" << std::hex << hash << ", expected 0x"
                  << expected << "; picture saved as " << path;
}

class GoldenSkyTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        CDocFile file;
        ASSERT_EQ(file.Open(doc, JoinPath(LUMO_BIN_DIR, "stars.db")), CDocFile::OpenResult::Loaded)
            << file.Error();
        // Madrid, 2026-12-06 21:00 UT (22:00 local time).
        doc.m_fLatitude = static_cast<float>(40.4168 * kDegToRad);
        doc.m_fLongitude = static_cast<float>(-3.7038 * kDegToRad);
        doc.m_nZoom = 256;
        // The naked-eye stars (to 6.5): the scenes were made with them.
        doc.m_fMagLimit = 6.51f;
        doc.m_fNameLimit = 3.0f;
        doc.m_bGrid = doc.m_bEcliptic = doc.m_bHorizon = doc.m_bFigures = doc.m_bConstNames =
            doc.m_bBounds = 1;
        doc.m_bGround = doc.m_bLocalCircles = doc.m_bObserverOnBody = 0;
        time.chosen = CDateTime(2026, 12, 6, 21, 0, 0);
        time.utc = true;
        wnd.m_pTimeSource = &time;
        Size(320, 240);  // stride 324, centre (162, 120), F = 259
    }
    CStar* Star(const std::string& name) {
        for (auto& s : doc.m_stars)
            if (s->m_strName == name) return s.get();
        return nullptr;
    }
    FixedTimeSource time;
};

TEST_F(GoldenSkyTest, EquatorialOrion) {
    doc.m_nViewMode = 0;
    doc.m_nViewAzimuth = 7509;  // right ascension 5.5h
    doc.m_nViewElevation = 0;
    wnd.PaintSky();
    // Betelgeuse, brighter than 1.0, is a disc where its position was stored.
    CStar* betelgeuse = Star("Betelgeuse");
    ASSERT_NE(betelgeuse, nullptr);
    EXPECT_EQ(WindowPixel(betelgeuse->m_ptScreen[0], betelgeuse->m_ptScreen[1]), ShadeBase[448] + 1);
    // The celestial equator, a grid line, runs along the centre row.
    EXPECT_EQ(PixelOf(S(), 5, 120), 10 + kGridColour);
    EXPECT_GT(CountColour(kConstellationNameColour), 50);
    EXPECT_GT(CountColour(kStarNameColour), 100);
    ExpectGoldenSky(S(), 0x4be3fe0163dc2d52ull, "equatorial_orion");
}

TEST_F(GoldenSkyTest, HorizonSouth) {
    doc.m_nViewMode = 1;
    doc.m_nViewAzimuth = -16384;   // azimuth 180: south
    doc.m_nViewElevation = -2731;  // 30 degrees up
    wnd.PaintSky();
    // Saturn (altitude 46.9, azimuth 207.9): above the centre and right of
    // it, west being on the right when facing south.
    const CPlanet* saturn = Body("Saturn");
    EXPECT_GT(saturn->m_ptScreen[0], 162 + 50);
    EXPECT_LT(saturn->m_ptScreen[1], 120 - 50);
    EXPECT_EQ(WindowPixel(saturn->m_ptScreen[0] - 1, saturn->m_ptScreen[1]), ShadeBase[448] + 1);
    EXPECT_GT(CountColour(kAzimuthLabelColour), 10);
    ExpectGoldenSky(S(), 0xb8345379907f0ed3ull, "horizon_south");
}

TEST_F(GoldenSkyTest, HorizonEastWithGround) {
    doc.m_nViewMode = 1;
    doc.m_bGround = 1;
    doc.m_nViewAzimuth = -8192;    // east
    doc.m_nViewElevation = -1820;  // 20 degrees up
    wnd.PaintSky();
    const uint8_t ground = NearestPaletteIndex(S().MemoryDC.Palette, Rgb(192, 192, 192));
    // The horizon 20 degrees below the centre: 259 sin 20 = 88 rows down,
    // the ground under it.
    EXPECT_EQ(PixelOf(S(), 162, 120 - 88), 10 + kHorizonColour);
    EXPECT_EQ(PixelOf(S(), 162, 120 - 90), ground);
    EXPECT_EQ(PixelOf(S(), 5, 3), ground);
    EXPECT_EQ(CountColour(kAzimuthLabelColour), 0);
    // Uranus: altitude 54.8, azimuth 113.8.
    const CPlanet* uranus = Body("Uranus");
    EXPECT_LT(uranus->m_ptScreen[1], 120);
    ExpectGoldenSky(S(), 0xa62ae7ef06794e72ull, "horizon_east_ground");
}


// Every star drawn at zoom 2048 (100" a pixel) lands within a pixel of its
// apparent place of date as `lumo ephemeris --stars` computes it
// (precession-nutation matrix, then the vector aberration), read back from
// the position the hit test uses.
TEST_F(GoldenSkyTest, StarsAreDrawnAtTheirApparentPlaces) {
    doc.m_nZoom = 2048;
    doc.m_nViewMode = 0;
    int checked = 0;
    for (int32_t azimuth : {7509, 0, -9000, 14000})
        for (int32_t elevation : {0, -4000, 3000, -8000}) {
            doc.m_nViewAzimuth = azimuth;
            doc.m_nViewElevation = elevation;
            wnd.PaintSky();
            const FrameOfDate f = ComputeFrameOfDate(doc.m_dJulianDay);
            const CSkyCamera& c = wnd.m_Camera;
            auto dot = [](const Vec3i& r, const DVec3& v) { return (r.x * v[0] + r.y * v[1] + r.z * v[2]); };
            for (const auto& star : doc.m_stars) {
                if (star->m_ptScreen[0] == kOffScreen) continue;
                double ra, dec;
                ApparentStarPlace(f, star->m_pos.a, star->m_pos.b, ra, dec);
                const DVec3 d = SkyFromStandard(UnitFromAngles(ra, dec));
                // The paint's own rounding: each product truncated toward zero.
                const double x = S().CentreX - std::trunc(FocalLength * dot(c.m_vSide, d) / 32768);
                const double y = S().Height - (S().CentreY + std::trunc(FocalLength * dot(c.m_vUp, d) / 32768));
                if (x < 0 || x >= S().Stride || y < 0 || y >= S().Height) continue;
                EXPECT_NEAR(star->m_ptScreen[0], x, 1.0) << star->m_strName;
                EXPECT_NEAR(star->m_ptScreen[1], y, 1.0) << star->m_strName;
                ++checked;
            }
        }
    EXPECT_GT(checked, 50);
}

// VR mode: the observer at a body's centre, the body's own model at the
// view centre and its neighbours' models where they stand in the sky, from
// the planet store the build makes. Equatorial views, north up.
class VrGoldenSkyTest : public GoldenSkyTest {
protected:
    void SetUp() override {
        GoldenSkyTest::SetUp();
        ASSERT_TRUE(store.OpenStore(JoinPath(LUMO_BIN_DIR, "planets.sto")));
        wnd.m_pModels = &models;
        doc.m_nViewMode = 0;
        doc.m_bObserverOnBody = 1;
    }
    // VR on a body at an instant (UT), the view centred on right ascension
    // and declination (angle units).
    void Paint(const std::string& body, const CDateTime& when, int32_t ra, int32_t dec) {
        doc.m_pAim = Body(body);
        time.chosen = when;
        doc.m_nViewAzimuth = ra;
        doc.m_nViewElevation = -dec;
        wnd.PaintSky();
    }
    // Surface pixel where a body's direction projects (bodies drawn as
    // models keep no screen position).
    std::pair<int32_t, int32_t> Projected(const std::string& name) {
        const CPlanet* b = Body(name);
        const Vec3i u = Normalize({b->m_vView[0], b->m_vView[1], b->m_vView[2]});
        const Vec3i c = wnd.m_Camera.ToCamera(u.x, u.y, u.z);
        int32_t x, y;
        wnd.ProjectToScreen(c.x, c.y, x, y);
        return {x, y};
    }
    // The hue (0..18) and level (0..11) of a surface pixel.
    static int Hue(uint8_t index) { return (index - 10) % 19; }
    static int Level(uint8_t index) { return (index - 10) / 19; }

    CStoreFile store;
    TempDir unpackFolder;  // store members are unpacked here while read
    CBodyModels models{&store, unpackFolder.Path()};
};

TEST_F(VrGoldenSkyTest, OnTheEarthWithTheMoon) {
    // 2026-12-20 18:00 UT: the Moon waxing gibbous, 30 degrees left of and
    // 10 above the view centre (0.5h, +10); the Sun far to the right.
    Paint("Earth", CDateTime(2026, 12, 20, 18, 0, 0), 683, 910);
    // The Earth's ocean at the centre; its right side towards the Sun is
    // brighter than its left.
    EXPECT_EQ(Hue(PixelOf(S(), 162, 120)), 4);
    EXPECT_LT(Level(PixelOf(S(), 162 + 30, 120)), Level(PixelOf(S(), 162 - 30, 120)));
    auto [mx, my] = Projected("Moon");
    EXPECT_LT(mx, 162 - 100);
    EXPECT_GT(my, 120 + 30);
    for (int dx : {-8, 0, 8})  // grey or white
        EXPECT_EQ(Hue(PixelOf(S(), mx + dx, my)) % 8, 1) << dx;
    EXPECT_FALSE(OnScreen(Body("Moon")->m_ptScreen));
    EXPECT_FALSE(OnScreen(Body("Earth")->m_ptScreen));
    EXPECT_TRUE(OnScreen(Body("Saturn")->m_ptScreen));  // far: its marker
    ExpectGoldenSky(S(), 0x3d29d70d42df4119ull, "vr_earth");
}

TEST_F(VrGoldenSkyTest, OnJupiterWithTheGalileanMoons) {
    // 2027-01-03 18:00 UT, from Jupiter's centre (mean elements): Ganymede
    // (8.5h, +20) and Europa (7.9h, +22) right of the view centre (9.2h, +18),
    // Europa the farther; Callisto (6.9h) beyond them; Io (18.7h, -25) behind.
    Paint("Jupiter", CDateTime(2027, 1, 3, 18, 0, 0), 12561, 1638);
    EXPECT_EQ(Hue(PixelOf(S(), 162, 120)) % 17, 0);  // a tan band
    auto [ex, ey] = Projected("Europa");
    auto [gx, gy] = Projected("Ganymede");
    EXPECT_GT(gx, 162 + 30);
    EXPECT_GT(ex, gx + 20);
    EXPECT_GT(ey, 120);  // north of the centre
    const int europaHue = Hue(PixelOf(S(), ex, ey));
    EXPECT_TRUE(europaHue == 1 || europaHue == 17 || europaHue == 14) << europaHue;  // ice, cracks
    EXPECT_NE(PixelOf(S(), gx, gy), 10);
    const CPlanet* io = Body("Io");
    const Vec3i u = Normalize({io->m_vView[0], io->m_vView[1], io->m_vView[2]});
    EXPECT_LT(wnd.m_Camera.ToCamera(u.x, u.y, u.z).z, 0);  // behind the observer
    for (const char* moon : {"Io", "Europa", "Ganymede", "Callisto"})
        EXPECT_FALSE(OnScreen(Body(moon)->m_ptScreen)) << moon;
    ExpectGoldenSky(S(), 0x77d82c09f256bde5ull, "vr_jupiter");
}

TEST_F(VrGoldenSkyTest, OnSaturnWithItsRings) {
    // 2026-12-06 21:00 UT, looking at 17.5h, +42: the rings open around the
    // globe, seen from below their plane (the near half above the globe, the
    // far half behind it); no moon in this part of Saturn's sky.
    Paint("Saturn", CDateTime(2026, 12, 6, 21, 0, 0), 23893, 3823);
    const int saturnHue = Hue(PixelOf(S(), 162, 120));
    EXPECT_TRUE(saturnHue == 1 || saturnHue == 17) << saturnHue;  // pale bands
    // Left of the globe the tan B ring, then the dark C ring, then the sky
    // through the gap between the rings and the globe.
    EXPECT_EQ(Hue(PixelOf(S(), 100, 120)), 17);
    EXPECT_EQ(Hue(PixelOf(S(), 122, 120)), 9);
    EXPECT_EQ(PixelOf(S(), 128, 120), 10);
    ExpectGoldenSky(S(), 0x4ea83dca2531ca61ull, "vr_saturn");
}

}  // namespace
