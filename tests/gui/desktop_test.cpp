// What desktop users expect: the wheel zooms, keys and the time bar turn,
// zoom and run the view, the File menu's commands keep what they should
// across a restart, the window comes back where it was left.

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>
#include <QToolButton>
#include <QWheelEvent>

#include "app/qt/time_bar.h"
#include "app/qt/window_placement.h"
#include "tests/fixed_clock.h"
#include "tests/gui/shell_fixture.h"

namespace {

class DesktopTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CopyCatalogue();
    }
    CTimeBar* Bar() { return View()->TimeBar(); }
    void Wheel(int eighths) {
        const QPointF at(Sky()->width() / 2.0, Sky()->height() / 2.0);
        QWheelEvent e(at, Sky()->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Sky(), &e);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Frame(), static_cast<Qt::Key>(key), modifiers);
    }
};

// The wheel and each key give their command (the steps themselves are the
// sky window's and the time bar's rules).
TEST_F(DesktopTest, WheelAndKeysTurnZoomAndRunTheView) {
    Start();
    ASSERT_EQ(Doc().m_nZoom, 256);
    const int paints = Sky()->Paints();
    Wheel(120);  // one notch away from the user: zoom in
    EXPECT_EQ(Doc().m_nZoom, 263);
    EXPECT_EQ(Bar()->m_zoom->value(), 32);
    EXPECT_EQ(Sky()->Paints(), paints + 1);
    Wheel(-60);  // a fine wheel: half notches add up to one
    EXPECT_EQ(Doc().m_nZoom, 263);
    Wheel(-60);
    EXPECT_EQ(Doc().m_nZoom, 251);

    Doc().m_nZoom = 256;
    Doc().m_nViewMode = 0;
    Doc().m_nViewAzimuth = Doc().m_nViewElevation = 0;
    Sky()->Redraw();
    const int32_t step = 131072 / Sky()->Wnd().m_Surface.FocalLength;
    ASSERT_GT(step, 0);
    const struct {
        Qt::Key key;
        int32_t azimuth, elevation, zoom;
    } keys[] = {{Qt::Key_Left, step, 0, 256},      {Qt::Key_Down, step, step, 256},
                {Qt::Key_Right, 0, step, 256},     {Qt::Key_Up, 0, 0, 256},
                {Qt::Key_PageUp, 0, 0, 263},       {Qt::Key_PageDown, 0, 0, 251}};
    for (const auto& k : keys) {
        Key(k.key);
        EXPECT_EQ(Doc().m_nViewAzimuth, k.azimuth) << k.key;
        EXPECT_EQ(Doc().m_nViewElevation, k.elevation) << k.key;
        EXPECT_EQ(Doc().m_nZoom, k.zoom) << k.key;
    }
    Key(Qt::Key_Space);
    EXPECT_TRUE(Bar()->m_forward->isChecked());
    Key(Qt::Key_Space);
    EXPECT_FALSE(Bar()->m_forward->isChecked());
    // A text field with the focus types the keys instead; Up and Down there
    // step the count, within 1 to 9999, and the view stays.
    Bar()->m_count->setFocus();
    Bar()->m_count->setText("1");
    QTest::keyClick(Bar()->m_count, Qt::Key_Space);
    EXPECT_EQ(Bar()->m_count->text(), "1 ");
    EXPECT_EQ(Bar()->Core().m_nRunning, 0);
    for (auto [from, key, to] : {std::tuple{"10", Qt::Key_Down, "9"}, {"1", Qt::Key_Down, "1"},
                                 {"9999", Qt::Key_Up, "9999"}}) {
        Bar()->m_count->setText(from);
        QTest::keyClick(Bar()->m_count, key);
        EXPECT_EQ(Bar()->m_count->text(), to) << from;
    }
    EXPECT_EQ(Doc().m_nViewElevation, 0);
}

