#include "engine/raster_fill.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "engine/light_band.h"
#include "engine/outline.h"
#include "engine/two_end_step.h"

namespace {

uint8_t* RowOf(Surface& s, int32_t y) { return s.RowBase + static_cast<ptrdiff_t>(y) * s.RowStep; }

}  // namespace

void FillFlat(Surface& s, uint8_t index) {
    if (!s.RowBase || !s.EdgeTable) return;
    const OutlineRows rows = DirtyRows(s);
    for (int32_t y = rows.First; y <= rows.Last; ++y) {
        int32_t left, right;
        if (!ClippedSpan(s, y, left, right)) continue;
        const int32_t end = std::min(right + 2, s.Stride - 1);
        std::memset(RowOf(s, y) + left, index, static_cast<size_t>(end - left + 1));
    }
}

void FillGouraud(Surface& s, int32_t colour) {
    if (!s.RowBase || !s.EdgeTable) return;
    const OutlineRows rows = DirtyRows(s);
    for (int32_t y = rows.First; y <= rows.Last; ++y) {
        const EdgePair& e = s.EdgeTable[y];
        if (e.Right == NoCrossing || e.Right <= e.Left) continue;
        int64_t left = e.Left, right = e.Right;
        int64_t lightLeft = s.ShadeEdgeTable[y].Left, lightRight = s.ShadeEdgeTable[y].Right;
        if (left < 0) {  // move the left end onto column 0
            lightLeft -= (lightRight - lightLeft) * left / (right - left);
            left = 0;
        }
        if (right >= s.Stride) {  // and the right end onto the last column
            if (right > left)
                lightRight =
                    lightLeft + (lightRight - lightLeft) * (s.Stride - 1 - left) / (right - left);
            right = s.Stride - 1;
        }
        if (left >= right) continue;
        uint8_t* row = RowOf(s, y);
        TwoEndStep light;
        light.Init(lightLeft, lightRight, right - left);
        WalkBothEnds(
            static_cast<int32_t>(left), static_cast<int32_t>(right),
            [&](int32_t x, bool front) {
                row[x] = LitColour(LightBand(front ? light.Front : light.Back), colour);
            },
            [&] { light.Step(); });
    }
}
