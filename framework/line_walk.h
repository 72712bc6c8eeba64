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
// the walk takes only the steps whose major and minor coordinates both lie in
// that range, so a line with far-away ends costs no more than the pixels it
// draws, and one that passes by the target nothing.
// Coordinates are any 32-bit values; the arithmetic is 64-bit.

#include <cstddef>
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

// A line set up for its two walkers on a target of the given size.
struct Line {
    LineSteps steps;
    Walker front, back;
    bool xMajor;
    int64_t majorLimit, minorLimit;
};
Line MakeLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width, int32_t height);

// The steps first..last of a walker that lie inside the target, and its
// major and minor coordinates a, b and error term at step first.
struct Run {
    int64_t first, last;
    int64_t a, b, error;
};
// False when the walker takes no step inside the target.
bool ClippedRun(const Walker& w, const Line& line, Run& run);

// The first and last step of a walker whose major coordinate stays in
// [0, limit); first > last when there is none.
void ClipSteps(const Walker& w, const LineSteps& s, int64_t limit, int64_t& first,
               int64_t& last);
// Narrows [first, last] to the steps whose minor coordinate lies in [0, limit).
// The minor offset at step i is floor((2 minor i + major) / (2 major)): never
// decreasing, so those steps are one run.
void ClipMinorSteps(const Walker& w, const LineSteps& s, int64_t limit, int64_t& first,
                    int64_t& last);
// Minor offset (in units, before sb) and error term of a walker at step i.
void StateAtStep(const LineSteps& s, int64_t i, int64_t& minor, int64_t& error);

template <typename Plot>
void Walk(const Walker& w, const Line& line, Plot& plot) {
    Run run;
    if (!ClippedRun(w, line, run)) return;
    const LineSteps& s = line.steps;
    int64_t a = run.a, b = run.b, error = run.error;
    for (int64_t i = run.first; i <= run.last; ++i) {
        if (line.xMajor) {
            plot(static_cast<int32_t>(a), static_cast<int32_t>(b));
        } else {
            plot(static_cast<int32_t>(b), static_cast<int32_t>(a));
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
    const Line line = MakeLine(x0, y0, x1, y1, width, height);
    Walk(line.front, line, plot);
    Walk(line.back, line, plot);
}

// The same pixels as WalkLine, each set to value: pixel (x, y) is the byte at
// row0 + y * rowStep + x.
void SetLinePixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                   int32_t height, uint8_t* row0, ptrdiff_t rowStep, uint8_t value);
