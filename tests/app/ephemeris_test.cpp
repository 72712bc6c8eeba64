// `lumo ephemeris` as a user runs it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

TEST(Ephemeris, J2000AtTheEquatorOnGreenwich) {
    ProgramResult r = RunLumo(kLumo, "ephemeris --time 2000-01-01T12:00:00 --utc --lat 0 --lon 0");
    ASSERT_EQ(r.status, 0) << r.err;
    auto rows = Rows(r.out);
    ASSERT_EQ(rows.size(), 25u) << r.out;
    EXPECT_EQ(rows[0][0], "JD 2451545.000000");
    for (size_t i = 1; i < rows.size(); ++i) ASSERT_EQ(rows[i].size(), 6u) << i;
    // The positions are the astro layer's: here the Sun's row, in the
    // columns, and near the meridian at noon.
    EXPECT_EQ(rows[2][0], "Sun");
    EXPECT_NEAR(std::stod(rows[2][1]), 18.75, 0.01);  // RA 18h 45m
    EXPECT_NEAR(std::stod(rows[2][4]), 67.0, 0.2);
    // The Earth's centre lies one radius straight below the eye.
    EXPECT_EQ(rows[5][3], "6378.1");
    EXPECT_EQ(rows[5][4], "-90.0000");
}

// A --time is local unless --utc (the zone rules are the astro layer's);
// --utc alone means the present instant, not the local clock reading taken
// as UT.
TEST(Ephemeris, LocalTimesAndUniversalTime) {
    const std::string madrid = " --lat 40 --lon -3.7";
    ProgramResult summer = RunLumo(kLumo, "ephemeris --time 2021-07-15T12:00:00" + madrid);
    ProgramResult utc = RunLumo(kLumo, "ephemeris --time 2021-07-15T10:00:00 --utc" + madrid);
    ASSERT_EQ(summer.status, 0) << summer.err;
    EXPECT_EQ(summer.out, utc.out);
    EXPECT_NE(summer.out.find("UT 2021-07-15T10:00:00"), std::string::npos) << summer.out;
    const char* now = "2026-12-07 00:30:00";  // Madrid: 23:30 UT the day before
    for (const char* zone : {"", " --utc"}) {
        ProgramResult r = RunLumo(kLumo, "ephemeris" + madrid + zone, now);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("UT 2026-12-06T23:30"), std::string::npos) << zone << r.out;
    }
}

TEST(Ephemeris, ReadsThePlaceButNeverSavesTheCatalogue) {
    TempDir folder;
    std::string program = folder.File("lumo");
    fs::copy_file(kLumo, program);
    // No stars.db: the initial place, a warning, and still no file afterwards.
    ProgramResult r = RunLumo(program, "ephemeris --time 2000-01-01T00:00:00");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("latitude 42.0000 deg\tlongitude -3.0000 deg"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("initial place"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(folder.File("stars.db")));
    // With the real catalogue: its saved place, and the file is left untouched.
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), folder.File("stars.db"));
    auto before = fs::last_write_time(folder.File("stars.db"));
    r = RunLumo(program, "ephemeris", "2026-12-07 00:30:00");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(fs::last_write_time(folder.File("stars.db")), before);
}

// Minutes after midnight of an "HH:MM" cell.
int Minutes(const std::string& hhmm) {
    if (hhmm.size() != 5 || hhmm[2] != ':') return -1;
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
}

// The rows of `lumo ephemeris --events` on the day of 2026 December 21 at
// Madrid, with one more option.
std::vector<std::vector<std::string>> SolsticeEvents(const std::string& more = "") {
    ProgramResult r = RunLumo(kLumo, "ephemeris --events --time 2026-12-21T12:00:00 "
                                     "--lat 40.4168 --lon -3.7038" + more);
    EXPECT_EQ(r.status, 0) << r.err;
    auto rows = Rows(r.out);
    EXPECT_EQ(rows.size(), 15u) << r.out;
    if (rows.size() != 15u) rows.assign(15, std::vector<std::string>(5, "?"));
    return rows;
}

