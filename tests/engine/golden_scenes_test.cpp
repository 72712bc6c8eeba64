// Golden scenes of the 3D engine: small fixed scenes lit from a known
// direction, checked by exact palette indices at chosen pixels and a hash of
// the whole frame (the picture is saved under engine_pictures/ when it
// differs).

#include <gtest/gtest.h>

#include "engine/light_band.h"
#include "engine/matrix_q15.h"
#include "engine/palette.h"
#include "engine/render_object.h"
#include "engine/render_settings.h"
#include "engine/trig_tables.h"
#include "tests/engine/frame_check.h"
#include "tests/engine/scene_models.h"

namespace {

// Light from the upper left, in front: it travels right, down and away.
constexpr Vec3i kSceneLight{73, -73, 73};

class GoldenSceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        EngineTablesInit();
        s.LightVector = kSceneLight;
    }
    void TearDown() override { BuildShadeBase(0); }
    void Begin(int32_t width, int32_t height) {
        ASSERT_EQ(SurfaceCreate(s, width, height), 1);
        SurfaceClear(s, 10);
        SurfaceBeginFrame(s, 256);
    }
    Surface s;
};

TEST_F(GoldenSceneTest, FlatCube) {
    OwnedObject cube;
    ASSERT_TRUE(MakeCube(cube.obj, 60, {2, 3, 4, 5, 14, 15}));
    Begin(320, 240);
    // Turned about 33 degrees about y and tilted 22 degrees towards the
    // viewer: the front (red), left (blue) and top (yellow) faces show.
    const MatQ15 m = MatFromAngles(0, -2000, 3000);
    ASSERT_EQ(RenderObject(s, cube.obj, m, 0, 0, 400), 1);
    // Front: its normal turns to (70, -40, -100), s = -(N' . L) >> 6 = -12,
    // level ((480 - 308) 11) >> 8 = 7. Left and top face the light: level 0.
    EXPECT_EQ(PixelOf(s, 185, 109), PaletteIndexOf(7, 2));
    EXPECT_EQ(PixelOf(s, 125, 109), PaletteIndexOf(0, 4));
    EXPECT_EQ(PixelOf(s, 165, 154), PaletteIndexOf(0, 15));
    ExpectGoldenFrame(s, 0x5a0edacd6b263addull, "flat_cube");
}

TEST_F(GoldenSceneTest, GouraudSphereOfPolygons) {
    OwnedObject ball;
    ASSERT_TRUE(MakePolygonSphere(ball.obj, 80, 12, 24, 14));
    Begin(320, 240);
    ASSERT_EQ(RenderObject(s, ball.obj, kMatQ15Identity, 0, 0, 400), 1);  // radius 51 pixels
    // Facing the light (s >= 137) the brightest level; towards the lower
    // right limb, turned away from it (s <= -73), the darkest.
    EXPECT_EQ(PixelOf(s, 160, 120), PaletteIndexOf(0, 14));
    EXPECT_EQ(PixelOf(s, 192, 88), PaletteIndexOf(10, 14));
    ExpectGoldenFrame(s, 0x93a1515417133da4ull, "gouraud_sphere");
}

TEST_F(GoldenSceneTest, TexturedSquareInPerspective) {
    OwnedObject square;
    ASSERT_TRUE(MakeTexturedSquare(square.obj, 100));
    Begin(320, 240);
    const MatQ15 m = MatFromAngles(0, -2500, 1000);
    ASSERT_EQ(RenderObject(s, square.obj, m, 0, 0, 300), 1);
    // The square leans back 27 degrees and faces the light: level 0 checks
    // of red and yellow, the blue bar along its near and left edges, and the
    // unlit texel 250 in the far corner written as it is.
    EXPECT_EQ(PixelOf(s, 120, 100), PaletteIndexOf(0, 2));
    EXPECT_EQ(PixelOf(s, 160, 100), PaletteIndexOf(0, 15));
    EXPECT_EQ(PixelOf(s, 70, 70), PaletteIndexOf(0, 4));
    EXPECT_EQ(PixelOf(s, 205, 148), 250);
    ExpectGoldenFrame(s, 0xeeecf6fe2756a450ull, "textured_square");
}

TEST_F(GoldenSceneTest, TexturedSphereAtThreeSizes) {
    OwnedObject planet;
    ASSERT_TRUE(MakeTexturedSphere(planet.obj, 200, 128, 4));
    Begin(640, 360);
    const int32_t F = s.FocalLength;
    const MatQ15 m = MatFromAngles(0, 0, 0);
    // Screen radius r = 200 F / tz; centres at screen x offsets -250, -130, 120.
    for (auto [r, x] : {std::pair{36, -250}, {70, -130}, {160, 120}}) {
        const int32_t tz = 200 * F / r;
        ASSERT_EQ(RenderObject(s, planet.obj, m, x * tz / F, 0, tz), 1);
    }
    // Centre of the large sphere: the red prime meridian with the normal
    // towards the viewer, sL = (73 x -255) >> 8 = -73, level 3. At 11 degrees
    // north, 35 east: the green continent, sL = -31, level 5. The small
    // sphere's sea, 10 and 5 pixels off its centre: sL = -59, level 4.
    EXPECT_EQ(PixelOf(s, 440, 180), PaletteIndexOf(3, 2));
    EXPECT_EQ(PixelOf(s, 530, 210), PaletteIndexOf(5, 3));
    EXPECT_EQ(PixelOf(s, 80, 185), PaletteIndexOf(4, 4));
    ExpectGoldenFrame(s, 0x025bb3ecc713920aull, "textured_spheres");
}

}  // namespace
