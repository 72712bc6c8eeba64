#pragma once
// The hit table: where the latest paint of a sky window drew each star, body
// and deep-sky object, which a tap is compared with. Each window keeps its
// own; its paint empties it and fills it, its HitTest reads it. What a paint
// does not draw is not in it, so only what is on the screen can be tapped.
//
// A mark's x is in surface pixels (the host shows the surface BlitX pixels
// right of the client's left edge), its y in window pixels (down from the
// top: y_window = Height - y_surface).

#include <array>
#include <cstdint>
#include <vector>

#include "engine/surface.h"

// The position reported for what the latest paint did not draw: far outside
// any surface (a large window on a dense screen is thousands of pixels
// wide), so no tap can reach it.
constexpr int32_t kOffScreen = 1 << 20;
static_assert(kOffScreen > 4 * kMaxSurfaceSide);

// One drawn object: its index in its list and where it landed.
struct ScreenMark {
    int32_t index;  // in the document's stars or bodies, or the deep sky's objects
    int32_t x, y;
};

struct HitTable {
    std::vector<ScreenMark> bodies;   // indices in the document's m_planets
    std::vector<ScreenMark> stars;    // indices in the document's m_stars
    std::vector<ScreenMark> deepSky;  // indices in the deep sky's objects

    void Clear() {
        bodies.clear();
        stars.clear();
        deepSky.clear();
    }
};

// Where the object of that index was drawn, {x, y}, or
// {kOffScreen, kOffScreen} when the latest paint did not draw it.
std::array<int32_t, 2> MarkOf(const std::vector<ScreenMark>& marks, int32_t index);

// The mark nearest to the point (x, y), in the marks' pixels, at a squared
// distance strictly below best (which then becomes that distance); of marks
// equally near, the one of the lowest index. Null when none is that near.
const ScreenMark* NearestMark(const std::vector<ScreenMark>& marks, int64_t x, int64_t y,
                              int64_t& best);
