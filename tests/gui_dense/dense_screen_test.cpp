// On a dense screen the sky has the screen's pixels: the surface is twice the
// widget in each direction, the fonts are made twice as large, and the mouse
// is read in the surface's pixels.

#include "tests/gui/shell_fixture.h"

namespace {

class DenseScreenTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CopyCatalogue();
        Start();
        ASSERT_EQ(Sky()->devicePixelRatioF(), 2.0);
    }
    const Surface& S() { return Sky()->Wnd().m_Surface; }
};

TEST_F(DenseScreenTest, SkyIsPaintedAtThePhysicalResolution) {
    EXPECT_EQ(Sky()->Wnd().m_scale.factor, 2.0);
    EXPECT_GE(S().Stride, 2 * Sky()->width() + 2);
    EXPECT_EQ(S().Height, 2 * Sky()->height());
    EXPECT_EQ(Sky()->Picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(Sky()->Picture().deviceIndependentSize().toSize(),
              QSize(S().Stride, S().Height) / 2);
    EXPECT_EQ(app->Tools().scale.factor, 2.0);  // the fonts are made for it
}

TEST_F(DenseScreenTest, MouseIsReadInSurfacePixels) {
    Doc().m_nViewMode = 0;
    Sky()->Redraw();
    // The edge zone is 20 widget pixels, 40 surface pixels.
    const int r = Sky()->width();
    QTest::mousePress(Sky(), Qt::LeftButton, {}, {r - 19, 150});
    EXPECT_LT(Sky()->Wnd().m_nAzimuthStep, 0);
    QTest::mouseRelease(Sky(), Qt::LeftButton, {}, {r - 19, 150});
    QTest::mousePress(Sky(), Qt::LeftButton, {}, {r - 21, 150});
    EXPECT_EQ(Sky()->Wnd().m_nAzimuthStep, 0);
    QTest::mouseRelease(Sky(), Qt::LeftButton, {}, {r - 21, 150});
}

}  // namespace
