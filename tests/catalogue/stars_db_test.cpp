// The catalogue the build makes from data/: what it holds and that it loads.

#include <gtest/gtest.h>

#include "catalogue/lumo_doc.h"
#include "framework/file.h"

namespace {

TEST(RealCatalogue, HoldsTheSkyToMagnitude8BrightestFirst) {
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(JoinPath(LUMO_BIN_DIR, "stars.db"), bytes, error)) << error;
    CLumoDoc doc;
    ASSERT_TRUE(doc.LoadFrom(bytes, error)) << error;
    // The source's 8,874 stars to magnitude 6.5, and every one to 8.0.
    size_t nakedEye = 0;
    for (const auto& s : doc.m_stars) nakedEye += s->m_fMagnitude <= 6.5f;
    EXPECT_EQ(nakedEye, 8874u);
    EXPECT_EQ(doc.m_stars[0]->m_strName, "Sirius");
    for (size_t i = 1; i < doc.m_stars.size(); ++i)
        ASSERT_LE(doc.m_stars[i - 1]->m_fMagnitude, doc.m_stars[i]->m_fMagnitude) << i;
    EXPECT_TRUE(doc.m_stars.back()->m_fMagnitude <= 8.0f && doc.m_stars.back()->m_fMagnitude > 7.9f);
    EXPECT_TRUE(doc.m_labels.size() == 88 || doc.m_labels.size() == 89);  // the constellations
}

}  // namespace
