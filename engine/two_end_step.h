#pragma once
// A value stepped linearly over n steps from both ends at once, the way the
// rasterisers walk edges, spans and texture runs: Front starts at `from` and
// Back at `to`; after i steps Front holds the value at position i and Back
// the value at position n - i. Each step moves by the integer quotient of
// (to - from) / n and, driven by a Bresenham error term over the remainder,
// by one more unit, the same unit for both walkers, so that a walk and its
// reverse meet the same values. All integer, no division per step.

#include <cstdint>

struct TwoEndStep {
    int64_t Front = 0;
    int64_t Back = 0;

    // Starts a walk from `from` to `to` in n steps (n >= 0), positioned at
    // step `first` (Front at position first, Back at n - first). The
    // differences may use the whole 64-bit range only up to 2^62.
    void Init(int64_t from, int64_t to, int64_t n, int64_t first = 0);

    void Step() {
        Front += m_q;
        Back -= m_q;
        if (m_error >= 0) {
            Front += m_sign;
            Back -= m_sign;
            m_error += m_errorUp;
        } else {
            m_error += m_errorFlat;
        }
    }

private:
    int64_t m_q = 0;          // quotient per step, signed
    int64_t m_sign = 1;       // direction of the extra unit
    int64_t m_error = -1;     // Bresenham term: e = 2r - n at the start
    int64_t m_errorUp = 0;    // 2(r - n)
    int64_t m_errorFlat = 0;  // 2r
};

// Visits the positions left..right (left <= right) from both ends towards
// the middle, each once: visit(x, front) with front true for the walker
// coming from the left; advance() after each pair.
template <typename Visit, typename Advance>
void WalkBothEnds(int32_t left, int32_t right, Visit&& visit, Advance&& advance) {
    for (int32_t a = left, b = right; a <= b; ++a, --b) {
        visit(a, true);
        if (b != a) visit(b, false);
        advance();
    }
}