// Running time advances one step per tick of the timer and paints each; the
// slider and the pickers drive the view; a count that is not a number is
// refused with a message and the kept count shown again.
TEST_F(DesktopTest, TheTimeBarRunsAndSetsTheView) {
    Start();
    View()->SetViewTime(CDateTime(2026, 12, 6, 22, 0, 0));
    Bar()->m_unit->setCurrentIndex(kHours);
    const int paintsBefore = Sky()->Paints();
    QTest::mouseClick(Bar()->m_forward, Qt::LeftButton);
    QTest::qWait(300);
    QTest::mouseClick(Bar()->m_forward, Qt::LeftButton);
    const int ticks = Sky()->Paints() - paintsBefore;
    EXPECT_GT(ticks, 0);
    int64_t advanced = (View()->ChosenTime() - CDateTime(2026, 12, 6, 22, 0, 0)).GetTotalSeconds();
    EXPECT_EQ(advanced, int64_t(ticks) * 3600);
    const int stopped = Sky()->Paints();
    QTest::qWait(100);
    EXPECT_EQ(Sky()->Paints(), stopped);

    Bar()->m_zoom->setValue(100);
    EXPECT_EQ(Doc().m_nZoom, 2048);
    Bar()->m_datePicker->setDate(QDate(2000, 1, 1));
    EXPECT_EQ(View()->ChosenTime().GetYear(), 2000);
    Bar()->m_count->setText("many");
    QTest::mouseClick(Bar()->m_forward, Qt::LeftButton);
    EXPECT_EQ(messages, std::vector<std::string>{std::string("Tarvel Lumo: ") + kBadCountMessage});
    EXPECT_EQ(Bar()->m_count->text(), "1");
}

// Now (N) and UTC time set the view time; UTC survives a restart.
TEST_F(DesktopTest, NowAndUtcTime) {
    FixedClock clock(kHalfPastMidnight, "Europe/Madrid");
    Start();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 1, 30, 0));  // start-up
    View()->SetViewTime(CDateTime(1999, 8, 11, 11, 0, 0));
    Key(Qt::Key_N);
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 1, 30, 0));
    const int paints = Sky()->Paints();
    Frame()->Action(ID_UTC_TIME)->trigger();
    EXPECT_GT(Sky()->Paints(), paints);
    // In UTC mode "Now" is the present moment in Universal Time.
    Frame()->Action(ID_NOW)->trigger();
    EXPECT_EQ(View()->ChosenTime(), CDateTime(2026, 12, 7, 0, 30, 0));
    Close();
    Start();
    EXPECT_TRUE(Frame()->Action(ID_UTC_TIME)->isChecked());
}

// Ctrl+S saves at once, Ctrl+Q saves the settings, and a new (empty)
// document never replaces the catalogue at exit.
TEST_F(DesktopTest, SaveQuitAndNewDocument) {
    Start();
    Doc().m_nViewAzimuth = 4321;
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(SavedDocument()->m_nViewAzimuth, 4321);
    Doc().m_nZoom = 1024;
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Frame()->isVisible());
    app.reset();
    const std::string saved = SlurpFile(folder.File("stars.db"));
    Start();
    EXPECT_EQ(Doc().m_nZoom, 1024);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Doc().m_stars.empty());
    Close();
    EXPECT_EQ(SlurpFile(folder.File("stars.db")), saved);
}

TEST_F(DesktopTest, WindowComesBackWhereItWasLeft) {
    Start(0, 0);  // the first run
    EXPECT_EQ(Frame()->size(), QSize(kFirstWindowWidth, kFirstWindowHeight));
    const QRect placed(40, 50, 600, 450);
    Frame()->setGeometry(placed);
    QApplication::processEvents();
    Close();
    Start(0, 0);
    EXPECT_EQ(Frame()->geometry(), placed);
    Frame()->showMaximized();
    QApplication::processEvents();
    Close();
    Start(0, 0);
    EXPECT_TRUE(Frame()->isMaximized());
    EXPECT_EQ(Frame()->normalGeometry(), placed);
}

// A place on a screen that is gone comes back onto one that is there: kept
// on a screen, moved wholly onto the one it overlaps most, cut to the
// screen's size, or centred on the primary screen when off every screen.
TEST(WindowPlacementTest, FitOnScreens) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(FitOnScreens(QRect(2000, 10, 800, 600), screens), QRect(2000, 10, 800, 600));
    EXPECT_EQ(FitOnScreens(QRect(1800, 100, 800, 600), screens), QRect(1920, 100, 800, 600));
    EXPECT_EQ(FitOnScreens(QRect(1950, 50, 3000, 3000), screens), QRect(1920, 0, 1280, 1024));
    EXPECT_EQ(FitOnScreens(QRect(-5000, 9000, 800, 600), screens), QRect(560, 240, 800, 600));
    EXPECT_EQ(FitOnScreens(QRect(1, 2, 3, 4), {}), QRect(1, 2, 3, 4));
}

}  // namespace
