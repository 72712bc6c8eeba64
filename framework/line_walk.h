#pragma once
// The pixels of a one-pixel-wide line, found by a symmetric Bresenham walk:
// two walkers start at the two ends and step towards each other along the
// major axis until they meet, so a line and its reverse give the same pixels.
// Used by the engine's LineTo and by the drawing context's pen.
//
// The major axis is x when |dx| > |dy|, else y. Per step the minor coordinate
// moves by q = minor / major and, driven by an error term for the remainder
// r (start e = 2r - major; e >= 0 moves one more unit and adds 2(r - major),
// otherwise adds 2r), by one more unit. When the major length is even both
// walkers reach the middle column; each writes its own pixel there.
//
// Only pixels with 0 <= x < width and 0 <= y < height are passed to plot, and
// the walk skips the steps whose major coordinate lies outside that range, so
// a line with far-away ends costs no more than one across the target.
// Coordinates are any 32-bit values; the arithmetic is 64-bit.

#include <cstdint>

namespace line_walk_detail {

// One walker: origin (a0, b0) in major/minor coordinates, unit directions
// sa, sb, and the steps 0..lastStep it takes.
struct Walker {
    int64_t a0, b0;
    int64_t sa, sb;
};

struct LineSteps {
    int64_t major;   // |major difference|
    int64_t q, r;    // minor = q * major + r
    int64_t lastStep;  // each walker takes steps 0..lastStep (major / 2)
};

// The first and last step of a walker whose major coordinate stays in
// [0, limit); first > last when there is none.
void ClipSteps(const Walker& w, const LineSteps& s, int64_t limit, int64_t& first,
               int64_t& last);
// Minor offset (in units, before sb) and error term of a walker at step i.
void StateAtStep(const LineSteps& s, int64_t i, int64_t& minor, int64_t& error);

template <typename Plot>
void Walk(const Walker& w, const LineSteps& s, bool xMajor, int64_t majorLimit,
          int64_t minorLimit, Plot& plot) {
    int64_t first, last;
    ClipSteps(w, s, majorLimit, first, last);
    if (first > last) return;
    int64_t minor, error;
    StateAtStep(s, first, minor, error);
    int64_t a = w.a0 + w.sa * first;
    int64_t b = w.b0 + w.sb * minor;
    for (int64_t i = first; i <= last; ++i) {
        if (b >= 0 && b < minorLimit) {
            if (xMajor) {
                plot(static_cast<int32_t>(a), static_cast<int32_t>(b));
            } else {
                plot(static_cast<int32_t>(b), static_cast<int32_t>(a));
            }
        }
        a += w.sa;
        if (error >= 0) {
            b += w.sb * (s.q + 1);
            error += 2 * (s.r - s.major);
        } else {
            b += w.sb * s.q;
            error += 2 * s.r;
        }
    }
}

}  // namespace line_walk_detail

// Calls plot(x, y) for every pixel of the line from (x0, y0) to (x1, y1) that
// lies inside [0, width) x [0, height). A pixel may be passed twice.
template <typename Plot>
void WalkLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width, int32_t height,
              Plot&& plot) {
    using namespace line_walk_detail;
    const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx > ady;
    const int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    LineSteps s;
    s.major = xMajor ? adx : ady;
    const int64_t minorLength = xMajor ? ady : adx;
    s.q = s.major ? minorLength / s.major : 0;
    s.r = s.major ? minorLength % s.major : 0;
    s.lastStep = s.major / 2;
    const int64_t sa = dMajor < 0 ? -1 : 1, sb = dMinor < 0 ? -1 : 1;
    const int64_t majorLimit = xMajor ? width : height, minorLimit = xMajor ? height : width;
    const Walker front{xMajor ? x0 : y0, xMajor ? y0 : x0, sa, sb};
    const Walker back{xMajor ? x1 : y1, xMajor ? y1 : x1, -sa, -sb};
    Walk(front, s, xMajor, majorLimit, minorLimit, plot);
    Walk(back, s, xMajor, majorLimit, minorLimit, plot);
}
