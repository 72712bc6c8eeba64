#include "sky/hit_table.h"

#include <gtest/gtest.h>

#include "tests/sky/sky_fixture.h"

namespace {

TEST(HitTableTest, NearestIsStrictlyWithinTheRadiusAndTiesGoToTheLowestIndex) {
    // Filled in drawing order, which need not be index order.
    const std::vector<ScreenMark> marks = {{7, 10, 0}, {3, -10, 0}, {5, 0, 20}};
    int64_t best = 100;
    EXPECT_EQ(NearestMark(marks, 0, 0, best), nullptr);  // d = 100 is not within 100
    EXPECT_EQ(best, 100);
    best = 101;
    const ScreenMark* m = NearestMark(marks, 0, 0, best);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->index, 3);
    EXPECT_EQ(best, 100);
    best = 1000;
    EXPECT_EQ(NearestMark(marks, 0, 19, best)->index, 5);
    EXPECT_EQ(MarkOf(marks, 5), (std::array<int32_t, 2>{0, 20}));
    EXPECT_EQ(MarkOf(marks, 4), (std::array<int32_t, 2>{kOffScreen, kOffScreen}));
}

class HitTableWindowTest : public SkyWindowTest {};

TEST_F(HitTableWindowTest, ATableLeftFromAnotherCataloguePicksNothingThatIsNotThere) {
    Size(320, 240);
    EmptySky();
    AddStar("Only", 1.0f, 0, 0);
    wnd.m_hits.stars.push_back({5, 100, 100});  // a star the document no longer has
    wnd.HitTest(100 + wnd.m_Surface.BlitX, 100);
    EXPECT_EQ(host.starShown, nullptr);
    wnd.m_hits.Clear();
    wnd.m_hits.bodies.push_back({999, 100, 100});
    wnd.HitTest(100 + wnd.m_Surface.BlitX, 100);
    EXPECT_EQ(host.planetShown, nullptr);
}

}  // namespace
