// Seek: bodies first, then stars brightest first, then the deep sky.

#include <gtest/gtest.h>

#include "astro/body_table.h"
#include "astro/angles.h"
#include "catalogue/deep_sky.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/seek.h"

namespace {

class SeekTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Brightest first, as the catalogue keeps them.
        for (auto [name, ra, dec] : {std::tuple{"Marfik", 1.0f, 0.2f}, {"Sirius", 1.77f, -0.29f},
                                     {"Siriusette", 2.0f, 0.5f}}) {
            auto s = std::make_unique<CStar>();
            s->m_strName = name;
            s->m_pos = {.a = ra, .b = dec, .x = 10.0 * ra, .y = 20.0 * dec, .z = -30.0 * ra};
            doc.m_stars.push_back(std::move(s));
        }
        double* mars = FindPlanet(doc.m_planets, "Mars")->m_dPos;
        mars[0] = 1.25e8;
        mars[1] = -2.5e7;
        mars[2] = 3.0000001e8;
        Add("M 31", "NGC 224", "Andromeda", 10.6847, 41.2687);
        Add("M 3", "NGC 5272", "", 205.548, 28.377);
        Add("NGC 1499", "", "California Nebula", 60.825, 36.422);
    }
    void Add(const char* d, const char* other, const char* name, double raDeg, double decDeg) {
        sky.objects.push_back({.designation = d, .other = other, .name = name,
                               .pos = DeepSkyPoint(raDeg * kDegToRad, decDeg * kDegToRad)});
    }
    CLumoDoc doc;
    CDeepSky sky;
};

TEST_F(SeekTest, BodiesComeBeforeStars) {
    SeekResult r = SeekSearch(doc, "mar");  // "Mars" and "Marfik"
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.target, (std::array<float, 3>{1.25e8f, -2.5e7f, 3.0000001e8f}));
    EXPECT_TRUE(r.rightAscension == 0 && r.declination == 0);
    EXPECT_EQ(SeekSearch(doc, "").target, (std::array<float, 3>{0, 0, 0}));  // the Sun, first
}

TEST_F(SeekTest, StarsBrightestFirstInAnyLetterCase) {
    for (const char* text : {"SIRIUS", "iRiU"}) {
        SeekResult r = SeekSearch(doc, text);
        ASSERT_TRUE(r.found) << text;
        EXPECT_EQ(r.rightAscension, 1.77f) << text;  // Sirius, not the fainter Siriusette
        EXPECT_EQ(r.declination, -0.29f);
        // The body-position frame: (-z, y, x) of the sky-frame point.
        EXPECT_EQ(r.target, (std::array<float, 3>{float(30.0 * 1.77f), float(20.0 * -0.29f),
                                                  float(10.0 * 1.77f)}));
    }
    EXPECT_EQ(SeekSearch(doc, "ETTE").rightAscension, 2.0f);
    EXPECT_FALSE(SeekSearch(doc, "Sirius ").found);
}

// Deep-sky objects come after bodies and stars: by designation (spaces and
// letter case ignored, the other designation too) or by part of the name.
TEST_F(SeekTest, DeepSkyDesignationsAndNames) {
    for (const char* text : {"m31", " ngc 224 ", "NGC224", "DROM"}) {
        SeekResult r = SeekSearch(doc, text, &sky);
        ASSERT_TRUE(r.found) << text;
        EXPECT_FLOAT_EQ(r.rightAscension, float(10.6847 * kDegToRad)) << text;
    }
    // A designation is matched whole: "M 3" is not the start of "M 31".
    EXPECT_FLOAT_EQ(SeekSearch(doc, "m3", &sky).rightAscension, float(205.548 * kDegToRad));
    EXPECT_FALSE(SeekSearch(doc, "M 310", &sky).found);
    EXPECT_FLOAT_EQ(SeekSearch(doc, "california", &sky).rightAscension, float(60.825 * kDegToRad));
    // Without the deep sky nothing of it is found; bodies and stars come first.
    EXPECT_FALSE(SeekSearch(doc, "m31").found);
    Add("NGC 9999", "", "Sirius Cloud", 1, 1);
    EXPECT_EQ(SeekSearch(doc, "sirius", &sky).rightAscension, 1.77f);
}

}  // namespace
