// Slew targets: names to places for the mount, and the horizon check.

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "scope/mount_text.h"
#include "scope/slew_target.h"
#include "tests/scope/scope_fixture.h"

namespace {

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
    // The catalogue place is J2000; the place of date is where the mount goes.
    EXPECT_NEAR(vega.mount.raHoursJ2000, 18 + 36 / 60.0 + 56.336 / 3600.0, 2e-4);
    EXPECT_LT(SeparationArcmin(vega.mount.raHoursOfDate, vega.mount.decDegOfDate, kVegaRaHours,
                               kVegaDecDeg), 1.0);
    EXPECT_EQ(Find("Moon").mount.rate, TrackRate::Lunar);
    EXPECT_EQ(Find("sun").mount.rate, TrackRate::Solar);
    EXPECT_EQ(Find("Jupit").mount.name, "Jupiter");  // part of a name finds as Seek does
    std::string error;
    EXPECT_FALSE(FindSlewTarget(doc, "Nothing Like It", kCheckJulianDay, error));
    EXPECT_EQ(error, "Nothing is named \"Nothing Like It\"");
    EXPECT_FALSE(FindSlewTarget(doc, "Earth", kCheckJulianDay, error));
}

TEST_F(SlewTargetTest, TargetsBelowTheHorizonAreRefused) {
    // 22:00 in Madrid in December: Vega in the west, the Sun far below.
    EXPECT_EQ(HorizonRefusal(Find("Vega")), "");
    EXPECT_LT(Find("Sun").altitudeDeg, -40);
    SlewTarget t;
    t.mount.name = "Jupiter";
    t.altitudeDeg = -12.3;
    EXPECT_EQ(HorizonRefusal(t), "Jupiter is 12 deg below the horizon");
    t.altitudeDeg = -0.25;
    EXPECT_EQ(HorizonRefusal(t), "Jupiter is 0.2 deg below the horizon");
    t.altitudeDeg = 0;
    EXPECT_EQ(HorizonRefusal(t), "");
}

TEST(MountText, PlacesAndStatesInWords) {
    EXPECT_EQ(FormatRaDec(kVegaRaHours, kVegaDecDeg), "RA 18h37m49.3s Dec +38°48'29\"");
    // Rounding carries into the next field and wraps at 24h.
    EXPECT_EQ(FormatRaDec(23.99999999, -0.99999999), "RA 00h00m00.0s Dec -01°00'00\"");
    MountStatus s;
    s.device = "Telescope Simulator";
    s.target = "Vega";
    s.activity = MountActivity::Slewing;
    EXPECT_EQ(MountStatusText(s, false), "Telescope Simulator: slewing to Vega");
    s.activity = MountActivity::Tracking;
    EXPECT_EQ(MountStatusText(s, false), "Telescope Simulator: tracking");
    s.message = "No telescope server answers at localhost:7624";
    EXPECT_EQ(MountStatusText(s, true), "Telescope: No telescope server answers at localhost:7624");
}

}  // namespace
