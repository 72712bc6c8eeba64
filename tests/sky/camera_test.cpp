// The camera basis: reset, turns and straightening (the projection scale is
// checked from outside by the render tests).

#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/trig_tables.h"
#include "sky/sky_camera.h"
#include "tests/sky/sky_fixture.h"

namespace {

int64_t Dot(const Vec3i& a, const Vec3i& b) {
    return (int64_t{a.x} * b.x + int64_t{a.y} * b.y + int64_t{a.z} * b.z) >> 15;
}

void ExpectOrthonormal(const CSkyCamera& c, int32_t tolerance) {
    for (const Vec3i* row : {&c.m_vDepth, &c.m_vUp, &c.m_vSide})
        EXPECT_NEAR(Dot(*row, *row), 32767, tolerance);
    EXPECT_NEAR(Dot(c.m_vDepth, c.m_vUp), 0, tolerance);
    EXPECT_NEAR(Dot(c.m_vDepth, c.m_vSide), 0, tolerance);
    EXPECT_NEAR(Dot(c.m_vUp, c.m_vSide), 0, tolerance);
}

// The sine table gives 6, not 0, a quarter turn away, hence the tolerance.
void ExpectRow(const Vec3i& row, int32_t x, int32_t y, int32_t z, int32_t tolerance = 6) {
    EXPECT_NEAR(row.x, x, tolerance);
    EXPECT_NEAR(row.y, y, tolerance);
    EXPECT_NEAR(row.z, z, tolerance);
}

TEST(SkyCameraTest, QuarterTurnsMoveTheRowsAsDescribed) {
    EngineTablesInit();
    CSkyCamera c;
    c.Rotate(100, 200, 300);
    c.Reset();  // towards the equinox, north up, the side row towards 18h
    ExpectRow(c.m_vSide, 0, 0, -32767, 0);
    EXPECT_EQ(c.m_engineTransposed[6], -32767);  // engine order: side, up, depth
    c.Rotate(0, 8192, 0);  // pitch: the depth goes to where up was
    ExpectRow(c.m_vDepth, 0, 32767, 0);
    ExpectRow(c.m_vUp, -32767, 0, 0);
    c.Reset();
    c.Rotate(0, 0, 8192);  // yaw: the depth goes to the side (6h)
    ExpectRow(c.m_vDepth, 0, 0, -32767);
    ExpectRow(c.m_vSide, -32767, 0, 0);
    c.Reset();
    c.Rotate(-8192, 0, 0);  // roll back: up goes to minus the side
    ExpectRow(c.m_vUp, 0, 0, 32767);
    ExpectRow(c.m_vSide, 0, 32767, 0);
    ExpectRow(c.m_vDepth, 32767, 0, 0, 0);
    EXPECT_EQ(c.m_engine[5], c.m_vUp.z);  // the copies follow every turn
}

TEST(SkyCameraTest, OrthonormaliseRepairsDrift) {
    EngineTablesInit();
    CLumoWnd wnd;
    CSkyCamera& c = wnd.m_Camera;
    std::srand(7);
    for (int i = 0; i < 5000; ++i) c.Rotate(std::rand() % 301 - 150, std::rand() % 301 - 150, std::rand() % 301 - 150);
    // Thousands of truncated turns leave the rows short and askew.
    EXPECT_LT(Dot(c.m_vDepth, c.m_vDepth), 32000);
    wnd.Orthonormalise();
    ExpectOrthonormal(c, 8);
    // Right-handed like the reset basis: side = up x depth.
    const Vec3i cross{int32_t((int64_t{c.m_vUp.y} * c.m_vDepth.z - int64_t{c.m_vUp.z} * c.m_vDepth.y) >> 15),
                      int32_t((int64_t{c.m_vUp.z} * c.m_vDepth.x - int64_t{c.m_vUp.x} * c.m_vDepth.z) >> 15),
                      int32_t((int64_t{c.m_vUp.x} * c.m_vDepth.y - int64_t{c.m_vUp.y} * c.m_vDepth.x) >> 15)};
    EXPECT_GT(Dot(cross, c.m_vSide), 32000);
}

}  // namespace
