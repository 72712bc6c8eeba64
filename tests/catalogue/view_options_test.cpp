#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/lumo_doc.h"
#include "catalogue/view_options.h"

namespace {

TEST(ViewOptions, SlidersShowTenthsAndGiveWholeMagnitudes) {
    const std::pair<float, int> positions[] = {
        {10000, 80},  // the initial limit
        {6.59f, 65}, {-0.09f, 0},  // truncated toward zero
        {-5, -10}, {3e38f, 80}, {-3e38f, -10}, {std::nanf(""), -10}};  // beyond any integer, no number
    for (auto [limit, position] : positions) EXPECT_EQ(MagnitudeSliderPosition(limit), position) << limit;
    EXPECT_EQ(MagnitudeLimitOf(-10), -1.0f);
    for (int p = -9; p <= 9; ++p) EXPECT_EQ(MagnitudeLimitOf(p), 0.0f) << p;
    EXPECT_EQ(MagnitudeLimitOf(65), 6.0f);
}

TEST(ViewOptions, EachSwitchReachesItsOwnFlag) {
    using Flag = bool ViewOptions::*;
    using Field = int32_t CLumoDoc::*;
    const std::pair<Flag, Field> pairs[] = {
        {&ViewOptions::grid, &CLumoDoc::m_bGrid},
        {&ViewOptions::ecliptic, &CLumoDoc::m_bEcliptic},
        {&ViewOptions::localHorizon, &CLumoDoc::m_bHorizon},
        {&ViewOptions::ground, &CLumoDoc::m_bGround},
        {&ViewOptions::figures, &CLumoDoc::m_bFigures},
        {&ViewOptions::constNames, &CLumoDoc::m_bConstNames},
        {&ViewOptions::bounds, &CLumoDoc::m_bBounds},
        {&ViewOptions::deepSky, &CLumoDoc::m_bDeepSky},
        {&ViewOptions::milkyWay, &CLumoDoc::m_bMilkyWay},
    };
    for (const auto& [flag, field] : pairs) {
        CLumoDoc doc;
        ViewOptions o;
        o.*flag = true;
        ApplyViewOptions(doc, o);
        for (const auto& [otherFlag, other] : pairs) EXPECT_EQ(doc.*other, other == field ? 1 : 0);
        EXPECT_TRUE(ReadViewOptions(doc).*flag);
        EXPECT_EQ(doc.m_nViewMode, 0);  // Equatorial
    }
    // Any non-zero stored mode opens as Horizon and is written back as 1.
    CLumoDoc doc;
    doc.m_nViewMode = 7;
    ApplyViewOptions(doc, ReadViewOptions(doc));
    EXPECT_EQ(doc.m_nViewMode, 1);
}

}  // namespace
