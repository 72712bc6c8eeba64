// The view options: the magnitude sliders and the stored view mode.

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

}  // namespace
