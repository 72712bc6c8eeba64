// The stylus through the real widget: mouse press, move, release and double
// click on the sky window.

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
    void Press(QPoint p) { QTest::mousePress(Sky(), Qt::LeftButton, {}, p); }
    void Move(QPoint p) { QTest::mouseMove(Sky(), p); }
    void Release(QPoint p) { QTest::mouseRelease(Sky(), Qt::LeftButton, {}, p); }
    // Where a record drawn by the last paint appears in the widget.
    QPoint Shown(const int32_t pt[2]) { return {pt[0] + Sky()->Wnd().m_Surface.BlitX, pt[1]}; }
};

TEST_F(StylusGuiTest, DragTurnsTheSky) {
    const int f = FocalLength;
    Press({100, 100});
    Move({100 + f, 100});
    Release({100 + f, 100});
    EXPECT_EQ(Doc().m_nViewAzimuth, 6000);
    EXPECT_EQ(Doc().m_nViewElevation, -2000);
}

TEST_F(StylusGuiTest, EdgePressScrollsWhileHeld) {
    const int r = Sky()->width();
    Press({r - 20, 150});
    EXPECT_EQ(Sky()->Wnd().m_nAzimuthStep, 0);
    Release({r - 20, 150});
    Press({r - 19, 150});
    const int step = 131072 / FocalLength;
    EXPECT_EQ(Sky()->Wnd().m_nAzimuthStep, -step);
    int paints = Sky()->Paints();
    QTest::qWait(120);  // the 10 ms timer keeps turning and repainting
    Release({r - 19, 150});
    EXPECT_GT(Sky()->Paints(), paints + 2);
    EXPECT_LT(Doc().m_nViewAzimuth, -2 * step);
    Press({3, 3});  // a corner sets both steps
    EXPECT_EQ(Sky()->Wnd().m_nAzimuthStep, step);
    EXPECT_EQ(Sky()->Wnd().m_nElevStep, -step);
    Release({3, 3});
}

TEST_F(StylusGuiTest, LockedViewMessageAfterADiagonalDrag) {
    Doc().m_pAim = FindPlanet(Doc().m_planets, "Mars");
    ShownDialog shown = CaptureModal([&] {
        Press({100, 100});
        Move({111, 111});
        Release({111, 111});
    });
    EXPECT_EQ(shown.title, "Tarvel Lumo");
    ASSERT_EQ(shown.lines.size(), 1);
    EXPECT_EQ(shown.lines[0].toStdString(),
              "The view is locked on an object. Please, unlock the view to rotate the view");
    shown = CaptureModal([&] {
        Press({100, 100});
        Move({150, 100});
        Release({150, 100});
    });
    EXPECT_TRUE(shown.title.isEmpty());
    Doc().m_bObserverOnBody = 1;
    shown = CaptureModal([&] {
        Press({100, 100});
        Move({140, 140});
        Release({140, 140});
    });
    EXPECT_TRUE(shown.title.isEmpty());
}

// The day's rise, transit and set lines from line first on.
void ExpectEventLines(const QStringList& lines, int first) {
    ASSERT_GE(lines.size(), first + 3);
    EXPECT_TRUE(lines[first].startsWith("Rise: ")) << lines[first].toStdString();
    EXPECT_TRUE(lines[first + 1].startsWith("Transit: ")) << lines[first + 1].toStdString();
    EXPECT_TRUE(lines[first + 2].startsWith("Set: ")) << lines[first + 2].toStdString();
}

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
    ASSERT_EQ(shown.lines.size(), 8);
    EXPECT_EQ(shown.lines[0].toStdString(), star->m_strName);
    EXPECT_TRUE(shown.lines[1].startsWith("Magnitud: "));
    EXPECT_TRUE(shown.lines[3].startsWith("Right ascension: "));
    EXPECT_TRUE(shown.lines[4].startsWith("Declination: "));
    ExpectEventLines(shown.lines, 5);

    CPlanet* jupiter = FindPlanet(Doc().m_planets, "Jupiter");
    Doc().m_pAim = jupiter;
    Sky()->Redraw();  // aiming switches to Equatorial mode from the next paint on
    Sky()->Redraw();
    // At the projection centre: half the surface stride (a multiple of 4), shown one pixel right.
    ASSERT_EQ(Shown(jupiter->m_ptScreen).x(), Sky()->Wnd().m_Surface.CentreX + 1);
    shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, Shown(jupiter->m_ptScreen)); });
    EXPECT_EQ(shown.title, "Planet");
    ASSERT_EQ(shown.lines.size(), 17);
    EXPECT_EQ(shown.lines[0], "Name: Jupiter");
    EXPECT_TRUE(shown.lines[11].endsWith(" au"));
    EXPECT_TRUE(shown.lines[12].startsWith("Apparent diameter: "));
    EXPECT_TRUE(shown.lines[13].startsWith("Illuminated: "));
    ExpectEventLines(shown.lines, 14);

    // A point 15 pixels or more from everything drawn opens nothing.
    auto clear = [&](QPoint p) {
        auto far = [&](const int32_t pt[2]) {
            QPoint s = Shown(pt);
            long long dx = s.x() - p.x(), dy = s.y() - p.y();
            return dx * dx + dy * dy >= 225;
        };
        for (const auto& b : Doc().m_planets)
            if (!far(b->m_ptScreen)) return false;
        for (const auto& s : Doc().m_stars)
            if (!far(s->m_ptScreen)) return false;
        return true;
    };
    QPoint empty(-1, -1);
    for (int y = 20; y < Sky()->height() - 20 && empty.x() < 0; y += 3)
        for (int x = 20; x < Sky()->width() - 20; x += 3)
            if (clear({x, y})) {
                empty = {x, y};
                break;
            }
    ASSERT_GE(empty.x(), 0);
    shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, empty); });
    EXPECT_TRUE(shown.title.isEmpty());
}

}  // namespace
