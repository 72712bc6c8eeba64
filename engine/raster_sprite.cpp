#include "engine/raster_sprite.h"

#include <algorithm>
#include <cstddef>

#include "engine/object.h"
#include "engine/outline.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/trig_tables.h"
#include "engine/two_end_step.h"

namespace {

constexpr int64_t kCoordinateLimit = int64_t{1} << 30;

// cx + (s * d) >> 7, kept inside the 32-bit coordinate range.
int32_t Corner(int32_t centre, int64_t s, int32_t d) {
    return static_cast<int32_t>(
        std::clamp(centre + ((s * d) >> 7), -kCoordinateLimit, kCoordinateLimit));
}

}  // namespace

void DrawSprite(Surface& surf, int32_t cx, int32_t cy, int32_t s, int32_t a, int32_t k,
                const TextureImage& image) {
    if (s <= 0 || !image.Usable() || !surf.RowBase || !surf.EdgeTable) return;
    k = std::clamp(k, 1, 14);
    // The square's outline, corners turned by a (128 stands for 1.0).
    a &= 255;  // a whole number of turns changes nothing
    const int32_t c = Cos(a * 128) >> 8, n = Sin(a * 128) >> 8;
    OutlineReset(surf);
    MoveTo(surf, Corner(cx, s, n - c), Corner(cy, s, -(c + n)));
    EdgeTo(surf, Corner(cx, s, n + c), Corner(cy, s, n - c));
    EdgeTo(surf, Corner(cx, s, c - n), Corner(cy, s, c + n));
    EdgeTo(surf, Corner(cx, s, -(n + c)), Corner(cy, s, c - n));
    EdgeTo(surf, Corner(cx, s, n - c), Corner(cy, s, -(c + n)));

    // Texel steps per pixel, turned back by a, in 1/256 texel.
    const int64_t cb = Cos(-a * 128) >> 8, nb = Sin(-a * 128) >> 8;
    const int64_t pu = (cb << k) / s, qu = -(nb << k) / s, pv = (nb << k) / s, qv = (cb << k) / s;
    const int64_t middle = (int64_t{1} << (k - 1)) - 1;
    const int64_t maxU = std::min<int64_t>((int64_t{1} << k) - 1, image.Width - 1);
    const int64_t maxV = std::min<int64_t>((int64_t{1} << k) - 1, image.Height - 1);
    auto texelU = [&](int64_t x, int64_t y) {
        return std::clamp((((y - cy) * qu) >> 8) + (((x - cx) * pu) >> 8) + middle, int64_t{0},
                          maxU);
    };
    auto texelV = [&](int64_t x, int64_t y) {
        return std::clamp((((y - cy) * qv) >> 8) + (((x - cx) * pv) >> 8) + middle, int64_t{0},
                          maxV);
    };

    for (int32_t y = std::max(surf.DirtyTop, 0); y < surf.DirtyBottom; ++y) {
        int32_t left, right;
        if (!ClippedSpan(surf, y, left, right)) continue;
        uint8_t* row = surf.RowBase + static_cast<ptrdiff_t>(y) * surf.RowStep;
        TwoEndStep u, v;
        u.Init(texelU(left, y), texelU(right, y), right - left);
        v.Init(texelV(left, y), texelV(right, y), right - left);
        WalkBothEnds(
            left, right,
            [&](int32_t x, bool front) {
                const uint8_t texel = image.Pixels[(front ? u.Front : u.Back) +
                                                   (front ? v.Front : v.Back) * image.Width];
                if (texel != kColourNoPolygon)
                    row[x] = static_cast<uint8_t>(texel + kFirstShadeIndex);
            },
            [&] {
                u.Step();
                v.Step();
            });
    }
}
