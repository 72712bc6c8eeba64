#include <gtest/gtest.h>

#include "astro/body_table.h"
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
            s->m_pos.a = ra;
            s->m_pos.b = dec;
            s->m_pos.x = 10.0 * ra;  // sky frame
            s->m_pos.y = 20.0 * dec;
            s->m_pos.z = -30.0 * ra;
            doc.m_stars.push_back(std::move(s));
        }
        double* mars = FindPlanet(doc.m_planets, "Mars")->m_dPos;
        mars[0] = 1.25e8;
        mars[1] = -2.5e7;
        mars[2] = 3.0000001e8;
    }
    CLumoDoc doc;
};

TEST_F(SeekTest, BodiesComeBeforeStars) {
    SeekResult r = SeekSearch(doc, "mar");  // "Mars" and "Marfik"
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.target, (std::array<float, 3>{1.25e8f, -2.5e7f, 3.0000001e8f}));
    EXPECT_EQ(r.rightAscension, 0);
    EXPECT_EQ(r.declination, 0);
    // An empty text is in every name: the first body, the Sun.
    r = SeekSearch(doc, "");
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.target, (std::array<float, 3>{0, 0, 0}));
}

TEST_F(SeekTest, StarsBrightestFirstInAnyLetterCase) {
    for (const char* text : {"Sirius", "SIRIUS", "sirius", "iRiU"}) {
        SeekResult r = SeekSearch(doc, text);
        ASSERT_TRUE(r.found) << text;
        EXPECT_EQ(r.rightAscension, 1.77f) << text;  // Sirius, not the fainter Siriusette
        EXPECT_EQ(r.declination, -0.29f);
        // The body-position frame: (-z, y, x) of the sky-frame point.
        EXPECT_EQ(r.target, (std::array<float, 3>{float(30.0 * 1.77f), float(20.0 * -0.29f),
                                                  float(10.0 * 1.77f)}));
    }
    EXPECT_EQ(SeekSearch(doc, "ETTE").rightAscension, 2.0f);
    EXPECT_FALSE(SeekSearch(doc, "Vega").found);
    EXPECT_FALSE(SeekSearch(doc, "Sirius ").found);
}

}  // namespace
