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
        savedLight = LightVector;
        LightVector = kSceneLight;
    }
    void TearDown() override {
        LightVector = savedLight;
        BuildShadeBase(0);
    }
    void Begin(int32_t width, int32_t height) {
        ASSERT_EQ(SurfaceCreate(s, width, height), 1);
        SurfaceClear(s, 10);
        SurfaceBeginFrame(s, 256);
    }
    Surface s;
    Vec3i savedLight;
};

TEST_F(GoldenSceneTest, FlatCube) {
    OwnedObject cube;
    ASSERT_TRUE(MakeCube(cube.obj, 60, {2, 3, 4, 5, 14, 15}));
    Begin(320, 240);
    const MatQ15 m = MatFromAngles(0, 2000, 3000);
    ASSERT_EQ(RenderObject(s, cube.obj, m, 0, 0, 400), 1);
    ExpectGoldenFrame(s, 0, "flat_cube");
}

TEST_F(GoldenSceneTest, GouraudSphereOfPolygons) {
    OwnedObject ball;
    ASSERT_TRUE(MakePolygonSphere(ball.obj, 80, 12, 24, 14));
    Begin(320, 240);
    ASSERT_EQ(RenderObject(s, ball.obj, kMatQ15Identity, 0, 0, 400), 1);
    ExpectGoldenFrame(s, 0, "gouraud_sphere");
}

TEST_F(GoldenSceneTest, TexturedSquareInPerspective) {
    OwnedObject square;
    ASSERT_TRUE(MakeTexturedSquare(square.obj, 100));
    Begin(320, 240);
    const MatQ15 m = MatFromAngles(0, -2500, 1000);
    ASSERT_EQ(RenderObject(s, square.obj, m, 0, 0, 300), 1);
    ExpectGoldenFrame(s, 0, "textured_square");
}

TEST_F(GoldenSceneTest, TexturedSphereAtThreeSizes) {
    OwnedObject planet;
    ASSERT_TRUE(MakeTexturedSphere(planet.obj, 200, 128, 4));
    Begin(640, 360);
    const int32_t F = FocalLength;
    const MatQ15 m = MatFromAngles(0, 0, 0);
    // Screen radius r = 200 F / tz; centres at screen x offsets -250, -130, 120.
    struct Placed { int32_t r, x; } placed[] = {{36, -250}, {70, -130}, {160, 120}};
    for (const Placed& p : placed) {
        const int32_t tz = 200 * F / p.r;
        ASSERT_EQ(RenderObject(s, planet.obj, m, p.x * tz / F, 0, tz), 1);
    }
    ExpectGoldenFrame(s, 0, "textured_spheres");
}

}  // namespace
