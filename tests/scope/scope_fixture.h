#pragma once
// The telescope tests' server: the one CTest started for the run (its port in
// $LUMO_INDI_DIR/port), or one of a test's own, which the test may kill or freeze.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "astro/angles.h"
#include "scope/mount_event_queue.h"
#include "scope/telescope_link.h"
#include "tests/temp_dir.h"

inline int ReadNumber(const std::string& path) {
    int n = 0;
    std::ifstream(path) >> n;
    return n;
}

// The run's server; 0 when CTest did not start one.
inline int SharedServerPort() {
    const char* dir = std::getenv("LUMO_INDI_DIR");
    return dir ? ReadNumber(std::string(dir) + "/port") : 0;
}

// A server of the test's own, ended with the test (or killed by it).
class OwnServer {
public:
    OwnServer() {
        const std::string cmd = "bash " LUMO_SOURCE_DIR "/tests/scope/indi_server.sh start " + m_dir.Path();
        if (std::system(cmd.c_str()) == 0) {
            port = ReadNumber(m_dir.File("port"));
            m_pid = ReadNumber(m_dir.File("pid"));
        }
    }
    ~OwnServer() { Kill(); }
    // Ends the server and its driver at once (no goodbye to the clients).
    void Kill() {
        if (m_pid > 0) kill(-m_pid, SIGKILL);
        m_pid = 0;
    }
    // Stops the server and its driver: they keep their sockets but answer nothing.
    void Freeze() {
        if (m_pid > 0) kill(-m_pid, SIGSTOP);
    }
    int port = 0;

private:
    TempDir m_dir;
    int m_pid = 0;
};

// A loopback port bound but never listening, held so that nothing else takes it.
class RefusingPort {
public:
    RefusingPort() : m_fd(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        if (m_fd >= 0 && bind(m_fd, reinterpret_cast<sockaddr*>(&a), size) == 0 &&
            getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &size) == 0)
            port = ntohs(a.sin_port);
    }
    ~RefusingPort() {
        if (m_fd >= 0) close(m_fd);
    }
    int port = 0;

private:
    int m_fd;
};

// Angle between two places, arc minutes.
inline double SeparationArcmin(double ra1Hours, double dec1Deg, double ra2Hours, double dec2Deg) {
    const double a1 = ra1Hours * 15 * kDegToRad, b1 = dec1Deg * kDegToRad;
    const double a2 = ra2Hours * 15 * kDegToRad, b2 = dec2Deg * kDegToRad;
    const double c = std::sin(b1) * std::sin(b2) + std::cos(b1) * std::cos(b2) * std::cos(a1 - a2);
    return std::acos(std::fmin(1.0, std::fmax(-1.0, c))) * kRadToDeg * 60.0;
}

// Vega's apparent place of date at 2026-12-06 21:00 UT (precession,
// nutation and aberration from its J2000 place; a published check value).
constexpr double kVegaRaHours = 18 + 37 / 60.0 + 49.277 / 3600.0;
constexpr double kVegaDecDeg = 38 + 48 / 60.0 + 29.45 / 3600.0;
constexpr double kCheckJulianDay = 2461381.375;
constexpr double kMadridLatDeg = 40.4168, kMadridLonDeg = -3.7038;

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (SharedServerPort() == 0) GTEST_SKIP() << "no INDI server: run through ctest";
    }
    static MountAddress At(int port, const std::string& device = "Telescope Simulator") {
        return MountAddress{"127.0.0.1", port, device};
    }
    // Connects and waits for the answer.
    void ConnectTo(int port) {
        link.Connect(At(port));
        auto e = events.WaitFor({MountEventKind::Connected}, std::chrono::seconds(10));
        ASSERT_TRUE(e && e->kind == MountEventKind::Connected) << (e ? e->status.message : "no answer");
    }
    MountEventQueue events;
    TelescopeLink link{events.Sink(), LinkTimeouts{std::chrono::milliseconds(2000), std::chrono::milliseconds(3000)}};
};
