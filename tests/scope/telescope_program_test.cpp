// `lumo telescope` end to end: the built program against the simulator.

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/app/program_run.h"
#include "tests/scope/scope_fixture.h"

namespace {

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

    r = RunLumo(kLumo, "telescope " + Server() + " where");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(LastPlace(r.out, ra, dec)) << r.out;
    EXPECT_LT(SeparationArcmin(ra, dec, kVegaRaHours, kVegaDecDeg), 1.0) << r.out;
}

TEST_F(TelescopeProgramTest, ATargetBelowTheHorizonIsRefused) {
    ProgramResult r = RunLumo(kLumo, "telescope " + Server() + " goto Sun" + kWhenAndWhere);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("lumo telescope: Sun is "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(" deg below the horizon; no slew sent"), std::string::npos) << r.err;
}

}  // namespace
