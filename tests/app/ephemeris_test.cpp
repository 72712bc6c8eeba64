// `lumo ephemeris` as a user runs it.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "tests/app/program_run.h"

namespace fs = std::filesystem;

namespace {

// The place is the catalogue's unless given, and the catalogue is never
// saved. A --time is local unless --utc (the zone rules are the astro
// layer's); --utc alone means the present instant, not the local clock
// reading taken as UT.
TEST(Ephemeris, PlaceAndTimeButNeverASave) {
    TempDir folder;
    std::string program = folder.File("lumo");
    fs::copy_file(kLumo, program);
    // No stars.db: the initial place, a warning, and still no file afterwards.
    ProgramResult r = RunLumo(program, "ephemeris --time 2021-07-15T12:00:00");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("UT 2021-07-15T10:00:00"), std::string::npos) << r.out;  // summer time
    EXPECT_NE(r.out.find("latitude 42.0000 deg\tlongitude -3.0000 deg"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("initial place"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(folder.File("stars.db")));
    // With the real catalogue: its saved place, and the file is left untouched.
    fs::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), folder.File("stars.db"));
    auto before = fs::last_write_time(folder.File("stars.db"));
    const char* now = "2026-12-07 00:30:00";  // Madrid: 23:30 UT the day before
    for (const std::string zone : {"", " --utc"}) {
        r = RunLumo(program, "ephemeris" + zone, now);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_NE(r.out.find("UT 2026-12-06T23:30"), std::string::npos) << zone << r.out;
    }
    EXPECT_EQ(fs::last_write_time(folder.File("stars.db")), before);
}

// Minutes after midnight of an "HH:MM" cell.
int Minutes(const std::string& hhmm) {
    if (hhmm.size() != 5 || hhmm[2] != ':') return -1;
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
}

// The winter solstice at Madrid, in local time (TZ Europe/Madrid): the Sun
// culminates at 90 - 40.42 - 23.44 = 26.1 degrees, rises about 08:34 and
// sets about 17:51 (the usual almanac figures for Madrid at the winter
// solstice; three minutes allowed); the Moon and the planets follow, then
// the twilights and the night. The polar night and the UT day are the lower
// layers'.
TEST(Ephemeris, EventsOfADayAtMadrid) {
    ProgramResult r = RunLumo(kLumo, "ephemeris --events --time 2026-12-21T12:00:00 "
                                     "--lat 40.4168 --lon -3.7038");
    ASSERT_EQ(r.status, 0) << r.err;
    auto rows = Rows(r.out);
    ASSERT_EQ(rows.size(), 15u) << r.out;
    EXPECT_EQ(rows[0], (std::vector<std::string>{"body", "rise", "transit", "altitude (deg)", "set"}));
    for (size_t i = 1; i <= 10; ++i) ASSERT_EQ(rows[i].size(), 5u) << i;  // the bodies
    const auto& sun = rows[1];
    EXPECT_EQ(sun[0], "Sun");
    EXPECT_NEAR(Minutes(sun[1]), 8 * 60 + 34, 3) << sun[1];
    EXPECT_NEAR(std::stod(sun[3]), 26.1, 0.15);
    EXPECT_NEAR(Minutes(sun[4]), 17 * 60 + 51, 3) << sun[4];
    EXPECT_EQ(rows[11], (std::vector<std::string>{"civil twilight", rows[11][1], rows[11][2]}));
    // The night: the day's 24 hours less the Sun's time above the horizon.
    ASSERT_EQ(rows[14].size(), 2u);
    int h = 0, m = 0;
    ASSERT_EQ(std::sscanf(rows[14][1].c_str(), "%dh %dm", &h, &m), 2) << rows[14][1];
    EXPECT_NEAR(h * 60 + m, 1440 - (Minutes(sun[4]) - Minutes(sun[1])), 1);
}

// The bodies' places are the astro layer's; here the table, its stars, and
// the astrometric places that only the program makes.
TEST(Ephemeris, BodiesStarsAndAstrometricPlaces) {
    const std::string when = "ephemeris --time 2026-12-06T21:00:00 --utc --lat 40.4 --lon -3.7";
    ProgramResult apparent = RunLumo(kLumo, when + " --stars Vega,sirius");
    ASSERT_EQ(apparent.status, 0) << apparent.err;
    auto rows = Rows(apparent.out);
    ASSERT_EQ(rows.size(), 27u) << apparent.out;
    EXPECT_EQ(rows[0][0], "JD 2461381.375000");
    for (size_t i = 1; i < rows.size(); ++i) ASSERT_EQ(rows[i].size(), 6u) << i;
    // The Earth's centre lies one radius straight below the eye.
    EXPECT_EQ(rows[5][0], "Earth");
    EXPECT_EQ(rows[5][3], "6378.1");
    EXPECT_EQ(rows[5][4], "-90.0000");
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
