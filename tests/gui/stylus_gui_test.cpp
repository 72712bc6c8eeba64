// The stylus through the real widget: a double click on the sky window opens
// the dialog of what is drawn there (the drag, edge and lock rules are the
// sky window's, tested in tests/sky).

#include "astro/body_table.h"
#include "engine/surface.h"
#include "tests/gui/shell_fixture.h"

namespace {

class StylusGuiTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CopyCatalogue();
        Start();
        Doc().m_nViewAzimuth = 0;
        Doc().m_nViewElevation = -2000;
        Sky()->Redraw();
    }
    // Where a record drawn by the last paint appears in the widget.
    QPoint Shown(const int32_t pt[2]) { return {pt[0] + Sky()->Wnd().m_Surface.BlitX, pt[1]}; }
};

TEST_F(StylusGuiTest, DoubleClickOpensTheStarOrPlanetDialog) {
    const CStar* star = nullptr;
    for (const auto& s : Doc().m_stars)
        if (s->m_ptScreen[0] != kOffScreen && s->m_fMagnitude < 2.5f) {
            star = s.get();
            break;
        }
    ASSERT_NE(star, nullptr);
    ShownDialog shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, Shown(star->m_ptScreen)); });
    EXPECT_EQ(shown.title, "Star");
    ASSERT_EQ(shown.lines.size(), 5);
    EXPECT_EQ(shown.lines[0].toStdString(), star->m_strName);

    CPlanet* jupiter = FindPlanet(Doc().m_planets, "Jupiter");
    Doc().m_pAim = jupiter;
    Sky()->Redraw();  // aiming switches to Equatorial mode from the next paint on
    Sky()->Redraw();
    // At the projection centre: half the surface stride (a multiple of 4), shown one pixel right.
    ASSERT_EQ(Shown(jupiter->m_ptScreen).x(), Sky()->Wnd().m_Surface.CentreX + 1);
    shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, Shown(jupiter->m_ptScreen)); });
    EXPECT_EQ(shown.title, "Planet");
    ASSERT_EQ(shown.lines.size(), 11);
    EXPECT_EQ(shown.lines[0], "Name: Jupiter");
}

}  // namespace
