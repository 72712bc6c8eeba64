// The outline builder and the untextured fills: crossings per row, the
// symmetric edge walk, the rows and spans the fills take and leave.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/light_band.h"
#include "engine/outline.h"
#include "engine/primitives.h"
#include "engine/raster_fill.h"
#include "tests/engine/frame_check.h"

namespace {

class OutlineTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildShadeBase(0);
        ASSERT_EQ(SurfaceCreate(s, 64, 48), 1);
        SurfaceClear(s, 0);
        OutlineReset(s);
    }
    void Polygon(std::initializer_list<std::pair<int32_t, int32_t>> points) {
        OutlineReset(s);
        const auto first = *points.begin();
        MoveTo(s, first.first, first.second);
        for (auto it = points.begin() + 1; it != points.end(); ++it) EdgeTo(s, it->first, it->second);
        EdgeTo(s, first.first, first.second);
    }
    // Sets the rows' crossings by hand, light 0 at both ends.
    void Spans(int32_t top, std::initializer_list<EdgePair> rows) {
        OutlineReset(s);
        s.DirtyTop = top;
        s.DirtyBottom = top + int32_t(rows.size()) - 1;
        for (const EdgePair& row : rows) {
            s.ShadeEdgeTable[top] = {0, 0};
            s.EdgeTable[top++] = row;
        }
    }
    // Pixels of a row holding index, as [first, last]; {-1, -1} when none.
    std::pair<int32_t, int32_t> Run(int32_t y, uint8_t index) const {
        int32_t first = -1, last = -1;
        for (int32_t x = 0; x < s.Stride; ++x) {
            if (PixelOf(s, x, y) != index) continue;
            if (first < 0) first = x;
            last = x;
        }
        return {first, last};
    }
    Surface s;
};

TEST_F(OutlineTest, EdgeWalksFromBothEndsAndItsReverseMatches) {
    MoveTo(s, 0, 0);
    EdgeTo(s, 10, 4);  // x = 2.5 y, the half steps rounded away from each end
    const int32_t expected[5] = {0, 3, 5, 7, 10};
    for (int32_t y = 0; y < 5; ++y) EXPECT_EQ(s.EdgeTable[y].Left, expected[y]) << y;
    // Every edge of a skewed polygon walked either way gives the same table.
    Polygon({{3, 2}, {61, 9}, {40, 45}, {-20, 30}});
    const std::vector<EdgePair> forward(s.EdgeTable, s.EdgeTable + s.Height);
    Polygon({{3, 2}, {-20, 30}, {40, 45}, {61, 9}});
    EXPECT_EQ(std::memcmp(forward.data(), s.EdgeTable, forward.size() * sizeof(EdgePair)), 0);
    EXPECT_EQ(forward[30].Left, -20);  // crossings off the surface are kept for the fills to clip
    // An edge far off the surface records only its rows: x = y / 2000 crosses each at 0.
    OutlineReset(s);
    MoveTo(s, -1000000, -2000000000);
    EdgeTo(s, 1000000, 2000000000);
    EXPECT_TRUE(s.DirtyTop == 0 && s.DirtyBottom == 47);
    for (int32_t y = 0; y < s.Height; ++y) EXPECT_EQ(s.EdgeTable[y].Left, 0) << y;
}

TEST_F(OutlineTest, FlatFillTakesEveryRowWithTwoCrossings) {
    Polygon({{10, 30}, {50, 30}, {30, 10}});  // flat top at row 30, apex at row 10
    FillFlat(s, 7);
    EXPECT_EQ(Run(30, 7), std::make_pair(10, 52));  // both ends, widened by two
    EXPECT_EQ(Run(10, 7).first, -1);  // the apex has one crossing
    EXPECT_EQ(Run(31, 7).first, -1);
    SurfaceClear(s, 0);  // the same triangle upside down: the flat edge is the first row
    Polygon({{10, 5}, {30, 25}, {50, 5}});
    FillFlat(s, 8);
    EXPECT_EQ(Run(5, 8), std::make_pair(10, 52));
    EXPECT_EQ(Run(24, 8).first, 29);
    SurfaceClear(s, 0);  // the widening stops at the row end
    Polygon({{40, 10}, {80, 10}, {80, 20}, {40, 20}});
    FillFlat(s, 9);
    for (int32_t y = 10; y <= 20; ++y) EXPECT_EQ(Run(y, 9), std::make_pair(40, 63)) << y;
    EXPECT_EQ(CountIndex(s, 9), 24 * 11);  // nothing spilled onto the next rows
}

TEST_F(OutlineTest, SpansOfZeroWidthAreNotFilled) {
    // left = right; left = right once clipped, at either edge; one pixel wide.
    Spans(5, {{20, 20}, {63, 90}, {-30, 0}, {20, 21}});
    FillFlat(s, 9);
    FillGouraud(s, 3);
    for (int32_t y = 5; y <= 7; ++y) EXPECT_EQ(Run(y, 0), std::make_pair(0, 63)) << y;
    EXPECT_NE(PixelOf(s, 21, 8), 0);
}

TEST_F(OutlineTest, ShadedEdgeReplacesLightOutsideTheLimits) {
    MoveTo(s, 5, 0);
    ShadedEdgeTo(s, 5, 4, 400, -100);  // 400 is out: the other end's value
    MoveTo(s, 9, 0);
    ShadedEdgeTo(s, 9, 4, -320, 320);  // both out: 0
    for (int32_t y = 0; y <= 4; ++y) {
        EXPECT_EQ(s.ShadeEdgeTable[y].Left, -100) << y;
        EXPECT_EQ(s.ShadeEdgeTable[y].Right, 0) << y;
    }
    // A light value of 319 at a clipped end still reads inside ShadeBase.
    Spans(2, {{0, 10}});
    s.ShadeEdgeTable[2] = {319, 319};
    FillGouraud(s, 3);
    EXPECT_EQ(PixelOf(s, 5, 2), LitColour(ShadeBase[kShadeBaseSize - 1], 3));
}

}  // namespace
