#include "engine/primitives.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/palette.h"
#include "tests/engine/frame_check.h"

namespace {

using Pixels = std::set<std::pair<int32_t, int32_t>>;

Pixels PixelsOf(const Surface& s, uint8_t index) {
    Pixels out;
    for (int32_t y = 0; y < s.Height; ++y)
        for (int32_t x = 0; x < s.Stride; ++x)
            if (PixelOf(s, x, y) == index) out.insert({x, y});
    return out;
}

class PrimitivesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SurfaceCreate(s, 64, 48), 1);
        SurfaceClear(s, 0);
    }
    Surface s;
};

TEST_F(PrimitivesTest, Discs) {
    FillDisc(s, 20, 20, 0, 1);  // radius 0: every run is empty
    EXPECT_EQ(CountIndex(s, 11), 0);
    FillDisc(s, 20, 20, 1, 1);  // runs end one before x + j
    EXPECT_EQ(PixelsOf(s, 11), (Pixels{{19, 20}, {20, 20}}));
    DrawBodyDisc(s, 40, 20, 2, 5);  // yellow one level darker
    EXPECT_EQ(PixelOf(s, 40, 20), PaletteIndexOf(1, 5));
    DrawBodyDisc(s, 50, 30, 2, 209);  // unlit colours as given
    EXPECT_EQ(PixelOf(s, 50, 30), 219);
    // Circles that only touch column 0, or run past the last column, are drawn.
    DrawCircle(s, -5, 40, 5, 4);
    DrawCircle(s, 60, 40, 8, 4);
    EXPECT_TRUE(PixelOf(s, 0, 40) == 14 && PixelOf(s, 52, 40) == 14);
    // A disc centred left of the surface and reaching past its top fills
    // exactly the visible part of the same disc drawn further in.
    Surface wide;
    ASSERT_EQ(SurfaceCreate(wide, 164, 148), 1);
    SurfaceClear(s, 0);
    FillDisc(wide, 95, 90, 20, 3);
    FillDisc(s, -5, 44, 20, 3);
    Pixels expected;
    for (const auto& [x, y] : PixelsOf(wide, 13))
        if (x >= 100 && x < 164 && y >= 46 && y <= 92) expected.insert({x - 100, y - 46});
    EXPECT_EQ(PixelsOf(s, 13), expected);
    EXPECT_GT(expected.size(), 200u);
}

// A small fixed scene of every primitive; its frame must not change.
TEST(PrimitivesGoldenTest, Scene) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 62, 40), 1);
    SurfaceClear(s, 10);
    DrawCircle(s, s.CentreX, s.CentreY, 17, 3);
    FillDisc(s, 15, 12, 6, 5);
    DrawBodyDisc(s, 48, 30, 3, 2);
    for (int32_t i = 0; i < 8; ++i) {
        MoveTo(s, s.CentreX, s.CentreY);
        LineTo(s, s.CentreX + (i - 4) * 9, i % 2 ? 2 : 37, i + 1);
    }
    MoveTo(s, -20, 5);
    LineTo(s, 80, 9, 9);
    for (int32_t x = 0; x < 64; x += 3) PutPixel(s, x, 38, 254);
    EXPECT_EQ(PixelOf(s, 32 + 17, 20), 13);  // right of the rim, green
    EXPECT_EQ(PixelOf(s, 15, 12), 15);       // disc centre, yellow
    EXPECT_EQ(PixelOf(s, 48, 30), 31);       // red one level darker
    EXPECT_EQ(PixelOf(s, 32, 20), 18);       // the last line through the centre
    EXPECT_EQ(PixelOf(s, 0, 38), 10);        // PutPixel skips column 0
    EXPECT_EQ(PixelOf(s, 3, 38), 254);
    EXPECT_EQ(PixelOf(s, 63, 5), 0);         // the clear stops before the last column
    ExpectGoldenFrame(s, 0x5d8b5e43c6bd9f7eull, "primitives_scene");
}

}  // namespace
