// The telescope link against the telescope simulator on a real INDI server.

#include <gtest/gtest.h>

#include <thread>

#include "astro/angles.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "scope/slew_target.h"
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

TEST_F(LinkTest, SlewToVegaArrivesOnItsApparentPlaceOfDate) {
    CLumoDoc doc;
    CDocFile file;
    ASSERT_EQ(file.Open(doc, JoinPath(LUMO_BIN_DIR, "stars.db")), CDocFile::OpenResult::Loaded);
    doc.m_fLatitude = static_cast<float>(kMadridLatDeg * kDegToRad);
    doc.m_fLongitude = static_cast<float>(kMadridLonDeg * kDegToRad);
    std::string error;
    auto vega = FindSlewTarget(doc, "Vega", kCheckJulianDay, error);
    ASSERT_TRUE(vega) << error;

    ConnectTo(SharedServerPort());
    link.Goto(vega->mount);
    int moves = 0;
    auto e = events.WaitFor({MountEventKind::Arrived}, 60s, [&](const MountEvent& m) {
        moves += m.kind == MountEventKind::Moved;
    });
    ASSERT_TRUE(e) << "no arrival within 60 s";
    ASSERT_EQ(e->kind, MountEventKind::Arrived) << e->status.message;
    EXPECT_GT(moves, 0) << "the position is reported while the mount slews";
    EXPECT_EQ(e->status.message, "Arrived at Vega");
    EXPECT_EQ(e->status.frame, MountFrame::OfDate);
    EXPECT_LT(SeparationArcmin(e->status.raHours, e->status.decDeg, kVegaRaHours, kVegaDecDeg), 1.0)
        << "mount at " << e->status.raHours << "h " << e->status.decDeg << " deg";
}

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
