// The catalogue the build makes from data/: what it holds and that it loads.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"

namespace {

class RealCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ReadWholeFile(JoinPath(LUMO_BIN_DIR, "stars.db"), bytes, error)) << error;
        doc = new CLumoDoc;
        ASSERT_TRUE(doc->LoadFrom(bytes, error)) << error;
    }
    static void TearDownTestSuite() { delete doc; }
    static const CStar* Find(const std::string& name) {
        for (const auto& s : doc->m_stars)
            if (s->m_strName == name) return s.get();
        return nullptr;
    }
    static CLumoDoc* doc;
};
CLumoDoc* RealCatalogue::doc = nullptr;

TEST_F(RealCatalogue, HoldsTheSkyToMagnitude8BrightestFirst) {
    // The source's 8,874 stars to magnitude 6.5, and every one to 8.0.
    size_t nakedEye = 0;
    for (const auto& s : doc->m_stars) nakedEye += s->m_fMagnitude <= 6.5f;
    EXPECT_EQ(nakedEye, 8874u);
    EXPECT_EQ(doc->m_stars[0]->m_strName, "Sirius");
    for (size_t i = 1; i < doc->m_stars.size(); ++i)
        ASSERT_LE(doc->m_stars[i - 1]->m_fMagnitude, doc->m_stars[i]->m_fMagnitude) << i;
    EXPECT_TRUE(doc->m_stars.back()->m_fMagnitude <= 8.0f && doc->m_stars.back()->m_fMagnitude > 7.9f);
    EXPECT_TRUE(doc->m_labels.size() == 88 || doc->m_labels.size() == 89);  // the constellations
}

TEST_F(RealCatalogue, StarsCarryNamesTypesAndConsistentPoints) {
    EXPECT_EQ(Find("Vega")->m_cType, 'A');
    EXPECT_EQ(Find("Betelgeuse")->m_cType, 'M');
    // The Q15 direction agrees with the Cartesian position and the angles:
    // the sky frame has x to 0h, y to the pole, z to 18h.
    for (const auto& s : doc->m_stars) {
        const SkyPoint& p = s->m_pos;
        double r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
        ASSERT_NEAR(r, 149597900000.0, 1.0);
        ASSERT_NEAR(p.X, 32768.0 * p.x / r, 1.0);
        ASSERT_NEAR(p.Z, -32768.0 * std::cos(p.b) * std::sin(p.a), 2.0);
        ASSERT_TRUE(p.a >= 0.0f && p.a < 6.2832f);
    }
}

}  // namespace
