#include "framework/line_walk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int32_t, int32_t>>;

Pixels Walked(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t w, int32_t h) {
    Pixels pixels;
    WalkLine(x0, y0, x1, y1, w, h, [&](int32_t x, int32_t y) {
        EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << x << "," << y;
        pixels.insert({x, y});
    });
    return pixels;
}

TEST(LineWalkTest, SimpleLines) {
    EXPECT_EQ(Walked(5, 5, 5, 5, 10, 10), (Pixels{{5, 5}}));
    EXPECT_EQ(Walked(6, 6, 2, 2, 10, 10), (Pixels{{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}));
    EXPECT_EQ(Walked(0, 0, 4, 2, 10, 10), (Pixels{{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 2}}));
    // An even major length with an odd minor length: both walkers' middle pixels.
    EXPECT_EQ(Walked(0, 0, 2, 1, 10, 10), (Pixels{{0, 0}, {1, 0}, {1, 1}, {2, 1}}));
}

TEST(LineWalkTest, ReverseGivesTheSamePixelsAndStaysOnTheLine) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> c(-20, 80);
    for (int n = 0; n < 2000; ++n) {
        const int32_t x0 = c(rng), y0 = c(rng), x1 = c(rng), y1 = c(rng);
        const Pixels forward = Walked(x0, y0, x1, y1, 64, 48);
        ASSERT_EQ(forward, Walked(x1, y1, x0, y0, 64, 48)) << x0 << "," << y0 << " " << x1 << "," << y1;
        const double dx = x1 - x0, dy = y1 - y0;  // within half a pixel along the minor axis
        for (const auto& [x, y] : forward) {
            const double off = std::fabs(dx) > std::fabs(dy) ? y - (y0 + dy * (x - x0) / dx) : x - (x0 + dx * (y - y0) / dy);
            ASSERT_LE(std::fabs(off), 0.5 + 1e-9);
        }
    }
}

TEST(LineWalkTest, ClippingKeepsThePixelsOfTheWholeLine) {
    // A line walked on a surface large enough to hold it, cut down to a
    // window, gives the pixels of the same line walked on the window alone.
    std::mt19937 rng(11);
    for (int n = 0; n < 1100; ++n) {
        const int32_t reach = n < 1000 ? 300 : 20000;
        std::uniform_int_distribution<int32_t> c(-reach, reach + 100);
        const int32_t x0 = c(rng), y0 = c(rng), x1 = c(rng), y1 = c(rng), side = 2 * reach + 200;
        Pixels cut;
        for (auto [x, y] : Walked(x0 + reach, y0 + reach, x1 + reach, y1 + reach, side, side))
            if (x >= reach && x < reach + 100 && y >= reach && y < reach + 70) cut.insert({x - reach, y - reach});
        ASSERT_EQ(Walked(x0, y0, x1, y1, 100, 70), cut) << x0 << "," << y0 << " " << x1 << "," << y1;
    }
    Pixels diagonal;  // ends at the limits of 32 bits
    for (int32_t i = 0; i < 30; ++i) diagonal.insert({i, i});
    EXPECT_EQ(Walked(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, 40, 30), diagonal);
    EXPECT_EQ(Walked(INT32_MIN, 3, INT32_MAX, 3, 40, 30).size(), 40u);
}

// The pixels SetLinePixels writes into a w x h buffer, rows top-down in
// memory or bottom-up, with a guard byte beyond each row that must stay clear.
Pixels Written(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t w, int32_t h, bool bottomUp) {
    const int32_t stride = w + 1;
    std::vector<uint8_t> bytes(static_cast<size_t>(stride * h), 0);
    uint8_t* row0 = bottomUp ? bytes.data() + (h - 1) * stride : bytes.data();
    SetLinePixels(x0, y0, x1, y1, w, h, row0, bottomUp ? -stride : stride, 7);
    Pixels pixels;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < stride; ++x)
            if (row0[static_cast<ptrdiff_t>(y) * (bottomUp ? -stride : stride) + x]) pixels.insert({x, y});
    return pixels;
}

TEST(LineWalkTest, SetPixelsMatchesTheWalkInEitherRowOrder) {
    std::mt19937 rng(13);
    std::uniform_int_distribution<int32_t> near(-120, 180), far(INT32_MIN, INT32_MAX);
    for (int n = 0; n < 1500; ++n) {
        // Ends near the buffer, far off it, and at the limits of 32 bits.
        auto pick = [&](int k) { return n % k == 0 ? far(rng) : near(rng); };
        const int32_t x0 = pick(3), y0 = pick(4), x1 = pick(5), y1 = pick(7);
        const Pixels expected = Walked(x0, y0, x1, y1, 60, 40);
        ASSERT_EQ(Written(x0, y0, x1, y1, 60, 40, false), expected) << x0 << "," << y0 << " " << x1 << "," << y1;
        ASSERT_EQ(Written(x0, y0, x1, y1, 60, 40, true), expected) << x0 << "," << y0 << " " << x1 << "," << y1;
    }
}

}  // namespace
