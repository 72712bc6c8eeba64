// The telescope link against the simulator on a real INDI server: how a slew ends
// other than by arriving; `lumo telescope` end to end; slew targets and their words.

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "scope/mount_text.h"
#include "scope/slew_target.h"
#include "tests/app/program_run.h"
#include "tests/scope/scope_fixture.h"

namespace {
using namespace std::chrono_literals;

// A place a quarter of the sky away from where the mount points, so a slew takes seconds.
MountTarget FarFrom(const MountStatus& s) {
    MountTarget t;
    t.name = "Far";
    t.raHoursOfDate = t.raHoursJ2000 = std::fmod(s.raHours + 6.0, 24.0);
    t.decDegOfDate = t.decDegJ2000 = s.decDeg > 0 ? -20.0 : 40.0;
    return t;
}

bool SlewUnderWay(MountEventQueue& events) {
    for (;;) {
        auto e = events.WaitFor({MountEventKind::Moved}, 10s);
        if (!e || e->kind == MountEventKind::Error) return false;
        if (e->status.activity == MountActivity::Slewing) return true;
    }
}

// A server of the test's own, ended in the middle of a long slew.
class OwnServerLinkTest : public LinkTest {
protected:
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

    RefusingPort refusing;  // a port nothing listens on
    const int closed = refusing.port;
    link.Connect(At(closed));
    e = events.WaitFor({MountEventKind::Connected}, 10s);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->status.message, "No telescope server answers at 127.0.0.1:" + std::to_string(closed) +
                                     " (is indiserver running there?)");
}

// Madrid at 2026-12-06 21:00 UT.
const std::string kWhenAndWhere = " --time 2026-12-06T21:00:00 --utc --lat 40.4168 --lon -3.7038";

std::string Server() { return "--host 127.0.0.1 --port " + std::to_string(SharedServerPort()); }

// Right ascension (hours) and declination (degrees) of the last
// "RA ..h..m..s Dec ±..°..'..\"" in a text; false when there is none.
bool LastPlace(const std::string& text, double& raHours, double& decDeg) {
    const size_t at = text.rfind("RA ");
    int h, m, d, dm, ds;
    double s;
    char sign;
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "RA %dh%dm%lfs Dec %c%d\xc2\xb0%d'%d\"", &h, &m, &s, &sign, &d,
                    &dm, &ds) != 7)
        return false;
    raHours = h + m / 60.0 + s / 3600.0;
    decDeg = (sign == '-' ? -1 : 1) * (d + dm / 60.0 + ds / 3600.0);
    return true;
}

class TelescopeProgramTest : public LinkTest {};

TEST_F(TelescopeProgramTest, GotoVegaSlewsAndReportsWhereTheMountEnded) {
    ProgramResult r = RunLumo(kLumo, "telescope " + Server() + " --timeout 90 goto Vega" + kWhenAndWhere);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Slewing to Vega: RA 18h37m"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Arrived: Telescope Simulator points at RA"), std::string::npos) << r.out;
    double ra, dec;
    ASSERT_TRUE(LastPlace(r.out, ra, dec)) << r.out;
    EXPECT_LT(SeparationArcmin(ra, dec, kVegaRaHours, kVegaDecDeg), 1.0) << r.out;
}

TEST_F(TelescopeProgramTest, ATargetBelowTheHorizonIsRefused) {
    ProgramResult r = RunLumo(kLumo, "telescope " + Server() + " goto Sun" + kWhenAndWhere);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("lumo telescope: Sun is ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" deg below the horizon; no slew sent"), std::string::npos) << r.err;
}

class SlewTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        CDocFile file;
        ASSERT_EQ(file.Open(doc, JoinPath(LUMO_BIN_DIR, "stars.db")), CDocFile::OpenResult::Loaded);
        doc.m_fLatitude = static_cast<float>(kMadridLatDeg * kDegToRad);
        doc.m_fLongitude = static_cast<float>(kMadridLonDeg * kDegToRad);
    }
    SlewTarget Find(const std::string& name) {
        std::string error;
        auto t = FindSlewTarget(doc, name, kCheckJulianDay, error);
        EXPECT_TRUE(t) << error;
        return t.value_or(SlewTarget{});
    }
    CLumoDoc doc;
};

TEST_F(SlewTargetTest, NamesFindBodiesAndStarsWithTheirTrackingRates) {
    const SlewTarget vega = Find("vega");
    EXPECT_TRUE(vega.mount.name == "Vega" && vega.mount.rate == TrackRate::Sidereal);
    EXPECT_EQ(HorizonRefusal(vega), "");  // 22:00 in Madrid: Vega in the west
    // The catalogue place is kept for mounts that take J2000 (the place of date: GotoVega).
    EXPECT_NEAR(vega.mount.raHoursJ2000, 18 + 36 / 60.0 + 56.336 / 3600.0, 2e-4);
    EXPECT_EQ(Find("Moon").mount.rate, TrackRate::Lunar);
    EXPECT_EQ(Find("sun").mount.rate, TrackRate::Solar);
    EXPECT_EQ(Find("Jupit").mount.name, "Jupiter");  // part of a name finds as Seek does
    std::string error;
    EXPECT_FALSE(FindSlewTarget(doc, "Nothing Like It", kCheckJulianDay, error));
    EXPECT_EQ(error, "Nothing is named \"Nothing Like It\"");
    EXPECT_FALSE(FindSlewTarget(doc, "Earth", kCheckJulianDay, error));
}

// The horizon refusal (the command's: ATargetBelowTheHorizonIsRefused), places
// and the last error in words.
TEST(MountText, RefusalsPlacesAndErrorsInWords) {
    SlewTarget t;
    t.mount.name = "Jupiter";
    t.altitudeDeg = -12.3;
    EXPECT_EQ(HorizonRefusal(t), "Jupiter is 12 deg below the horizon");
    t.altitudeDeg = -0.25;
    EXPECT_EQ(HorizonRefusal(t), "Jupiter is 0.2 deg below the horizon");
    t.altitudeDeg = 0;
    EXPECT_EQ(HorizonRefusal(t), "");
    EXPECT_EQ(FormatRaDec(kVegaRaHours, kVegaDecDeg), "RA 18h37m49.3s Dec +38°48'29\"");
    // Rounding carries into the next field and wraps at 24h.
    EXPECT_EQ(FormatRaDec(23.99999999, -0.99999999), "RA 00h00m00.0s Dec -01°00'00\"");
    // The states in words are the window's (tests/gui_telescope); the last error:
    MountStatus s;
    s.message = "No telescope server answers at localhost:7624";
    EXPECT_EQ(MountStatusText(s, true), "Telescope: No telescope server answers at localhost:7624");
}

}  // namespace
