// The telescope link against the telescope simulator on a real INDI server:
// how a slew ends other than by arriving (the arrival on the apparent place
// of date is shown end to end by the program and the window tests).

#include <gtest/gtest.h>

#include <thread>

#include "tests/scope/scope_fixture.h"

namespace {
using namespace std::chrono_literals;

MountTarget Place(const std::string& name, double raHours, double decDeg) {
    MountTarget t;
    t.name = name;
    t.raHoursOfDate = t.raHoursJ2000 = raHours;
    t.decDegOfDate = t.decDegJ2000 = decDeg;
    return t;
}

// A place a quarter of the sky away from where the mount points now, so a
// slew there takes seconds.
MountTarget FarFrom(const MountStatus& s) {
    return Place("Far", std::fmod(s.raHours + 6.0, 24.0), s.decDeg > 0 ? -20.0 : 40.0);
}

// Waits for a Moved event of a slew under way.
bool SlewUnderWay(MountEventQueue& events) {
    for (;;) {
        auto e = events.WaitFor({MountEventKind::Moved}, 10s);
        if (!e || e->kind == MountEventKind::Error) return false;
        if (e->status.activity == MountActivity::Slewing) return true;
    }
}

// A server of the test's own, for tests that end it in the middle of a slew.
class OwnServerLinkTest : public LinkTest {
protected:
    // Connects to the server and starts a long slew on it.
    void StartFarSlew(const OwnServer& server) {
        ASSERT_NE(server.port, 0);
        ConnectTo(server.port);
        if (HasFatalFailure()) return;
        link.Goto(FarFrom(link.Status()));
        ASSERT_TRUE(SlewUnderWay(events));
    }
};

TEST_F(LinkTest, AbortInTheMiddleOfASlewStopsTheMount) {
    ConnectTo(SharedServerPort());
    const MountTarget far = FarFrom(link.Status());
    link.Goto(far);
    ASSERT_TRUE(SlewUnderWay(events));
    link.Abort();
    auto e = events.WaitFor({MountEventKind::Aborted}, 5s);
    ASSERT_TRUE(e && e->kind == MountEventKind::Aborted);
    EXPECT_EQ(e->status.message, "Slew aborted");
    // The mount stays short of the target and never reports arriving.
    auto late = events.WaitFor({MountEventKind::Arrived}, 1500ms);
    EXPECT_FALSE(late && late->kind == MountEventKind::Arrived);
    const MountStatus s = link.Status();
    EXPECT_NE(s.activity, MountActivity::Slewing);
    EXPECT_GT(SeparationArcmin(s.raHours, s.decDeg, far.raHoursOfDate, far.decDegOfDate), 60.0);
}

TEST_F(OwnServerLinkTest, ServerKilledInTheMiddleOfASlewIsReported) {
    OwnServer server;
    StartFarSlew(server);
    if (HasFatalFailure()) return;
    server.Kill();
    auto e = events.WaitFor({}, 10s);
    ASSERT_TRUE(e) << "no word within 10 s of the server's end";
    EXPECT_EQ(e->kind, MountEventKind::Error);
    EXPECT_EQ(e->status.message, "Lost the connection to the telescope server at 127.0.0.1:" +
                                     std::to_string(server.port) + " during the slew to Far");
    EXPECT_EQ(e->status.activity, MountActivity::Disconnected);
    EXPECT_FALSE(e->status.havePosition);
}

TEST_F(OwnServerLinkTest, AMountThatFallsSilentInTheMiddleOfASlewIsReported) {
    OwnServer server;
    StartFarSlew(server);
    if (HasFatalFailure()) return;
    server.Freeze();
    auto e = events.WaitFor({}, 10s);
    ASSERT_TRUE(e) << "no word within 10 s of the mount's silence";
    EXPECT_EQ(e->status.message, "\"Telescope Simulator\" stopped answering during the slew to Far");
    EXPECT_EQ(e->status.activity, MountActivity::Disconnected);
}

TEST_F(LinkTest, WrongDeviceAndClosedPortSayWhatIsWrong) {
    const int port = SharedServerPort();
    link.Connect(At(port, "Mount Nobody Has"));
    auto e = events.WaitFor({MountEventKind::Connected}, 10s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->status.message, "No device named \"Mount Nobody Has\" at 127.0.0.1:" +
                                     std::to_string(port) + " (it offers: Telescope Simulator)");

    // A port nothing listens on.
    RefusingPort refusing;
    const int closed = refusing.port;
    ASSERT_NE(closed, 0);
    link.Connect(At(closed));
    e = events.WaitFor({MountEventKind::Connected}, 10s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->status.message, "No telescope server answers at 127.0.0.1:" + std::to_string(closed) +
                                     " (is indiserver running there?)");
    // Commands on a link that is down say so and never wait.
    link.Park();
    e = events.WaitFor({}, 2s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->status.message, "Not connected to a telescope");
}

}  // namespace
