// Golden scenes: the real catalogue at a fixed instant and place, painted by
// the whole paint cycle in each view mode, with the ground and in VR mode.
// Each is checked by a hash of the whole frame (a frame that differs is saved
// as a picture) and where the hit table keeps what was drawn.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "catalogue/doc_file.h"
#include "catalogue/store_file.h"
#include "sky/body_models.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"
#include "tests/temp_dir.h"

namespace {

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
        wnd.m_pTimeSource = &time;
        Size(320, 240);  // stride 324, centre (162, 120), F = 259
    }
    void Paint(int32_t mode, int32_t azimuth, int32_t elevation) {
        doc.m_nViewMode = mode;
        doc.m_nViewAzimuth = azimuth;
        doc.m_nViewElevation = elevation;
        wnd.PaintSky();
    }
    FixedTimeSource time{CDateTime(2026, 12, 6, 21, 0, 0), true};
};

TEST_F(GoldenSkyTest, EquatorialOrion) {
    Paint(0, 7509, 0);  // right ascension 5.5h
    // The celestial equator, a grid line, runs along the centre row.
    ExpectGoldenFrame(S(), 0x4be3fe0163dc2d52ull, "equatorial_orion");
}

TEST_F(GoldenSkyTest, HorizonSouth) {
    Paint(1, -16384, -2731);  // azimuth 180 (south), 30 degrees up
    // Saturn (altitude 46.9, azimuth 207.9): above the centre and right of
    // it, west being on the right when facing south.
    EXPECT_GT(ScreenOf(Body("Saturn"))[0], 162 + 50);
    EXPECT_LT(ScreenOf(Body("Saturn"))[1], 120 - 50);
    ExpectGoldenFrame(S(), 0xb8345379907f0ed3ull, "horizon_south");
}

TEST_F(GoldenSkyTest, HorizonEastWithGround) {
    doc.m_bGround = 1;
    Paint(1, -8192, -1820);  // east, 20 degrees up
    // The horizon 259 sin 20 = 88 rows below the centre, the ground under it.
    EXPECT_LT(ScreenOf(Body("Uranus"))[1], 120);  // altitude 54.8, azimuth 113.8
    ExpectGoldenFrame(S(), 0xa62ae7ef06794e72ull, "horizon_east_ground");
}

// Every star of the catalogue brighter than the limit whose apparent place
// of date (as `lumo ephemeris --stars` computes it: precession-nutation
// matrix, then the vector aberration) lies on the surface at zoom 2048 (100"
// a pixel) is drawn within a pixel of it, read back from the position the hit
// test uses: the star index passes over no star that shows.
TEST_F(GoldenSkyTest, StarsAreDrawnAtTheirApparentPlaces) {
    doc.m_nZoom = 2048;
    int checked = 0;
    for (int32_t azimuth : {7509, 0, -9000, 14000})
        for (int32_t elevation : {0, -4000, 3000, -8000}) {
            Paint(0, azimuth, elevation);
            const FrameOfDate f = ComputeFrameOfDate(doc.m_dJulianDay);
            const CSkyCamera& c = wnd.m_Camera;
            auto dot = [](const Vec3i& r, const DVec3& v) { return (r.x * v[0] + r.y * v[1] + r.z * v[2]); };
            for (size_t i = 0; i < doc.m_stars.size() && doc.m_stars[i]->m_fMagnitude < doc.m_fMagLimit; ++i) {
                const CStar* star = doc.m_stars[i].get();
                double ra, dec;
                ApparentStarPlace(f, star->m_pos.a, star->m_pos.b, ra, dec);
                const DVec3 d = SkyFromStandard(UnitFromAngles(ra, dec));
                // The paint's own rounding: each product truncated toward zero.
                const double x = S().CentreX - std::trunc(S().FocalLength * dot(c.m_vSide, d) / 32768);
                const double y = S().Height - (S().CentreY + std::trunc(S().FocalLength * dot(c.m_vUp, d) / 32768));
                if (dot(c.m_vDepth, d) <= 0 || x < 1 || x > S().Stride - 2 || y < 1 || y > S().Height - 2) continue;
                const std::array<int32_t, 2> at = MarkOf(wnd.m_hits.stars, static_cast<int32_t>(i));
                EXPECT_NEAR(at[0], x, 1.0) << star->m_strName;
                EXPECT_NEAR(at[1], y, 1.0) << star->m_strName;
                ++checked;
            }
        }
    EXPECT_GT(checked, 50);
}

// VR mode: the observer at a body's centre, the body's own model at the view
// centre and its neighbours' models where they stand in the sky, from the
// planet store the build makes. Equatorial views, north up. Bodies drawn as
// models keep no tap position; far ones keep their markers.
class VrGoldenSkyTest : public GoldenSkyTest {
protected:
    void SetUp() override {
        GoldenSkyTest::SetUp();
        ASSERT_TRUE(store.OpenStore(JoinPath(LUMO_BIN_DIR, "planets.sto")));
        wnd.m_pModels = &models;
        doc.m_bObserverOnBody = 1;
    }
    // VR on a body at an instant (UT), the view centred on right ascension
    // and declination (angle units).
    void PaintOn(const std::string& body, const CDateTime& when, int32_t ra, int32_t dec) {
        doc.m_pAim = Body(body);
        time.chosen = when;
        Paint(0, ra, -dec);
    }
    CStoreFile store;
    TempDir unpackFolder;  // store members are unpacked here while read
    CBodyModels models{&store, unpackFolder.Path()};
};

TEST_F(VrGoldenSkyTest, OnTheEarth) {
    // 2026-12-20 18:00 UT: the Moon waxing gibbous, 30 degrees left of and 10
    // above the view centre (0.5h, +10); the Sun far to the right, lighting
    // the Earth's right side.
    PaintOn("Earth", CDateTime(2026, 12, 20, 18, 0, 0), 683, 910);
    EXPECT_FALSE(OnScreen(ScreenOf(Body("Moon"))));
    EXPECT_FALSE(OnScreen(ScreenOf(Body("Earth"))));
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Saturn"))));
    ExpectGoldenFrame(S(), 0x3d29d70d42df4119ull, "vr_earth");
}

TEST_F(VrGoldenSkyTest, OnJupiter) {
    // 2027-01-03 18:00 UT, from Jupiter's centre (mean elements): Ganymede
    // (8.5h, +20) and Europa (7.9h, +22) right of the view centre (9.2h, +18),
    // Europa the farther; Callisto (6.9h) beyond them; Io (18.7h, -25) behind.
    PaintOn("Jupiter", CDateTime(2027, 1, 3, 18, 0, 0), 12561, 1638);
    for (const char* moon : {"Io", "Europa", "Ganymede", "Callisto"})
        EXPECT_FALSE(OnScreen(ScreenOf(Body(moon)))) << moon;
    ExpectGoldenFrame(S(), 0x77d82c09f256bde5ull, "vr_jupiter");
}

TEST_F(VrGoldenSkyTest, OnSaturn) {
    // 2026-12-06 21:00 UT, looking at 17.5h, +42: the rings open around the
    // globe, seen from below their plane; left of the globe the tan B ring,
    // the dark C ring, then the sky through the gap.
    PaintOn("Saturn", CDateTime(2026, 12, 6, 21, 0, 0), 23893, 3823);
    ExpectGoldenFrame(S(), 0x4ea83dca2531ca61ull, "vr_saturn");
}

}  // namespace
