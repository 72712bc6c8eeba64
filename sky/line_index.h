#pragma once
// A coarse index of the sky's line sets (grid, ecliptic, figures, bounds):
// each set cut into groups of consecutive segments that lie close together,
// each group with a ball that holds the chords of its segments, so that a
// paint passes over a group that cannot reach the surface without placing
// its segments. Held by the sky window; a set is indexed again whenever it
// is not the one indexed (another vector, length or end points).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "astro/sky_line.h"

struct LineGroup {
    uint32_t first = 0, end = 0;  // segments first .. end - 1 of the set
    // The ball: centre (Q15, sky frame) and radius (Q15 units). A segment
    // between unit directions lies in the ball of its cap's base circle.
    int32_t x = 0, y = 0, z = 0;
    int32_t radius = 0;
    bool everywhere = false;  // too wide a group: always drawn
};

class LineIndex {
public:
    // The groups of a line set, indexed now unless it is the one indexed.
    const std::vector<LineGroup>& GroupsOf(const std::vector<CSkyLine>& lines);

private:
    struct Set {
        const void* data = nullptr;
        std::vector<int32_t> ends;  // X, Y, Z of each segment's start and end
        std::vector<LineGroup> groups;
    };
    std::vector<Set> m_sets;
};

