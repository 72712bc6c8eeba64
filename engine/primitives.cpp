#include "engine/primitives.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "engine/light_band.h"
#include "engine/palette.h"
#include "framework/line_walk.h"

namespace {

uint8_t ColourNumberIndex(int32_t c) { return static_cast<uint8_t>(c + kFirstShadeIndex); }

uint8_t* PixelAt(Surface& s, int64_t x, int64_t y) {
    return s.RowBase + static_cast<ptrdiff_t>(y) * s.RowStep + static_cast<ptrdiff_t>(x);
}

// Rows a circle or disc may write: 0..Height-2.
bool CircleRow(const Surface& s, int64_t y) { return y >= 0 && y <= s.Height - 2; }

// True when the circle's bounding box misses the drawable area.
bool CircleOutside(const Surface& s, int64_t x, int64_t y, int64_t r) {
    return x + r < 0 || x - r > s.Stride - 1 || y + r < 0 || y - r > s.Height - 2;
}

// Runs the midpoint circle: step(i, j) for x = i, y = j from (0, r) while i <= j.
template <typename Step>
void MidpointCircle(int64_t r, Step&& step) {
    int64_t i = 0, j = r, d = 3 - 2 * r;
    while (i <= j) {
        step(i, j);
        if (d < 0) {
            d += 4 * i + 6;
        } else {
            d += 4 * (i - j) + 10;
            --j;
        }
        ++i;
    }
}

}  // namespace

void PutPixel(Surface& s, int32_t x, int32_t y, int32_t index) {
    if (x > 0 && x < s.Stride && y >= 1 && y < s.Height) {
        *PixelAt(s, x, y) = static_cast<uint8_t>(index);
    }
}

void MoveTo(Surface& s, int32_t x, int32_t y) {
    s.PenX = x;
    s.PenY = y;
    if (s.Height <= 0) return;
    const int32_t row = std::clamp(y, 0, s.Height - 1);
    s.DirtyTop = std::min(s.DirtyTop, row);
    s.DirtyBottom = std::max(s.DirtyBottom, row);
}

void LineTo(Surface& s, int32_t x, int32_t y, int32_t c) {
    const uint8_t index = ColourNumberIndex(c);
    if (s.RowBase) {
        SetLinePixels(s.PenX, s.PenY, x, y, s.Stride, s.Height, s.RowBase, s.RowStep, index);
    }
    s.PenX = x;
    s.PenY = y;
}

void DrawCircle(Surface& s, int32_t x, int32_t y, int32_t r, int32_t c) {
    if (!s.RowBase || CircleOutside(s, x, y, r)) return;
    const uint8_t index = ColourNumberIndex(c);
    auto point = [&](int64_t px, int64_t py) {
        if (px >= 0 && px < s.Stride && CircleRow(s, py)) *PixelAt(s, px, py) = index;
    };
    MidpointCircle(r, [&](int64_t i, int64_t j) {
        point(x + i, y + j);
        point(x - i, y + j);
        point(x + i, y - j);
        point(x - i, y - j);
        point(x + j, y + i);
        point(x - j, y + i);
        point(x + j, y - i);
        point(x - j, y - i);
    });
}

void FillDisc(Surface& s, int32_t x, int32_t y, int32_t r, int32_t c) {
    if (!s.RowBase || CircleOutside(s, x, y, r)) return;
    const uint8_t index = ColourNumberIndex(c);
    // Row py from column x0 to x1 - 1.
    auto run = [&](int64_t py, int64_t x0, int64_t x1) {
        if (!CircleRow(s, py)) return;
        x0 = std::max<int64_t>(x0, 0);
        x1 = std::min<int64_t>(x1, s.Stride);
        if (x0 < x1) std::memset(PixelAt(s, x0, py), index, static_cast<size_t>(x1 - x0));
    };
    MidpointCircle(r, [&](int64_t i, int64_t j) {
        run(y + i, x - j, x + j);
        run(y - i, x - j, x + j);
        run(y + j, x - i, x + i);
        run(y - j, x - i, x + i);
    });
}

void DrawBodyDisc(Surface& s, int32_t x, int32_t y, int32_t r, int32_t c) {
    const int32_t colour = c < kFirstUnlitTexel ? ShadeBase[448] + c - kFirstShadeIndex : c;
    FillDisc(s, x, y, r, colour);
}
