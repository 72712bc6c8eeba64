#include "engine/outline.h"

#include <algorithm>

#include "engine/two_end_step.h"

namespace {

constexpr int64_t kCoordinateLimit = int64_t{1} << 30;  // keeps x clear of NoCrossing

void GrowDirtyRange(Surface& s, int32_t y) {
    const int32_t row = std::clamp(y, 0, s.Height - 1);
    s.DirtyTop = std::min(s.DirtyTop, row);
    s.DirtyBottom = std::max(s.DirtyBottom, row);
}

// Records crossing x (and its light value, when shade is given) in a row.
void Record(EdgePair& edge, EdgePair* shade, int32_t x, int32_t light) {
    if (edge.Left < x) {
        edge.Right = x;
        if (shade) shade->Right = light;
    } else if (edge.Left != x) {
        edge.Right = edge.Left;
        edge.Left = x;
        if (shade) {
            shade->Right = shade->Left;
            shade->Left = light;
        }
    }
}

int32_t LimitLight(int32_t value, int32_t other) {
    auto inside = [](int32_t v) { return v >= -kLightLimit && v <= kLightLimit; };
    if (inside(value)) return value;
    return inside(other) ? other : 0;
}

// Walks the edge (x0, y0) - (x1, y1) into the tables; light values are
// carried when shaded.
void WalkEdge(Surface& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int32_t s0, int32_t s1,
              bool shaded) {
    if (!s.EdgeTable || s.Height <= 0) return;
    if (y0 > y1) {  // the end with the smaller y walks down the rows
        std::swap(x0, x1);
        std::swap(y0, y1);
        std::swap(s0, s1);
    }
    x0 = std::clamp(x0, -kCoordinateLimit, kCoordinateLimit);
    x1 = std::clamp(x1, -kCoordinateLimit, kCoordinateLimit);
    const int64_t dy = y1 - y0;
    // The top walker takes steps 0..dy/2 (rows y0 + i), the bottom one steps
    // 0..(dy-1)/2 (rows y1 - i), so each row is visited once; a horizontal
    // edge has both walkers on its row.
    const int64_t topLast = dy / 2, bottomLast = dy == 0 ? 0 : (dy - 1) / 2;
    const int64_t height = s.Height;
    const int64_t topFirst = std::max<int64_t>(0, -y0), topEnd = std::min(topLast, height - 1 - y0);
    const int64_t bottomFirst = std::max<int64_t>(0, y1 - (height - 1)),
                  bottomEnd = std::min(bottomLast, y1);
    const bool topSeen = topFirst <= topEnd, bottomSeen = bottomFirst <= bottomEnd;
    if (!topSeen && !bottomSeen) return;
    // Both walkers stay near the edge's middle while on the surface, so the
    // steps between their visible ranges are few.
    int64_t first = topSeen ? topFirst : bottomFirst, last = topSeen ? topEnd : bottomEnd;
    if (topSeen && bottomSeen) {
        first = std::min(topFirst, bottomFirst);
        last = std::max(topEnd, bottomEnd);
    }

    TwoEndStep x, light;
    x.Init(x0, x1, dy, first);
    if (shaded) light.Init(s0, s1, dy, first);
    for (int64_t i = first; i <= last; ++i) {
        if (i >= topFirst && i <= topEnd) {
            const int64_t row = y0 + i;
            Record(s.EdgeTable[row], shaded ? &s.ShadeEdgeTable[row] : nullptr,
                   static_cast<int32_t>(x.Front), static_cast<int32_t>(light.Front));
        }
        if (i >= bottomFirst && i <= bottomEnd) {
            const int64_t row = y1 - i;
            Record(s.EdgeTable[row], shaded ? &s.ShadeEdgeTable[row] : nullptr,
                   static_cast<int32_t>(x.Back), static_cast<int32_t>(light.Back));
        }
        x.Step();
        if (shaded) light.Step();
    }
}

}  // namespace

void OutlineReset(Surface& s) {
    if (s.EdgeTable && s.Height > 0) {
        const int32_t first = std::max(s.DirtyTop, 0), last = std::min(s.DirtyBottom, s.Height - 1);
        for (int32_t y = first; y <= last; ++y) {
            s.EdgeTable[y] = EdgePair{NoCrossing, NoCrossing};
            s.ShadeEdgeTable[y] = EdgePair{NoCrossing, NoCrossing};
        }
    }
    s.DirtyTop = s.Height;
    s.DirtyBottom = -1;
}

void EdgeTo(Surface& s, int32_t x, int32_t y) {
    WalkEdge(s, s.PenX, s.PenY, x, y, 0, 0, false);
    s.PenX = x;
    s.PenY = y;
    if (s.Height > 0) GrowDirtyRange(s, y);
}

void ShadedEdgeTo(Surface& s, int32_t x, int32_t y, int32_t s0, int32_t s1) {
    WalkEdge(s, s.PenX, s.PenY, x, y, LimitLight(s0, s1), LimitLight(s1, s0), true);
    s.PenX = x;
    s.PenY = y;
    if (s.Height > 0) GrowDirtyRange(s, y);
}

OutlineRows DirtyRows(const Surface& s) {
    return OutlineRows{std::max(s.DirtyTop, 0), std::min(s.DirtyBottom, s.Height - 1)};
}

bool ClippedSpan(const Surface& s, int32_t y, int32_t& left, int32_t& right) {
    const EdgePair& e = s.EdgeTable[y];
    if (e.Right == NoCrossing) return false;
    left = std::max(e.Left, 0);
    right = std::min(e.Right, s.Stride - 1);
    return left < right;
}
