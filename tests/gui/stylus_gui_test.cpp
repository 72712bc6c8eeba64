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
    QPoint Shown(const std::array<int32_t, 2>& pt) { return {pt[0] + Sky()->Wnd().m_Surface.BlitX, pt[1]}; }
};

// The day's rise, transit and set lines from line first on.
void ExpectEventLines(const QStringList& lines, int first) {
    ASSERT_GE(lines.size(), first + 3);
    EXPECT_TRUE(lines[first].startsWith("Rise: ")) << lines[first].toStdString();
    EXPECT_TRUE(lines[first + 1].startsWith("Transit: ")) << lines[first + 1].toStdString();
    EXPECT_TRUE(lines[first + 2].startsWith("Set: ")) << lines[first + 2].toStdString();
}

TEST_F(StylusGuiTest, DoubleClickOpensTheStarOrPlanetDialog) {
    const CStar* star = nullptr;
    std::array<int32_t, 2> at{};
    for (const ScreenMark& m : Sky()->Wnd().m_hits.stars)
        if (Doc().m_stars[size_t(m.index)]->m_fMagnitude < 2.5f) {
            star = Doc().m_stars[size_t(m.index)].get();
            at = {m.x, m.y};
            break;
        }
    ASSERT_NE(star, nullptr);
    ShownDialog shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, Shown(at)); });
    EXPECT_EQ(shown.title, "Star");
    ASSERT_EQ(shown.lines.size(), 8);
    EXPECT_EQ(shown.lines[0].toStdString(), star->m_strName);
    ExpectEventLines(shown.lines, 5);

    CPlanet* jupiter = FindPlanet(Doc().m_planets, "Jupiter");
    Doc().m_pAim = jupiter;
    Sky()->Redraw();  // aiming switches to Equatorial mode from the next paint on
    Sky()->Redraw();
    // At the projection centre: half the surface stride (a multiple of 4), shown one pixel right.
    const QPoint jupiterAt = Shown(MarkOf(Sky()->Wnd().m_hits.bodies, jupiter->m_nIndex));
    ASSERT_EQ(jupiterAt.x(), Sky()->Wnd().m_Surface.CentreX + 1);
    shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, jupiterAt); });
    EXPECT_EQ(shown.title, "Planet");
    ASSERT_EQ(shown.lines.size(), 17);
    EXPECT_EQ(shown.lines[0], "Name: Jupiter");
    EXPECT_TRUE(shown.lines[11].endsWith(" au"));
    EXPECT_TRUE(shown.lines[12].startsWith("Apparent diameter: "));
    EXPECT_TRUE(shown.lines[13].startsWith("Illuminated: "));
    ExpectEventLines(shown.lines, 14);
}

}  // namespace
