// Golden scenes: the real catalogue at a fixed instant and place, painted
// by the whole paint cycle in each view mode and with the ground. Each is
// checked at chosen pixels and by a hash of the whole frame; a frame that
// differs is saved as sky_pictures/<name>.png beside the test programs.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "catalogue/doc_file.h"
#include "engine/png_export.h"
#include "framework/file.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"

namespace {

constexpr double kDeg = 0.017453292519943295;

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
        doc.m_fLatitude = static_cast<float>(40.4168 * kDeg);
        doc.m_fLongitude = static_cast<float>(-3.7038 * kDeg);
        doc.m_nZoom = 256;
        doc.m_fMagLimit = 10000;
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
    ExpectGoldenSky(S(), 0x4d794d8dab70fccull, "equatorial_orion");
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
    ExpectGoldenSky(S(), 0xb022a191b423b881ull, "horizon_south");
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
    ExpectGoldenSky(S(), 0x6da5c33cdd4c73f1ull, "horizon_east_ground");
}

}  // namespace
