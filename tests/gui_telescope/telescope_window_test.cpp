// The window with the telescope simulator: connect, slew to the aimed object
// with G, the reticle and the status text while it slews, and disconnect.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>

#include "app/qt/telescope_control.h"
#include "astro/julian_day.h"
#include "sky/telescope_reticle.h"
#include "tests/gui/shell_fixture.h"
#include "tests/scope/scope_fixture.h"

namespace {

class TelescopeWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (SharedServerPort() == 0) GTEST_SKIP() << "no INDI server: run through ctest";
        CopyCatalogue();
        Start(800, 600);
        Control()->SetClock([] { return kCheckJulianDay; });
        Doc().m_fLatitude = static_cast<float>(kMadridLatDeg * kDegToRad);
        Doc().m_fLongitude = static_cast<float>(kMadridLonDeg * kDegToRad);
    }
    CTelescopeControl* Control() { return Frame()->Telescope(); }
    // Lets the window handle events until done() or the seconds run out.
    static bool Until(const std::function<bool()>& done, int seconds) {
        return QTest::qWaitFor(done, seconds * 1000);
    }
};

TEST_F(TelescopeWindowTest, SlewToTheAimedStarShowsTheReticleMovingAndArriving) {
    MountAddress a;
    a.host = "127.0.0.1";
    a.port = SharedServerPort();
    Control()->ConnectTo(a);
    ASSERT_TRUE(Until([this] { return Control()->IsConnected(); }, 10)) << Control()->StatusText();
    EXPECT_TRUE(Sky()->Wnd().m_telescope.shown);
    // The slew starts from Deneb, 24 degrees from Vega: the mount is told it
    // points there (a slew begun and stopped unparks it first).
    Control()->SlewTo("Deneb");
    ASSERT_TRUE(Until([this] { return Control()->IsSlewing(); }, 10)) << Control()->StatusText();
    Control()->Abort();
    ASSERT_TRUE(Until([this] { return Control()->Last().message == "Slew aborted"; }, 10));
    Control()->SyncOn("Deneb");
    const auto fromVega = [this] {
        const MountStatus& m = Control()->Last();
        return SeparationArcmin(m.raHours, m.decDeg, kVegaRaHours, kVegaDecDeg) / 60;
    };
    ASSERT_TRUE(Until([&] { return !Control()->IsSlewing() && std::abs(fromVega() - 23.9) < 0.5; },
                      10))
        << Control()->StatusText() << " " << fromVega();

    OnModal([&] { Frame()->OnCommand(ID_SEEK); }, [](QWidget& w) {
        w.findChild<QLineEdit*>()->setText("Vega");
        static_cast<QDialog&>(w).accept();
    });
    ASSERT_EQ(View()->AimedObject(), "Vega");
    Frame()->UpdateCommandUI();
    // The keys go to the window again, and not to a field of the time bar.
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    Sky()->setFocus();
    QTest::keyClick(Frame(), Qt::Key_G);
    ASSERT_TRUE(Until([this] { return Control()->IsSlewing(); }, 10))
        << Control()->StatusText() << " " << messages.size();
    EXPECT_EQ(Control()->StatusText(), "Telescope Simulator: slewing to Vega");
    // On its way, once within the view round Vega, the reticle is on the sky.
    ASSERT_TRUE(Until([&] { return Control()->IsSlewing() && fromVega() < 20; }, 60))
        << Control()->StatusText();
    int reticle = 0;
    const Surface& s = Sky()->Wnd().m_Surface;
    for (int32_t i = 0; i < s.Stride * s.Height; ++i) reticle += s.Bits[i] == 10 + kTelescopeColour;
    EXPECT_GT(reticle, 50);
    ASSERT_TRUE(Until([this] { return Control()->Last().message == "Arrived at Vega"; }, 90))
        << Control()->StatusText();
    EXPECT_LT(fromVega(), 1.0 / 60);
    Frame()->OnCommand(ID_TELESCOPE_CONNECT);  // disconnects
    ASSERT_TRUE(Until([this] { return !Control()->IsConnected(); }, 10));
    EXPECT_FALSE(Sky()->Wnd().m_telescope.shown);
}

}  // namespace
