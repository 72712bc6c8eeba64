// Where the camera looks: its basis after a reset and quarter turns, and
// the Aim items and the Seek command.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/trig_tables.h"
#include "sky/aim_commands.h"
#include "sky/sky_camera.h"
#include "tests/sky/sky_fixture.h"

namespace {

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

class ViewTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);
        wnd.m_pTimeSource = &time;
    }
    // Within one pixel of the projection centre, window coordinates.
    void ExpectCentred(const std::array<int32_t, 2>& pt, const char* what) {
        EXPECT_LE(std::abs(pt[0] - S().CentreX), 1) << what;
        EXPECT_LE(std::abs(pt[1] - (S().Height - S().CentreY)), 1) << what;
    }
    FixedTimeSource time{CDateTime(2026, 12, 6, 21, 0, 0), true};
};

TEST_F(ViewTest, SameItemTwiceUnlocksEveryChoiceRepaintsEarthOnlyInVr) {
    AimCommand(wnd, "Mars");
    EXPECT_TRUE(AimItemChecked(doc, "Mars"));
    EXPECT_FALSE(AimItemChecked(doc, "Venus"));
    AimCommand(wnd, "Venus");
    EXPECT_EQ(doc.m_pAim, Body("Venus"));
    AimCommand(wnd, "Venus");
    EXPECT_EQ(doc.m_pAim, nullptr);
    EXPECT_FALSE(AimItemChecked(doc, "Vulcan"));  // no body, no lock: no check mark
    AimCommand(wnd, "Mars");
    AimCommand(wnd, "mars");  // exact names only: releases
    EXPECT_EQ(doc.m_pAim, nullptr);
    EXPECT_EQ(host.presents, 5);
    // "Earth" only while standing on another body.
    EXPECT_FALSE(AimItemEnabled(doc, "Earth"));
    EXPECT_TRUE(AimItemEnabled(doc, "Moon"));
    doc.m_bObserverOnBody = 1;
    EXPECT_TRUE(AimItemEnabled(doc, "Earth"));
}

// Seek releases the lock and turns to Equatorial mode, even when nothing is
// found (then without a repaint); a body is aimed at by its position, a star
// by its catalogue vector (here not that of its angles); in VR mode a body
// does not turn the view.
TEST_F(ViewTest, SeekReleasesTheLockAndCentresWhatItFinds) {
    wnd.m_pTimeSource = nullptr;  // the positions stay as set
    EmptySky();
    const double ra = 60 * kDegToRad, dec = -30 * kDegToRad;
    PlaceBody("Jupiter", 7e8 * std::cos(dec) * std::cos(ra), 7e8 * std::sin(dec),
              -7e8 * std::cos(dec) * std::sin(ra));
    wnd.PaintSky();
    doc.m_pAim = Body("Mars");
    doc.m_nViewMode = 1;
    doc.m_nViewAzimuth = 123;
    const int presents = host.presents;
    EXPECT_FALSE(SeekCommand(wnd, "Betelgeuse"));
    EXPECT_TRUE(doc.m_pAim == nullptr && doc.m_nViewMode == 0 && doc.m_nViewAzimuth == 123);
    EXPECT_EQ(host.presents, presents);

    ASSERT_TRUE(SeekCommand(wnd, "JUPITER"));
    EXPECT_NEAR(doc.m_nViewAzimuth, 5461, 2);    // 4h
    EXPECT_NEAR(doc.m_nViewElevation, 2731, 2);  // minus the declination
    ExpectCentred(ScreenOf(Body("Jupiter")), "Jupiter");
    CStar* odd = AddStar("Odd", 2.0f, 0, 0);  // angles of 0h, 0 degrees; the vector towards 6h
    odd->m_pos.x = 0;
    odd->m_pos.z = -1.495979e11;
    ASSERT_TRUE(SeekCommand(wnd, "odd"));
    EXPECT_NEAR(doc.m_nViewAzimuth, 8192, 2);
    EXPECT_NEAR(doc.m_nViewElevation, 0, 2);

    doc.m_bObserverOnBody = 1;
    doc.m_pAim = Body("Mars");
    const int32_t az = doc.m_nViewAzimuth;
    ASSERT_TRUE(SeekCommand(wnd, "Jupiter"));
    EXPECT_EQ(doc.m_nViewAzimuth, az);
    EXPECT_EQ(doc.m_pAim, nullptr);
}

}  // namespace
