#include <cstdlib>
#include <fstream>

#include "tests/fixed_clock.h"
#include "tests/gui/shell_fixture.h"

namespace {

TEST_F(ShellTest, UtcTimeTogglesItsCheckMarkAndSurvivesARestart) {
    CopyCatalogue();
    Start();
    QAction* utc = Frame()->Action(ID_UTC_TIME);
    EXPECT_FALSE(utc->isChecked());
    EXPECT_FALSE(View()->IsUtc());
    int paints = Sky()->Paints();
    utc->trigger();
    EXPECT_TRUE(utc->isChecked());
    EXPECT_TRUE(View()->IsUtc());
    EXPECT_GT(Sky()->Paints(), paints);
    Close();
    Start();
    EXPECT_TRUE(View()->IsUtc());
    EXPECT_TRUE(Frame()->Action(ID_UTC_TIME)->isChecked());
    Frame()->Action(ID_UTC_TIME)->trigger();
    Close();
    Start();
    EXPECT_FALSE(View()->IsUtc());
}

TEST_F(ShellTest, NowSetsTheViewTime) {
    FixedClock clock(kHalfPastMidnight, "Europe/Madrid");
    CopyCatalogue();
    Start();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 1, 30, 0));  // start-up
    View()->SetViewTime(CDateTime(1999, 8, 11, 11, 0, 0));
    EXPECT_EQ(View()->ChosenTime().GetYear(), 1999);
    Frame()->Action(ID_NOW)->trigger();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 1, 30, 0));
    // In UTC mode "Now" is the present moment in Universal Time.
    Frame()->Action(ID_UTC_TIME)->trigger();
    Frame()->Action(ID_NOW)->trigger();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 0, 30, 0));
}

TEST_F(ShellTest, VrTogglesAndClearsTheGround) {
    CopyCatalogue();
    Start();
    Doc().m_bGround = 1;
    QAction* vr = Frame()->Action(ID_VR);
    vr->trigger();
    EXPECT_EQ(Doc().m_bObserverOnBody, 1);
    EXPECT_EQ(Doc().m_bGround, 0);
    EXPECT_TRUE(vr->isChecked());
}

TEST_F(ShellTest, ClosingSavesAndSettingsComeBack) {
    CopyCatalogue();
    Start();
    Doc().m_nZoom = 1024;
    Doc().m_bGrid = 0;
    Close();
    Start();
    EXPECT_EQ(Doc().m_nZoom, 1024);
    EXPECT_EQ(Doc().m_bGrid, 0);
    EXPECT_EQ(Doc().m_stars.size(), 41411u);
}

TEST_F(ShellTest, NewDocumentNeverReplacesTheCatalogueAtExit) {
    CopyCatalogue();
    std::string before = SlurpBytes(folder.File("stars.db"));
    Start();
    QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Doc().m_stars.empty());
    EXPECT_EQ(Doc().m_planets.size(), 23u);
    Close();
    EXPECT_EQ(SlurpBytes(folder.File("stars.db")), before);
}

TEST_F(ShellTest, SaveNowWritesTheDocument) {
    CopyCatalogue();
    Start();
    Doc().m_nViewAzimuth = 4321;
    QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(SavedDocument()->m_nViewAzimuth, 4321);
}

}  // namespace
