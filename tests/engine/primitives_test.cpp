#include "engine/primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "engine/palette.h"
#include "tests/engine/frame_check.h"

namespace {

using Pixels = std::set<std::pair<int32_t, int32_t>>;

// Coordinates of the pixels holding an index.
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

TEST_F(PrimitivesTest, PutPixelNeverWritesColumnZeroOrRowZero) {
    PutPixel(s, 0, 10, 77);
    PutPixel(s, 10, 0, 77);
    PutPixel(s, 64, 10, 77);
    PutPixel(s, 10, 48, 77);
    PutPixel(s, -1, -1, 77);
    EXPECT_EQ(CountIndex(s, 77), 0);
    PutPixel(s, 1, 1, 77);
    PutPixel(s, 63, 47, 77);
    EXPECT_EQ(PixelsOf(s, 77), (Pixels{{1, 1}, {63, 47}}));
    PutPixel(s, 5, 5, 300);  // a palette index keeps its low 8 bits
    EXPECT_EQ(PixelOf(s, 5, 5), 44);
}

TEST_F(PrimitivesTest, LineToDrawsInColourNumberPlusTenAndMovesThePen) {
    MoveTo(s, 5, 5);
    LineTo(s, 5, 5, 1);  // a one-pixel line
    EXPECT_EQ(PixelsOf(s, 11), (Pixels{{5, 5}}));
    EXPECT_EQ(s.PenX, 5);
    LineTo(s, 9, 5, 2);  // continues from the pen
    EXPECT_EQ(PixelsOf(s, 12), (Pixels{{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}}));
    EXPECT_EQ(s.PenX, 9);
    EXPECT_EQ(s.PenY, 5);
    // Column 0 and row 0 are drawn by lines (unlike PutPixel); the last
    // column of the stride too.
    MoveTo(s, 0, 0);
    LineTo(s, 63, 0, 3);
    EXPECT_EQ(CountIndex(s, 13), 64);
}

TEST_F(PrimitivesTest, LineAndItsReverseSetTheSamePixels) {
    std::mt19937 rng(1);
    std::uniform_int_distribution<int32_t> c(-30, 90);
    for (int n = 0; n < 300; ++n) {
        const int32_t x0 = c(rng), y0 = c(rng), x1 = c(rng), y1 = c(rng);
        SurfaceClear(s, 0);
        MoveTo(s, x0, y0);
        LineTo(s, x1, y1, 4);
        const Pixels forward = PixelsOf(s, 14);
        SurfaceClear(s, 0);
        MoveTo(s, x1, y1);
        LineTo(s, x0, y0, 4);
        ASSERT_EQ(PixelsOf(s, 14), forward);
    }
}

TEST_F(PrimitivesTest, LinePartlyOutsideWritesOnlyItsInsidePixels) {
    MoveTo(s, -100, 20);
    LineTo(s, 10, 20, 1);
    Pixels expected;
    for (int32_t x = 0; x <= 10; ++x) expected.insert({x, 20});
    EXPECT_EQ(PixelsOf(s, 11), expected);
    SurfaceClear(s, 0);
    MoveTo(s, INT32_MIN, INT32_MIN);
    LineTo(s, INT32_MAX, INT32_MAX, 1);  // the diagonal, however far the ends
    Pixels diagonal;
    for (int32_t i = 0; i < 48; ++i) diagonal.insert({i, i});
    EXPECT_EQ(PixelsOf(s, 11), diagonal);
}

TEST_F(PrimitivesTest, MoveToWidensTheDirtyRows) {
    s.DirtyTop = s.DirtyBottom = 20;
    MoveTo(s, 3, 25);
    EXPECT_EQ(s.DirtyTop, 20);
    EXPECT_EQ(s.DirtyBottom, 25);
    MoveTo(s, 3, 12);
    EXPECT_EQ(s.DirtyTop, 12);
    MoveTo(s, 3, -50);
    MoveTo(s, 3, 5000);
    EXPECT_EQ(s.DirtyTop, 0);
    EXPECT_EQ(s.DirtyBottom, 47);
}

TEST_F(PrimitivesTest, CircleOutline) {
    DrawCircle(s, 20, 20, 6, 5);
    const Pixels ring = PixelsOf(s, 15);
    EXPECT_TRUE(ring.count({20, 26}) && ring.count({26, 20}) && ring.count({20, 14}) && ring.count({14, 20}));
    EXPECT_EQ(PixelOf(s, 20, 20), 0);
    for (const auto& [x, y] : ring) {
        const double r = std::hypot(x - 20, y - 20);
        EXPECT_NEAR(r, 6, 0.75) << x << "," << y;
        EXPECT_TRUE(ring.count({40 - x, y}) && ring.count({x, 40 - y}) && ring.count({y, x}));
    }
    // Rows Height-1 and above are never drawn; a circle wholly off is skipped.
    SurfaceClear(s, 0);
    DrawCircle(s, 30, 47, 3, 5);
    EXPECT_EQ(PixelOf(s, 30, 47 - 3), 15);
    for (int32_t x = 0; x < 64; ++x) EXPECT_NE(PixelOf(s, x, 47), 15);
    DrawCircle(s, -10, 20, 9, 6);
    DrawCircle(s, 20, 100, 50, 6);  // bounding box reaches row 50: nothing inside
    EXPECT_EQ(CountIndex(s, 16), 0);
}

TEST_F(PrimitivesTest, DiscRuns) {
    FillDisc(s, 20, 20, 0, 1);  // radius 0: all runs empty
    EXPECT_EQ(CountIndex(s, 11), 0);
    FillDisc(s, 20, 20, 1, 1);  // the runs end one before x + j
    EXPECT_EQ(PixelsOf(s, 11), (Pixels{{19, 20}, {20, 20}}));
    SurfaceClear(s, 0);
    FillDisc(s, 30, 24, 8, 2);
    const Pixels disc = PixelsOf(s, 12);
    for (const auto& [x, y] : disc) {
        // Symmetric about x = 29.5 and y = 24, within the radius.
        EXPECT_TRUE(disc.count({59 - x, y}) && disc.count({x, 48 - y}));
        EXPECT_LE(std::hypot(x + 0.5 - 30, y - 24), 8.5);
    }
    EXPECT_NEAR(double(disc.size()), M_PI * 64, 30);
}

TEST_F(PrimitivesTest, DiscOffTheSurfaceFillsOnlyItsVisiblePart) {
    Surface wide;
    ASSERT_EQ(SurfaceCreate(wide, 164, 148), 1);
    SurfaceClear(wide, 0);
    FillDisc(wide, 95, 90, 20, 3);  // the same disc, 100 columns and rows further in
    FillDisc(s, -5, 44, 20, 3);     // centre left of the surface, reaching past the top
    Pixels expected;
    for (const auto& [x, y] : PixelsOf(wide, 13)) {
        if (x - 100 >= 0 && x - 100 < 64 && y - 46 >= 0 && y - 46 <= 46) expected.insert({x - 100, y - 46});
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(PixelsOf(s, 13), expected);
    EXPECT_EQ(PixelOf(s, 0, 47), 0);  // the top row is never filled
}

TEST_F(PrimitivesTest, BodyDiscIsOneLevelDarker) {
    DrawBodyDisc(s, 20, 20, 2, 1);  // white -> white at level 1
    EXPECT_EQ(PixelOf(s, 20, 20), PaletteIndexOf(1, 1));
    DrawBodyDisc(s, 40, 20, 2, 5);  // yellow -> yellow at level 1
    EXPECT_EQ(PixelOf(s, 40, 20), PaletteIndexOf(1, 5));
    DrawBodyDisc(s, 30, 30, 2, 209);  // unlit colours are drawn as given
    EXPECT_EQ(PixelOf(s, 30, 30), 219);
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