// The winter solstice at Madrid, in local time (TZ Europe/Madrid): the Sun
// culminates at 90 - 40.42 - 23.44 = 26.1 degrees, rises about 08:34 and
// sets about 17:51 (the usual almanac figures for Madrid at the winter
// solstice; three minutes allowed); the Moon and the planets follow, then
// the twilights and the night. The polar night is the astro layer's.
TEST(Ephemeris, EventsOfADayAtMadrid) {
    auto rows = SolsticeEvents();
    EXPECT_EQ(rows[0], (std::vector<std::string>{"body", "rise", "transit", "altitude (deg)", "set"}));
    for (size_t i = 1; i <= 10; ++i) ASSERT_EQ(rows[i].size(), 5u) << i;  // the bodies
    const auto& sun = rows[1];
    EXPECT_EQ(sun[0], "Sun");
    EXPECT_NEAR(Minutes(sun[1]), 8 * 60 + 34, 3) << sun[1];
    EXPECT_NEAR(std::stod(sun[3]), 26.1, 0.15);
    EXPECT_NEAR(Minutes(sun[4]), 17 * 60 + 51, 3) << sun[4];
    EXPECT_EQ(rows[11], (std::vector<std::string>{"civil twilight", rows[11][1], rows[11][2]}));
    EXPECT_EQ(rows[13][0], "astronomical twilight");
    // The night: the day's 24 hours less the Sun's time above the horizon.
    ASSERT_EQ(rows[14].size(), 2u);
    int h = 0, m = 0;
    ASSERT_EQ(std::sscanf(rows[14][1].c_str(), "%dh %dm", &h, &m), 2) << rows[14][1];
    EXPECT_NEAR(h * 60 + m, 1440 - (Minutes(sun[4]) - Minutes(sun[1])), 1);
    // In UT the same day is an hour earlier on the clock.
    EXPECT_NEAR(Minutes(SolsticeEvents(" --utc")[1][1]), Minutes(sun[1]) - 60, 1);
}

TEST(Ephemeris, StarsAndAstrometricPlaces) {
    const std::string when = "ephemeris --time 2026-12-06T21:00:00 --utc --lat 40.4 --lon -3.7";
    ProgramResult apparent = RunLumo(kLumo, when + " --stars Vega,sirius");
    ASSERT_EQ(apparent.status, 0) << apparent.err;
    auto rows = Rows(apparent.out);
    ASSERT_EQ(rows.size(), 27u) << apparent.out;
    // The data sheet's apparent place of Vega, 18h37m49.277s +38 48' 29.45"
    // (Sirius's and the others' are the apparent-place test's).
    ASSERT_EQ(rows[25][0], "Vega");
    EXPECT_NEAR(std::stod(rows[25][1]), 18.630355, 3e-5);
    EXPECT_NEAR(std::stod(rows[25][2]), 38.808181, 3e-4);
    EXPECT_EQ(rows[26][0], "Sirius");  // a name ignoring case
    // Astrometric: the catalogue's own J2000 place for a star, and bodies
    // moved back by the 26.9 years of precession (about 22').
    ProgramResult astrometric = RunLumo(kLumo, when + " --stars Vega --astrometric");
    ASSERT_EQ(astrometric.status, 0) << astrometric.err;
    auto j2000 = Rows(astrometric.out);
    ASSERT_EQ(j2000.size(), 26u);
    EXPECT_NE(astrometric.out.find("astrometric J2000"), std::string::npos);
    EXPECT_NEAR(std::stod(j2000[25][1]), 18.615647, 2e-6);  // 279.23470 deg
    EXPECT_EQ(j2000[25][4], rows[25][4]);  // altitude stays where the star is seen
    for (size_t i = 2; i < 25; ++i) {
        if (rows[i][0] == "Earth") continue;
        const double dRa = std::fabs(std::stod(rows[i][1]) - std::stod(j2000[i][1])) * 15;
        EXPECT_GT(dRa, 0.1) << rows[i][0];
        EXPECT_LT(dRa, 0.6) << rows[i][0];
    }
}

}  // namespace
