// Where the camera looks: the two view modes, the view angles and aiming.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/sky/sky_fixture.h"

namespace {

// The float vector v of the sky frame as Q15 (for comparing with rows).
Vec3i Q15Of(const Vec3f& v) {
    return {int32_t(std::lround(v[0] * 32767)), int32_t(std::lround(v[1] * 32767)),
            int32_t(std::lround(v[2] * 32767))};
}

int32_t Along(const Vec3i& row, const Vec3i& v) { return DotQ15(row, v.x, v.y, v.z); }

class ViewTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);
        time.chosen = CDateTime(2026, 12, 6, 21, 0, 0);
        time.utc = true;
        wnd.m_pTimeSource = &time;
    }
    // Camera (X, Y, Z) of a direction of right ascension and declination.
    Vec3i CameraOf(double raDeg, double decDeg) {
        SkyPoint p = SkyPointAt(raDeg, decDeg);
        return wnd.m_Camera.ToCamera(p.X, p.Y, p.Z);
    }
    FixedTimeSource time;
};

TEST_F(ViewTest, DefaultDocumentLooksNorthWithTheZenithUpAndWestLeft) {
    ASSERT_EQ(doc.m_nViewMode, 1);
    wnd.PaintSky();
    const CSkyCamera& c = wnd.m_Camera;
    const Vec3i north = Q15Of({-doc.m_vSouth[0], -doc.m_vSouth[1], -doc.m_vSouth[2]});
    const Vec3i zenith = Q15Of(doc.m_vZenith), east = Q15Of(doc.m_vEast);
    EXPECT_GT(Along(c.m_vDepth, north), 32700);
    EXPECT_GT(Along(c.m_vUp, zenith), 32700);
    EXPECT_LT(Along(c.m_vSide, east), -32700);  // the side row is west: X > 0 left
    // The north point at the centre, the east point to the right of it.
    int32_t x, y;
    const Vec3i ce = c.ToCamera(east.x, east.y, east.z);
    wnd.ProjectToScreen(ce.x, ce.y, x, y);
    EXPECT_GT(x, S().CentreX + 200);
    // The saved latitude shows: the pole stands 42 degrees above the north point.
    const Vec3i pole = CameraOf(0, 90);
    EXPECT_NEAR(std::asin(pole.y / 32767.0) * 57.29578, 42.0, 0.2);
    EXPECT_NEAR(pole.x, 0, 60);
}

TEST_F(ViewTest, EquatorialCentresTheViewAngles) {
    doc.m_nViewMode = 0;
    wnd.PaintSky();
    // Right ascension 0h, declination 0 at the centre, north up.
    EXPECT_GT(CameraOf(0, 0).z, 32700);
    EXPECT_GT(CameraOf(0, 90).y, 32700);
    // Right ascension grows to the left: 1h lies at positive X (left).
    EXPECT_GT(CameraOf(15, 0).x, 8000);
    EXPECT_LT(CameraOf(-15, 0).x, -8000);

    doc.m_nViewElevation = -8192;  // the north celestial pole at the centre
    wnd.PaintSky();
    EXPECT_GT(CameraOf(0, 90).z, 32700);
    // Right ascension 12h is up the screen, 6h to the left.
    EXPECT_GT(CameraOf(180, 0).y, 32700);
    EXPECT_GT(CameraOf(90, 0).x, 32700);

    doc.m_nViewAzimuth = 5461;  // 60 degrees: right ascension 4h
    doc.m_nViewElevation = 2731;  // declination -30
    wnd.PaintSky();
    EXPECT_GT(CameraOf(60, -30).z, 32700);
}

TEST_F(ViewTest, AimingFromHorizonModeSwitchesToEquatorialAfterThisPaint) {
    doc.m_pAim = Body("Saturn");
    wnd.PaintSky();
    EXPECT_EQ(doc.m_nViewMode, 0);
    // This paint kept the horizon basis with the aimed angles; the next one
    // puts Saturn at the centre.
    wnd.PaintSky();
    const CPlanet* saturn = Body("Saturn");
    EXPECT_LT(std::abs(ScreenOf(saturn)[0] - S().CentreX), 2);
    EXPECT_LT(std::abs(ScreenOf(saturn)[1] - (S().Height - S().CentreY)), 2);
}

}  // namespace
