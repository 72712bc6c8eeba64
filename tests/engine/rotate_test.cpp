#include <gtest/gtest.h>

#include "engine/render_settings.h"
#include "engine/rotate.h"
#include "engine/trig_tables.h"
#include "tools/model_builder.h"

namespace {

class RotateTest : public ::testing::Test {
protected:
    void SetUp() override {
        EngineTablesInit();
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(MakePointerModel(bytes, error)) << error;
        ASSERT_TRUE(ObjectRead(model, bytes, &error)) << error;
        RotateInit(state, &model);
    }
    void TearDown() override { ObjectFree(model); }
    uint8_t Pixel(int x, int yFromTop) {
        const Surface& s = state.surface;
        return s.RowBase[(s.Height - 1 - yFromTop) * s.RowStep + x];
    }
    EngineObject model{};
    RotateState state;
};

TEST_F(RotateTest, StartsUnturnedWithTheViewRowsCBA) {
    EXPECT_EQ(state.View, (MatQ15{0, 0, -32767, 0, 32767, 0, 32767, 0, 0}));
    EXPECT_EQ(state.Turned[0] + state.Turned[1] + state.Turned[2], 0);
}

TEST_F(RotateTest, ResizeClearsTo19AndDrawsTheModel) {
    ASSERT_TRUE(RotateResize(state, 60, 60));
    EXPECT_EQ(Pixel(1, 1), kBallClearIndex);
    EXPECT_EQ(Pixel(57, 58), kBallClearIndex);
    EXPECT_NE(Pixel(state.surface.CentreX, 30), kBallClearIndex);  // the globe
    // A resize redraws from the current view, cleared first.
    RotateBy(state, 0, 4000, 3000);
    ASSERT_TRUE(RotateResize(state, 50, 48));
    EXPECT_EQ(state.surface.Stride, 52);
    EXPECT_EQ(Pixel(1, 1), kBallClearIndex);
    EXPECT_FALSE(RotateResize(state, 0, 10));
}

TEST_F(RotateTest, DragFromTheCentreTurnsAboutAxisB) {
    ASSERT_TRUE(RotateResize(state, 60, 60));
    const Vec3i b = state.AxisB;
    RotatePenDown(state, 30, 30);
    EXPECT_EQ(state.StartedInside, 1);
    ASSERT_TRUE(RotatePenMove(state, 40, 30));
    // Only the longitude changed: a turn c, twice the longitude change.
    EXPECT_EQ(state.Turned[0], 0);
    EXPECT_EQ(state.Turned[1], 0);
    // The longitudes of (40, 30) and (30, 30) on the ball, by hand.
    auto angles = [](int32_t x, int32_t y, int32_t& lat, int32_t& lon) {
        int32_t bx, by;
        BallPoint(x, y, bx, by);
        int32_t r = 256 - ((by * by) >> 8) - ((bx * bx) >> 8);
        PointAngles(bx, by, SqrtTable[std::clamp(r * 128, 0, 32767)] >> 7, lat, lon);
    };
    int32_t lat, lon, lat0, lon0;
    angles(40, 30, lat, lon);
    angles(30, 30, lat0, lon0);
    EXPECT_EQ(lat, lat0);
    EXPECT_EQ(state.Turned[2], 2 * (lon - lon0));
    EXPECT_GT(state.Turned[2], 0);
    EXPECT_EQ(state.AxisB, b);  // turning about B leaves it
    EXPECT_NE(state.AxisA, (Vec3i{32767, 0, 0}));
    EXPECT_EQ(state.LastX, 40);
}

TEST_F(RotateTest, DragFromOutsideTurnsAboutAxisA) {
    ASSERT_TRUE(RotateResize(state, 60, 60));
    const Vec3i a = state.AxisA;
    RotatePenDown(state, 2, 2);
    EXPECT_EQ(state.StartedInside, 0);
    ASSERT_TRUE(RotatePenMove(state, 58, 2));  // a quarter turn round the centre
    EXPECT_EQ(state.Turned[1], 0);
    EXPECT_EQ(state.Turned[2], 0);
    EXPECT_NEAR(state.Turned[0], -8192, 20);  // 16384/3.14 units per radian
    EXPECT_EQ(state.AxisA, a);
}

TEST_F(RotateTest, MovesWithTheStylusUpOrOffTheBallDoNothing) {
    ASSERT_TRUE(RotateResize(state, 60, 60));
    EXPECT_FALSE(RotatePenMove(state, 40, 40));
    RotatePenDown(state, 30, 30);
    EXPECT_FALSE(RotatePenMove(state, 58, 58));  // outside the ball: ignored
    EXPECT_EQ(state.LastX, 30);
    RotatePenUp(state);
    EXPECT_FALSE(RotatePenMove(state, 35, 35));
    EXPECT_EQ(state.Turned[0] + state.Turned[1] + state.Turned[2], 0);
}

TEST_F(RotateTest, TheBallKeepsItsFocalLengthAndLightToItsOwnSurface) {
    Surface sky;
    ASSERT_EQ(SurfaceCreate(sky, 320, 240), 1);
    SurfaceBeginFrame(sky, 256);
    ASSERT_TRUE(RotateResize(state, 60, 60));
    RotatePenDown(state, 30, 30);
    RotatePenMove(state, 36, 34);
    EXPECT_EQ(state.surface.FocalLength, 48);  // 0.8 of its own width
    EXPECT_NE(state.surface.LightVector, kDefaultLight);
    EXPECT_EQ(sky.FocalLength, 256);
    EXPECT_EQ(sky.LightVector, kDefaultLight);
}

}  // namespace
