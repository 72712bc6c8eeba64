// Sphere faces (block members, body discs, texels and light) and sprites.

#include <gtest/gtest.h>

#include <vector>

#include "engine/light_band.h"
#include "engine/outline.h"
#include "engine/raster_sphere.h"
#include "engine/raster_sprite.h"
#include "engine/render_settings.h"
#include "engine/trig_tables.h"
#include "tests/engine/frame_check.h"

namespace {

class SphereTest : public ::testing::Test {
protected:
    void SetUp() override {
        EngineTablesInit();
        BuildShadeBase(0);
        s.FocalLength = 400;
        ASSERT_EQ(SurfaceCreate(s, 200, 120), 1);  // centre (100, 60)
        SurfaceClear(s, kBackground);
        face = Face{};
        face.Kind = kFaceSphere;
        face.VertexCount = 3;
        face.Vertices[0][1] = -16;  // the south pole
        face.Vertices[2][2] = -16;  // the prime meridian
        face.Colour = 5;
    }
    void TearDown() override { DetailMode = kModeNear; }
    // A sphere face of file radius `radius` at depth tz on the view axis:
    // screen radius radius * 400 / tz.
    void Draw(int32_t radius, int32_t tz, const TextureImage& image) {
        face.TexHeight = radius;
        face.TexWidth = image.Width;
        DrawSphere(s, face, kMatQ15Identity, 0, 0, tz, image);
    }
    Surface s;
    Face face;
};

TEST_F(SphereTest, LitTexelsFollowTheLightAndStayOnTheirHue) {
    std::vector<uint8_t> map(64 * 32, 19 * 4 + 2);  // hue 2 at level 4
    s.LightVector = {-127, 0, 0};                   // travelling left: the right side is lit
    Draw(100, 1000, TextureImage{map.data(), 64, 32});
    // At column 135 the normal is (223, 0, -121): sL = (-127 * 223) >> 8 = -111,
    // ShadeBase[320 + 111] is level 2, and the texel's level 4 gives level 6.
    const uint8_t lit = PixelOf(s, 135, 60), dark = PixelOf(s, 65, 60);
    EXPECT_EQ(lit, PaletteIndexOf(6, 2));
    EXPECT_EQ(dark, PaletteIndexOf(10, 2));  // folded back onto level 10, not past it
    EXPECT_LT(lit, dark);
}

TEST_F(SphereTest, SpheresLargerThanATableStillDraw) {
    std::vector<uint8_t> map(64 * 32, 250);
    Draw(3000, 1000, TextureImage{map.data(), 64, 32});  // r = 1200
    EXPECT_EQ(PixelOf(s, 100, 60), 51);
    EXPECT_EQ(PixelOf(s, 0, 0), 51);
    // Partly off the surface: only the visible part is touched.
    SurfaceClear(s, kBackground);
    face.TexHeight = 100;  // r = 40 about (196, 0)
    DrawSphere(s, face, kMatQ15Identity, 240, -150, 1000, TextureImage{map.data(), 64, 32});
    EXPECT_EQ(PixelOf(s, 190, 5), 51);
    EXPECT_EQ(PixelOf(s, 100, 60), kBackground);
}

TEST_F(SphereTest, AnOffCentreSphereStandsWhereItsCentreProjects) {
    // Centre 100 file units right and 1000 beyond tz = 1000: x = 400 x 100 / 2000 = 20 pixels;
    // a disc of radius 10 x 400 / 1000 = 4 (no image).
    face.Vertices[1][0] = 100 * 16;
    face.Vertices[1][2] = 1000 * 16;
    Draw(10, 1000, TextureImage{});
    EXPECT_NE(PixelOf(s, 118, 60), kBackground);
    EXPECT_EQ(PixelOf(s, 125, 60), kBackground);
}

class SpriteTest : public SphereTest {};

TEST_F(SpriteTest, TheImageCoversTheSquareAndReadsStayInside) {
    std::vector<uint8_t> image(64 * 64);
    for (int32_t v = 0; v < 64; ++v)
        for (int32_t u = 0; u < 64; ++u)
            image[v * 64 + u] = static_cast<uint8_t>(u / 16 + 4 * (v / 16));
    for (int32_t v = 0; v < 4; ++v)  // the bottom left corner is transparent
        for (int32_t u = 0; u < 4; ++u) image[v * 64 + u] = kColourNoPolygon;
    DrawSprite(s, 100, 60, 32, 0, 6, TextureImage{image.data(), 64, 64});
    EXPECT_EQ(PixelOf(s, 75, 40), 10);             // bottom left quarter: texel 0 + 10
    EXPECT_EQ(PixelOf(s, 125, 40), 13);            // bottom right: u / 16 = 3
    EXPECT_EQ(PixelOf(s, 75, 85), 10 + 12);        // top left: v / 16 = 3
    EXPECT_EQ(PixelOf(s, 69, 29), kBackground);    // the transparent corner
    EXPECT_EQ(PixelOf(s, 100, 100), kBackground);  // outside the square
    // Turned a quarter (64 of 256) anticlockwise: the top left quarter comes to the bottom left.
    DrawSprite(s, 100, 60, 32, 64, 6, TextureImage{image.data(), 64, 64});
    EXPECT_TRUE(PixelOf(s, 75, 40) == 22 && PixelOf(s, 125, 40) == 10 && PixelOf(s, 125, 85) == 13);
    // A smaller image is read within its own bounds.
    std::vector<uint8_t> small(4 * 2, 30);
    small.back() = 31;
    SurfaceClear(s, kBackground);
    DrawSprite(s, 100, 60, 50, 0, 6, TextureImage{small.data(), 4, 2});
    EXPECT_EQ(CountIndex(s, 40) + CountIndex(s, 41) + CountIndex(s, kBackground), 200 * 120);
    EXPECT_GT(CountIndex(s, 41), 0);
    // Nothing for a size of 0 or without an image.
    SurfaceClear(s, kBackground);
    DrawSprite(s, 100, 60, 0, 0, 6, TextureImage{image.data(), 64, 64});
    DrawSprite(s, 100, 60, 20, 0, 6, TextureImage{});
    EXPECT_EQ(CountIndex(s, kBackground), 200 * 120);
}

}  // namespace
