#include "sky/hit_table.h"

std::array<int32_t, 2> MarkOf(const std::vector<ScreenMark>& marks, int32_t index) {
    for (const ScreenMark& m : marks)
        if (m.index == index) return {m.x, m.y};
    return {kOffScreen, kOffScreen};
}

const ScreenMark* NearestMark(const std::vector<ScreenMark>& marks, int64_t x, int64_t y,
                              int64_t& best) {
    const ScreenMark* nearest = nullptr;
    for (const ScreenMark& m : marks) {
        const int64_t dx = m.x - x, dy = m.y - y, d = dx * dx + dy * dy;
        if (d < best || (nearest && d == best && m.index < nearest->index)) {
            nearest = &m;
            best = d;
        }
    }
    return nearest;
}
