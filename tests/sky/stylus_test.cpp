// The stylus on the sky window: drags, edge scrolling, the locked view and
// the taps that pick what was drawn.

#include <gtest/gtest.h>

#include "engine/surface.h"
#include "sky/hit_table.h"
#include "tests/sky/sky_fixture.h"

namespace {

class StylusTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        EmptySky();
        Size(240, 300);  // a 242-wide surface: F = (242 * 256 / 320) = 193 at zoom 256
        wnd.PaintSky();
        F = S().FocalLength;
        ASSERT_GT(F, 0);
    }
    int32_t F = 0;
};

TEST_F(StylusTest, DragTurnsTheViewByTheGainPerFocalLength) {
    doc.m_nViewAzimuth = 100;
    doc.m_nViewElevation = -50;
    wnd.OnPenDown(100, 100);
    EXPECT_TRUE(host.captured && host.timerRunning);
    wnd.OnPenMove(100 + F, 100);
    EXPECT_EQ(doc.m_nViewAzimuth, 6100);
    EXPECT_EQ(doc.m_nViewElevation, -50);
    wnd.OnPenMove(100 + F, 100 + F / 2);  // down by F/2: elevation falls by about 3000
    EXPECT_NEAR(doc.m_nViewElevation, -50 - 3000, 20);
    wnd.OnPenUp(100 + F, 100 + F / 2);
    EXPECT_FALSE(host.captured || host.timerRunning);
    wnd.OnPenMove(10, 10);  // no press: ignored
    EXPECT_NEAR(doc.m_nViewElevation, -50 - 3000, 20);
}

TEST_F(StylusTest, EdgePressesScrollWithinTwentyPixels) {
    const int32_t r = host.width, b = host.height, step = 131072 / F;
    struct Case {
        int32_t x, y, az, el;
    } cases[] = {
        {r - 19, 150, -step, 0}, {r - 20, 150, 0, 0},  {19, 150, step, 0}, {20, 150, 0, 0},
        {120, b - 19, 0, step},  {120, b - 20, 0, 0},  {120, 19, 0, -step}, {120, 20, 0, 0},
        {5, 5, step, -step},
    };
    for (const Case& c : cases) {
        doc.m_nViewAzimuth = doc.m_nViewElevation = 0;
        wnd.OnPenDown(c.x, c.y);
        EXPECT_EQ(wnd.m_nAzimuthStep, c.az) << c.x << "," << c.y;
        EXPECT_EQ(wnd.m_nElevStep, c.el) << c.x << "," << c.y;
        EXPECT_EQ(doc.m_nViewAzimuth, c.az);  // the first step is taken at once
        wnd.OnTick(kStylusTimer);
        EXPECT_EQ(doc.m_nViewAzimuth, 2 * c.az);
        EXPECT_EQ(doc.m_nViewElevation, 2 * c.el);
        EXPECT_TRUE(host.timerRunning);
        // While edge-scrolling a move does not drag.
        wnd.OnPenMove(c.x + 50, c.y + 50);
        if (c.az || c.el) {
            EXPECT_EQ(doc.m_nViewAzimuth, 2 * c.az);
        }
        wnd.OnPenUp(c.x, c.y);
        EXPECT_EQ(wnd.m_nAzimuthStep, 0);
    }
}

TEST_F(StylusTest, LockedViewMessageAfterADiagonalDragOnly) {
    doc.m_pAim = Body("Mars");
    auto drag = [&](int32_t dx, int32_t dy) {
        const int before = host.lockedMessages;
        wnd.OnPenDown(100, 100);
        wnd.OnPenMove(100 + dx, 100 + dy);
        wnd.OnPenUp(100 + dx, 100 + dy);
        return host.lockedMessages - before;
    };
    EXPECT_EQ(drag(11, 11), 1);
    EXPECT_FALSE(host.heldAtMessage) << "the box came while the stylus was still held";
    EXPECT_EQ(drag(10, 30), 0);
    doc.m_bObserverOnBody = 1;
    EXPECT_EQ(drag(40, 40), 0);
}

TEST_F(StylusTest, DoubleTapPicksTheNearestDrawnObjectWithinFifteenPixels) {
    CStar* star = AddStar("Test star", 1.0f, 0, 0);
    CPlanet* mars = Body("Mars");
    const int32_t shift = wnd.m_Surface.BlitX;  // shown this far right of the stored x
    ASSERT_EQ(shift, 1);
    wnd.m_hits.stars.push_back({IndexIn(doc.m_stars, star), 100 - shift, 100});
    wnd.HitTest(100 + 15, 100);  // d = 225: nothing
    EXPECT_EQ(host.starShown, nullptr);
    // A body at the same distance wins the tie; a strictly nearer star wins.
    wnd.m_hits.bodies.push_back({IndexIn(doc.m_planets, mars), 120 - shift, 100});
    wnd.HitTest(110, 100);
    EXPECT_EQ(host.planetShown, mars);
    host.planetShown = nullptr;
    wnd.HitTest(109, 100);
    EXPECT_EQ(host.starShown, star);
    // A paint clears the stored positions of everything not drawn; a table
    // left from another catalogue picks nothing that is not there.
    host.starShown = nullptr;
    wnd.PaintSky();
    wnd.HitTest(100, 100);
    wnd.m_hits.stars.push_back({5, 100 - shift, 100});
    wnd.m_hits.bodies.push_back({999, 100 - shift, 100});
    wnd.HitTest(100, 100);
    EXPECT_TRUE(host.starShown == nullptr && host.planetShown == nullptr);
}

}  // namespace
