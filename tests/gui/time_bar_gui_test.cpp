#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>
#include <QToolButton>

#include "app/qt/rotate_widget.h"
#include "app/qt/time_bar.h"
#include "tests/gui/shell_fixture.h"

namespace {

class TimeBarGuiTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CopyCatalogue();
        Start();
    }
    CTimeBar* Bar() { return View()->TimeBar(); }
};

TEST_F(TimeBarGuiTest, RunningTimeAdvancesOneStepPerTickAndPaintsEachTick) {
    View()->SetViewTime(CDateTime(2026, 12, 6, 22, 0, 0));
    Bar()->m_unit->setCurrentIndex(kHours);
    const int paintsBefore = Sky()->Paints();
    QTest::mouseClick(Bar()->m_forward, Qt::LeftButton);
    EXPECT_TRUE(Bar()->m_forward->isChecked());
    QTest::qWait(1000);
    QTest::mouseClick(Bar()->m_forward, Qt::LeftButton);
    EXPECT_FALSE(Bar()->m_forward->isChecked());
    const int ticks = Sky()->Paints() - paintsBefore;
    EXPECT_GT(ticks, 10);  // at most 100 in a second; far fewer only on a stalled machine
    EXPECT_LE(ticks, 101);
    int64_t advanced = (View()->ChosenTime() - CDateTime(2026, 12, 6, 22, 0, 0)).GetTotalSeconds();
    EXPECT_EQ(advanced, int64_t(ticks) * 3600);
    // The pickers show the view's time.
    EXPECT_EQ(Bar()->m_timePicker->time().hour(), View()->ChosenTime().GetHour());
    EXPECT_EQ(Bar()->m_datePicker->date().day(), View()->ChosenTime().GetDay());
    // Stopped: no more ticks.
    const int stopped = Sky()->Paints();
    QTest::qWait(100);
    EXPECT_EQ(Sky()->Paints(), stopped);
}

// The slider and the pickers drive the view; a count that is not a number
// is refused with a message and the kept count shown again.
TEST_F(TimeBarGuiTest, ControlsDriveTheViewAndABadCountIsRefused) {
    EXPECT_EQ(Doc().m_nZoom, 256);  // showing the zoom does not change it
    EXPECT_EQ(Bar()->m_zoom->value(), 31);
    Bar()->m_zoom->setValue(100);
    EXPECT_EQ(Doc().m_nZoom, 2048);
    Bar()->m_datePicker->setDate(QDate(2000, 1, 1));
    EXPECT_EQ(View()->ChosenTime().GetYear(), 2000);
    Bar()->m_timePicker->setTime(QTime(12, 0, 0));
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2000, 1, 1, 12, 0, 0));
    Bar()->m_count->setText("many");
    QTest::mouseClick(Bar()->m_forward, Qt::LeftButton);
    EXPECT_FALSE(Bar()->m_forward->isChecked());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("between 1 and 9999"), std::string::npos);
    EXPECT_EQ(Bar()->m_count->text(), "1");
    QTest::mouseClick(Bar()->m_up, Qt::LeftButton);
    EXPECT_EQ(Bar()->m_count->text(), "2");
}

TEST_F(ShellTest, TrackballTurnsTheSky) {
    CopyCatalogue();
    std::filesystem::copy_file(JoinPath(LUMO_BIN_DIR, "esfptr.ob3"), folder.File("esfptr.ob3"));
    Start();
    auto* ball = dynamic_cast<CRotateWidget*>(View()->TimeBar()->findChild<QWidget*>("ROTATE"));
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->geometry(), View()->TimeBar()->PointerRect());
    EXPECT_EQ(ball->height(), 47);
    EXPECT_FALSE(ball->Picture().isNull());
    EXPECT_EQ(ball->Picture().pixelIndex(1, 1), kBallClearIndex);
    const int paints = Sky()->Paints();
    QTest::mousePress(ball, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseMove(ball, QPoint(36, 34));
    QTest::mouseRelease(ball, Qt::LeftButton, {}, QPoint(36, 34));
    const RotateState& s = ball->State();
    EXPECT_NE(s.Turned[1] | s.Turned[2], 0);
    EXPECT_EQ(Doc().m_nViewElevation, -s.Turned[1] % 32768);
    EXPECT_EQ(Doc().m_nViewAzimuth, -s.Turned[2] % 32768);
    EXPECT_GT(Sky()->Paints(), paints);
}

}  // namespace
