// The Aim items and the Seek command on a sky window.

#include <gtest/gtest.h>

#include <cmath>

#include "sky/aim_commands.h"
#include "sky/vr_command.h"
#include "tests/sky/sky_fixture.h"

namespace {

constexpr double kAu = 1.495979e8;  // km

class AimCommandTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(318, 240);
        ASSERT_EQ(g_pSkyWnd, &wnd);
    }
    // Within one pixel of the projection centre, window coordinates.
    void ExpectCentred(const int32_t (&pt)[2], const char* what) {
        EXPECT_LE(std::abs(pt[0] - S().CentreX), 1) << what;
        EXPECT_LE(std::abs(pt[1] - (S().Height - S().CentreY)), 1) << what;
    }
};

TEST_F(AimCommandTest, SameItemTwiceUnlocksEveryChoiceRepaintsEarthOnlyInVr) {
    wnd.PaintSky();
    int presents = host.presents;
    AimCommand(doc, "Mars");
    EXPECT_EQ(doc.m_pAim, Body("Mars"));
    EXPECT_TRUE(AimItemChecked(doc, "Mars"));
    EXPECT_FALSE(AimItemChecked(doc, "Venus"));
    AimCommand(doc, "Venus");
    EXPECT_EQ(doc.m_pAim, Body("Venus"));
    AimCommand(doc, "Venus");
    EXPECT_EQ(doc.m_pAim, nullptr);
    EXPECT_FALSE(AimItemChecked(doc, "Venus"));
    EXPECT_FALSE(AimItemChecked(doc, "Vulcan"));  // no body, no lock: no check mark
    AimCommand(doc, "Mars");
    AimCommand(doc, "mars");  // exact names only: releases
    EXPECT_EQ(doc.m_pAim, nullptr);
    EXPECT_EQ(host.presents, presents + 5);
    // "Earth" only while standing on another body.
    EXPECT_FALSE(AimItemEnabled(doc, "Earth"));
    EXPECT_TRUE(AimItemEnabled(doc, "Moon"));
    doc.m_bObserverOnBody = 1;
    EXPECT_TRUE(AimItemEnabled(doc, "Earth"));
}

TEST(VrCommandTest, TogglesAndTheGroundGoesOffEitherWay) {
    CLumoDoc doc;
    for (int on : {1, 0}) {
        doc.m_bGround = 1;
        VrCommand(doc);
        EXPECT_EQ(doc.m_bObserverOnBody, on);
        EXPECT_EQ(doc.m_bGround, 0);
    }
    SetVrMode(doc, true);
    SetVrMode(doc, true);
    EXPECT_EQ(doc.m_bObserverOnBody, 1);
}

// Seek releases the lock and turns to Equatorial mode, even when nothing is
// found (then without a repaint); a body is aimed at by its position, a star
// by its catalogue vector (here not that of its angles); in VR mode a body
// does not turn the view.
TEST_F(AimCommandTest, SeekReleasesTheLockAndCentresWhatItFinds) {
    EmptySky();
    const double ra = 60 * 0.017453292519943295, dec = -30 * 0.017453292519943295;
    PlaceBody("Jupiter", 5 * kAu * std::cos(dec) * std::cos(ra), 5 * kAu * std::sin(dec),
              -5 * kAu * std::cos(dec) * std::sin(ra));
    wnd.PaintSky();
    doc.m_pAim = Body("Mars");
    doc.m_nViewMode = 1;
    doc.m_nViewAzimuth = 123;
    const int presents = host.presents;
    EXPECT_FALSE(SeekCommand(wnd, "Betelgeuse"));
    EXPECT_EQ(doc.m_pAim, nullptr);
    EXPECT_EQ(doc.m_nViewMode, 0);
    EXPECT_EQ(doc.m_nViewAzimuth, 123);
    EXPECT_EQ(host.presents, presents);

    ASSERT_TRUE(SeekCommand(wnd, "JUPITER"));
    EXPECT_NEAR(doc.m_nViewAzimuth, 5461, 2);    // 4h
    EXPECT_NEAR(doc.m_nViewElevation, 2731, 2);  // minus the declination
    ExpectCentred(Body("Jupiter")->m_ptScreen, "Jupiter");
    CStar* vega = AddStar("Vega", 0.03f, 279.23, 38.78);
    ASSERT_TRUE(SeekCommand(wnd, "vega"));
    ExpectCentred(vega->m_ptScreen, "Vega");
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
