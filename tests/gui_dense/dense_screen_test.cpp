// On a dense screen the sky has the screen's pixels: the surface is twice the
// widget in each direction, the fonts are made twice as large, and the mouse
// is read in the surface's pixels.

#include "tests/gui/shell_fixture.h"

namespace {

TEST_F(ShellTest, DenseScreenSkyIsPaintedAndReadAtThePhysicalResolution) {
    CopyCatalogue();
    Start();
    ASSERT_EQ(Sky()->devicePixelRatioF(), 2.0);
    const Surface& s = Sky()->Wnd().m_Surface;
    EXPECT_EQ(Sky()->Wnd().m_scale.factor, 2.0);
    EXPECT_GE(s.Stride, 2 * Sky()->width() + 2);
    EXPECT_EQ(s.Height, 2 * Sky()->height());
    EXPECT_EQ(Sky()->Picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(app->Tools().scale.factor, 2.0);  // the fonts are made for it
    // The edge zone is 20 widget pixels, 40 surface pixels.
    Doc().m_nViewMode = 0;
    Sky()->Redraw();
    const int r = Sky()->width();
    for (auto [x, scrolls] : {std::pair{r - 19, true}, {r - 21, false}}) {
        QTest::mousePress(Sky(), Qt::LeftButton, {}, {x, 150});
        EXPECT_EQ(Sky()->Wnd().m_nAzimuthStep < 0, scrolls) << x;
        QTest::mouseRelease(Sky(), Qt::LeftButton, {}, {x, 150});
    }
}

}  // namespace
