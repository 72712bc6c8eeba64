#include "framework/line_walk.h"

#include <algorithm>

namespace line_walk_detail {

namespace {
// Lengths and offsets below this keep every product of two in 64 bits.
constexpr int64_t kSmall = int64_t{1} << 30;

// The offsets lo..hi of m that keep origin + unit * m in [0, limit), unit +-1.
void OffsetsInRange(int64_t origin, int64_t unit, int64_t limit, int64_t& lo, int64_t& hi) {
    if (unit > 0) {
        lo = -origin;
        hi = limit - 1 - origin;
    } else {
        lo = origin - (limit - 1);
        hi = origin;
    }
}

// ceil(n / d) for n >= 0, d > 0.
int64_t CeilDiv(int64_t n, int64_t d) { return (n + d - 1) / d; }
}  // namespace

Line MakeLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width, int32_t height) {
    const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    Line line{};
    line.xMajor = adx > ady;
    const int64_t dMajor = line.xMajor ? dx : dy, dMinor = line.xMajor ? dy : dx;
    LineSteps& s = line.steps;
    s.major = line.xMajor ? adx : ady;
    const int64_t minorLength = line.xMajor ? ady : adx;
    s.q = s.major ? minorLength / s.major : 0;
    s.r = s.major ? minorLength % s.major : 0;
    s.lastStep = s.major / 2;
    const int64_t sa = dMajor < 0 ? -1 : 1, sb = dMinor < 0 ? -1 : 1;
    line.majorLimit = line.xMajor ? width : height;
    line.minorLimit = line.xMajor ? height : width;
    line.front = {line.xMajor ? x0 : y0, line.xMajor ? y0 : x0, sa, sb};
    line.back = {line.xMajor ? x1 : y1, line.xMajor ? y1 : x1, -sa, -sb};
    return line;
}

bool ClippedRun(const Walker& w, const Line& line, Run& run) {
    ClipSteps(w, line.steps, line.majorLimit, run.first, run.last);
    ClipMinorSteps(w, line.steps, line.minorLimit, run.first, run.last);
    if (run.first > run.last) return false;
    int64_t minor;
    StateAtStep(line.steps, run.first, minor, run.error);
    run.a = w.a0 + w.sa * run.first;
    run.b = w.b0 + w.sb * minor;
    return true;
}

void ClipSteps(const Walker& w, const LineSteps& s, int64_t limit, int64_t& first,
               int64_t& last) {
    // Major coordinate at step i is a0 + sa * i; it must lie in [0, limit).
    OffsetsInRange(w.a0, w.sa, limit, first, last);
    first = std::max<int64_t>(first, 0);
    last = std::min(last, s.lastStep);
}

void ClipMinorSteps(const Walker& w, const LineSteps& s, int64_t limit, int64_t& first,
                    int64_t& last) {
    if (first > last) return;
    // The minor offsets m that keep b0 + sb * m in [0, limit).
    int64_t lo, hi;
    OffsetsInRange(w.b0, w.sb, limit, lo, hi);
    const int64_t length = s.q * s.major + s.r;  // the minor length
    if (hi < 0 || hi < lo || (length == 0 && lo > 0)) {
        first = last + 1;
        return;
    }
    if (length == 0 || (lo <= 0 && hi >= length)) return;
    // With M the major and L the minor length: m(i) >= lo exactly when
    // i >= (2 M lo - M) / (2 L), and m(i) <= hi when i < (2 M hi + M) / (2 L).
    // Within the screen's reach 64 bits hold these; far ends need 128.
    if (s.major < kSmall && lo < kSmall && hi < kSmall) {
        if (lo > 0) first = std::max(first, CeilDiv(2 * s.major * lo - s.major, 2 * length));
        last = std::min(last, CeilDiv(2 * s.major * hi + s.major, 2 * length) - 1);
        return;
    }
    const __int128 twoMajor = static_cast<__int128>(2) * s.major;
    const __int128 twoLength = static_cast<__int128>(2) * length;
    if (lo > 0) {
        const __int128 from = (twoMajor * lo - s.major + twoLength - 1) / twoLength;
        if (from > first) first = from > last ? last + 1 : static_cast<int64_t>(from);
    }
    const __int128 to = (twoMajor * hi + s.major + twoLength - 1) / twoLength - 1;
    if (to < last) last = static_cast<int64_t>(to);
}

void StateAtStep(const LineSteps& s, int64_t i, int64_t& minor, int64_t& error) {
    if (s.major == 0) {
        minor = 0;
        error = -1;
        return;
    }
    if (i == 0) {
        minor = 0;
        error = 2 * s.r - s.major;
        return;
    }
    // The error recurrence moves the extra unit at step k exactly when
    // k * r / major >= extra(k - 1) + 1/2, so after i steps
    // extra(i) = floor((2 r i + major) / (2 major)) and the error term
    // before step i + 1 is 2 r (i + 1) - major - 2 major extra(i).
    // 2 r i can pass 64 bits for ends far outside the target.
    if (s.major < kSmall) {
        const int64_t extra = (2 * s.r * i + s.major) / (2 * s.major);
        minor = s.q * i + extra;
        error = 2 * s.r * (i + 1) - s.major - 2 * s.major * extra;
        return;
    }
    const __int128 twoMajor = static_cast<__int128>(2) * s.major;
    const __int128 extra = (static_cast<__int128>(2) * s.r * i + s.major) / twoMajor;
    minor = static_cast<int64_t>(s.q * static_cast<__int128>(i) + extra);
    error = static_cast<int64_t>(static_cast<__int128>(2) * s.r * (i + 1) - s.major -
                                 twoMajor * extra);
}

namespace {

// One walker's run as byte offsets: every step moves one unit along the
// major axis and q or q + 1 units along the minor one.
void SetRunPixels(const Walker& w, const Line& line, uint8_t* row0, ptrdiff_t rowStep,
                  uint8_t value) {
    Run run;
    if (!ClippedRun(w, line, run)) return;
    const LineSteps& s = line.steps;
    const ptrdiff_t majorUnit = line.xMajor ? w.sa : w.sa * rowStep;
    const ptrdiff_t minorUnit = line.xMajor ? w.sb * rowStep : w.sb;
    const ptrdiff_t x = line.xMajor ? run.a : run.b, y = line.xMajor ? run.b : run.a;
    ptrdiff_t at = y * rowStep + x;
    const ptrdiff_t plain = majorUnit + static_cast<ptrdiff_t>(s.q) * minorUnit;
    const ptrdiff_t extra = plain + minorUnit;
    const int64_t plainError = 2 * s.r, extraError = 2 * (s.r - s.major);
    int64_t error = run.error;
    for (int64_t n = run.last - run.first; n >= 0; --n) {
        row0[at] = value;
        if (error >= 0) {
            at += extra;
            error += extraError;
        } else {
            at += plain;
            error += plainError;
        }
    }
}

}  // namespace
}  // namespace line_walk_detail

void SetLinePixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                   int32_t height, uint8_t* row0, ptrdiff_t rowStep, uint8_t value) {
    using namespace line_walk_detail;
    const Line line = MakeLine(x0, y0, x1, y1, width, height);
    SetRunPixels(line.front, line, row0, rowStep, value);
    SetRunPixels(line.back, line, row0, rowStep, value);
}
