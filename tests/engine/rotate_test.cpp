// The trackball: a drag inside turns about the model's own axes, one from
// outside about the view axis; its redraw keeps the sky's light.

#include <gtest/gtest.h>

#include <cmath>

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
        ASSERT_TRUE(RotateResize(state, 60, 60));
    }
    void TearDown() override { ObjectFree(model); }
    uint8_t Pixel(int x, int yFromTop) {
        const Surface& s = state.surface;
        return s.RowBase[(s.Height - 1 - yFromTop) * s.RowStep + x];
    }
    EngineObject model{};
    RotateState state;
};

TEST_F(RotateTest, DragFromTheCentreTurnsAboutAxisB) {
    const Vec3i b = state.AxisB;
    RotatePenDown(state, 30, 30);
    EXPECT_EQ(state.StartedInside, 1);
    ASSERT_TRUE(RotatePenMove(state, 40, 30));  // along the equator: only the longitude changes
    EXPECT_TRUE(state.Turned[0] == 0 && state.Turned[1] == 0);
    // 10 of 22 pixels from the centre: asin(10/22) of longitude, twice that turned.
    EXPECT_NEAR(state.Turned[2], 2 * std::asin(10.0 / 22) * 16384 / M_PI, 60);
    EXPECT_EQ(state.AxisB, b);  // turning about B leaves it
    EXPECT_FALSE(RotatePenMove(state, 58, 58));  // off the ball: ignored
    EXPECT_EQ(state.LastX, 40);
}

TEST_F(RotateTest, DragFromOutsideTurnsAboutAxisA) {
    const Vec3i a = state.AxisA;
    RotatePenDown(state, 2, 2);
    EXPECT_EQ(state.StartedInside, 0);
    ASSERT_TRUE(RotatePenMove(state, 58, 2));  // a quarter turn round the centre
    EXPECT_TRUE(state.Turned[1] == 0 && state.Turned[2] == 0);
    EXPECT_NEAR(state.Turned[0], -8192, 20);
    EXPECT_EQ(state.AxisA, a);
    RotatePenUp(state);  // with the stylus up nothing turns
    EXPECT_FALSE(RotatePenMove(state, 2, 2));
}

TEST_F(RotateTest, TheBallKeepsItsFocalLengthAndLightToItsOwnSurface) {
    Surface sky;
    ASSERT_EQ(SurfaceCreate(sky, 320, 240), 1);
    SurfaceBeginFrame(sky, 256);
    ASSERT_TRUE(RotateResize(state, 60, 60));
    RotatePenDown(state, 30, 30);
    RotatePenMove(state, 36, 34);
    EXPECT_EQ(Pixel(1, 1), kBallClearIndex);
    EXPECT_NE(Pixel(state.surface.CentreX, 30), kBallClearIndex);  // the globe
    EXPECT_EQ(state.surface.FocalLength, 48);  // 0.8 of its own width
    EXPECT_NE(state.surface.LightVector, kDefaultLight);
    EXPECT_EQ(sky.FocalLength, 256);
    EXPECT_EQ(sky.LightVector, kDefaultLight);
}

}  // namespace
