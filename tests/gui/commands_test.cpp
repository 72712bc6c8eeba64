// The File menu's commands through the real window, and what survives a
// restart.

#include "tests/fixed_clock.h"
#include "tests/gui/shell_fixture.h"

namespace {

TEST_F(ShellTest, NowAndUtcTimeSetTheViewTimeAndUtcSurvivesARestart) {
    FixedClock clock(kHalfPastMidnight, "Europe/Madrid");
    CopyCatalogue();
    Start();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 1, 30, 0));  // start-up
    View()->SetViewTime(CDateTime(1999, 8, 11, 11, 0, 0));
    Frame()->Action(ID_NOW)->trigger();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 1, 30, 0));
    QAction* utc = Frame()->Action(ID_UTC_TIME);
    EXPECT_FALSE(utc->isChecked());
    const int paints = Sky()->Paints();
    utc->trigger();
    EXPECT_TRUE(utc->isChecked());
    EXPECT_TRUE(View()->IsUtc());
    EXPECT_GT(Sky()->Paints(), paints);
    // In UTC mode "Now" is the present moment in Universal Time.
    Frame()->Action(ID_NOW)->trigger();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 0, 30, 0));
    Close();
    Start();
    EXPECT_TRUE(View()->IsUtc());
    EXPECT_TRUE(Frame()->Action(ID_UTC_TIME)->isChecked());
    Frame()->Action(ID_UTC_TIME)->trigger();
    Close();
    Start();
    EXPECT_FALSE(View()->IsUtc());
}

TEST_F(ShellTest, VrTogglesAndShowsItsCheck) {
    CopyCatalogue();
    Start();
    Frame()->Action(ID_VR)->trigger();
    EXPECT_EQ(Doc().m_bObserverOnBody, 1);
    EXPECT_TRUE(Frame()->Action(ID_VR)->isChecked());
}

// Ctrl+S saves at once, closing saves the settings, and a new (empty)
// document never replaces the catalogue at exit.
TEST_F(ShellTest, SaveCloseAndNewDocument) {
    CopyCatalogue();
    Start();
    Doc().m_nViewAzimuth = 4321;
    QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(SavedDocument()->m_nViewAzimuth, 4321);
    Doc().m_nZoom = 1024;
    Doc().m_bGrid = 0;
    Close();
    const std::string saved = SlurpBytes(folder.File("stars.db"));
    Start();
    EXPECT_EQ(Doc().m_nZoom, 1024);
    EXPECT_EQ(Doc().m_bGrid, 0);
    EXPECT_EQ(Doc().m_stars.size(), 41411u);
    QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Doc().m_stars.empty());
    EXPECT_EQ(Doc().m_planets.size(), 23u);
    Close();
    EXPECT_EQ(SlurpBytes(folder.File("stars.db")), saved);
}

}  // namespace
