// The perspective texture mappers: addressing, texel meanings, lighting,
// near and far faces, and faces seen edge-on.

#include <gtest/gtest.h>

#include <vector>

#include "engine/light_band.h"
#include "engine/outline.h"
#include "engine/primitives.h"
#include "engine/raster_texture.h"
#include "tests/engine/frame_check.h"

namespace {

class TextureTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildShadeBase(0);
        s.FocalLength = 100;
        ASSERT_EQ(SurfaceCreate(s, 64, 64), 1);  // centre (32, 32)
    }
    // A clear surface with the screen rectangle 12..51 x 12..51 as the outline.
    // With lights, the edges are shaded from light[i] at corner i to the next corner's.
    void Square(const int32_t (&light)[4] = {}) {
        SurfaceClear(s, kBackground);
        OutlineReset(s);
        const int32_t corners[5][2] = {{12, 12}, {51, 12}, {51, 51}, {12, 51}, {12, 12}};
        MoveTo(s, 12, 12);
        for (int i = 1; i < 5; ++i)
            ShadedEdgeTo(s, corners[i][0], corners[i][1], light[i - 1], light[i % 4]);
    }
    // A texture plane facing the viewer at depth 100 (file units), its
    // origin at the bottom left of the square and its axes along x and y,
    // 40 pixels long on the screen.
    static TextureMapping Facing(int32_t width, int32_t height) {
        TextureMapping m{};
        m.Points[0] = {-20 * 16, -20 * 16, 0};  // model units: 16 a file unit
        m.Points[1] = {20 * 16, -20 * 16, 0};
        m.Points[2] = {-20 * 16, 20 * 16, 0};
        m.T = {0, 0, 100};
        m.Width = width;
        m.Height = height;
        m.TileU = m.TileV = 1;
        return m;
    }
    // The four quarters of the square: u < 1 on the left, v < 1 at the bottom (y up).
    std::vector<uint8_t> Quarters() const {
        return {PixelOf(s, 20, 20), PixelOf(s, 45, 20), PixelOf(s, 20, 45), PixelOf(s, 45, 45)};
    }
    Surface s;
};

TEST_F(TextureTest, TexelMeaningsAndLight) {
    // One texel per quarter of a 2 x 2 image: transparent, unlit, lit.
    const uint8_t image[4] = {kColourNoPolygon, 250, 5, 20};
    const TextureImage texture{image, 2, 2};
    Square();
    ASSERT_EQ(TextureShaded(s, Facing(2, 2), LightBand(0), 0, texture), 1);
    // 247 leaves the pixel, 209..255 are written as they are, the others are
    // lit by the band: level 6 for edge-on light, colour 20 (level 1 hue 1) one band on.
    EXPECT_EQ(Quarters(), (std::vector<uint8_t>{kBackground, 250, 10 + 19 * 6 + 5, 10 + 19 * 7 + 1}));
    Square();
    ASSERT_EQ(TextureUnlit(s, Facing(2, 2), 99, texture), 1);
    EXPECT_EQ(Quarters(), (std::vector<uint8_t>{kBackground, 250, 15, 30}));  // texel + 10
    // Gouraud: the light runs along the row, s = -200 (level 10) to 200 (level 0).
    const uint8_t one[1] = {3};
    Square({-200, 200, 200, -200});
    ASSERT_EQ(TextureGouraud(s, Facing(1, 1), 3, TextureImage{one, 1, 1}), 1);
    EXPECT_EQ(PixelOf(s, 12, 30), 10 + 19 * 10 + 3);
    EXPECT_EQ(PixelOf(s, 51, 30), 13);
    EXPECT_LT(PixelOf(s, 40, 30), PixelOf(s, 20, 30));
}

TEST_F(TextureTest, FarFacesMapLikeNearOnes) {
    // From depth 30000 on the points are taken in file units: the face moved
    // away by a factor and grown by it, its origin shifted by 7 file units
    // along x and y and its points back by as much, shows the same texels in
    // the same place, pixel for pixel.
    uint8_t image[16];
    for (int i = 0; i < 16; ++i) image[i] = static_cast<uint8_t>(40 + i);
    std::vector<uint8_t> nearFrame;
    for (int32_t factor : {1, 400}) {
        TextureMapping m = Facing(4, 4);
        for (Vec3i& q : m.Points) q = {(q.x - 7 * 16) * factor, (q.y - 7 * 16) * factor, 0};
        m.T = {7 * factor, 7 * factor, 100 * factor};
        Square();
        ASSERT_EQ(TextureUnlit(s, m, 99, TextureImage{image, 4, 4}), 1);
        EXPECT_EQ(Quarters(), (std::vector<uint8_t>{50, 53, 62, 65})) << factor;  // texel + 10
        const std::vector<uint8_t> frame(s.Bits, s.Bits + s.Stride * s.Height);
        if (factor == 1) nearFrame = frame;
        else EXPECT_EQ(frame, nearFrame);
    }
}

TEST_F(TextureTest, CollinearTexturePointsDrawNothing) {
    const uint8_t image[4] = {5, 5, 5, 5};
    TextureMapping m = Facing(2, 2);
    m.Points[2] = {m.Points[0].x + 2 * (m.Points[1].x - m.Points[0].x), m.Points[0].y, 0};
    Square();
    EXPECT_EQ(TextureShaded(s, m, LightBand(0), 5, TextureImage{image, 2, 2}), 0);
    EXPECT_EQ(TextureUnlit(s, m, 15, TextureImage{image, 2, 2}), 0);
    EXPECT_EQ(CountIndex(s, kBackground), 64 * 64);
}

}  // namespace
