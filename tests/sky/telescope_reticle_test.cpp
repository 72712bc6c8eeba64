// The telescope's reticle on a hand-made sky.

#include <gtest/gtest.h>

#include <cmath>

#include "sky/telescope_reticle.h"
#include "tests/sky/sky_fixture.h"

namespace {

class ReticleTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);  // stride 320, centre (160, 120), F = 256
        EmptySky();
    }
    static constexpr uint8_t kReticle = 10 + kTelescopeColour;
};

TEST_F(ReticleTest, TwoCirclesAndACrossWhereTheMountPoints) {
    wnd.m_telescope = {true, 1.0, 10.0};  // 1h, +10 deg: up and left of the centre
    // A body in the same direction: the reticle centres on its marker.
    const double ra = 15 * 0.017453292519943295, dec = 10 * 0.017453292519943295;
    PlaceBody("Jupiter", 7e8 * std::cos(dec) * std::cos(ra), 7e8 * std::sin(dec),
              -7e8 * std::cos(dec) * std::sin(ra));
    wnd.PaintSky();
    const CPlanet* jupiter = Body("Jupiter");
    ASSERT_TRUE(OnScreen(ScreenOf(jupiter)));
    const int32_t x = ScreenOf(jupiter)[0], y = S().Height - ScreenOf(jupiter)[1];
    // 160 - trunc(256 cos 10° sin 15°), 120 + trunc(256 sin 10°).
    EXPECT_EQ(x, 95);
    EXPECT_EQ(y, 164);
    // The circles' rightmost points, the cross's ends, and nothing between
    // the circles off the cross.
    EXPECT_EQ(PixelOf(S(), x + kReticleInnerRadius, y), kReticle);
    EXPECT_EQ(PixelOf(S(), x + kReticleOuterRadius, y), kReticle);
    EXPECT_EQ(PixelOf(S(), x, y + kReticleOuterRadius), kReticle);
    EXPECT_EQ(PixelOf(S(), x - kReticleArm, y), kReticle);
    EXPECT_EQ(PixelOf(S(), x, y + kReticleArm), kReticle);
    EXPECT_NE(PixelOf(S(), x + 7, y + 7), kReticle);
    EXPECT_NE(PixelOf(S(), x + kReticleArm + 1, y), kReticle);
    ExpectGoldenFrame(S(), 0x139fa058e528d895ull, "telescope_reticle");
}

TEST_F(ReticleTest, NothingWhenHiddenOrBehindTheView) {
    wnd.m_telescope = {false, 0.0, 0.0};
    wnd.PaintSky();
    EXPECT_EQ(CountVisible(kReticle), 0);
    wnd.m_telescope = {true, 12.0, 0.0};  // straight behind
    wnd.PaintSky();
    EXPECT_EQ(CountVisible(kReticle), 0);
    wnd.m_telescope = {true, 0.0, 0.0};
    wnd.PaintSky();
    EXPECT_GT(CountVisible(kReticle), 100);
    EXPECT_EQ(PixelOf(S(), 160, 120), kReticle);
}

}  // namespace
