#include "framework/line_walk.h"

#include <algorithm>

namespace line_walk_detail {

void ClipSteps(const Walker& w, const LineSteps& s, int64_t limit, int64_t& first,
               int64_t& last) {
    // Major coordinate at step i is a0 + sa * i; it must lie in [0, limit).
    if (w.sa > 0) {
        first = -w.a0;
        last = limit - 1 - w.a0;
    } else {
        first = w.a0 - (limit - 1);
        last = w.a0;
    }
    first = std::max<int64_t>(first, 0);
    last = std::min(last, s.lastStep);
}

void StateAtStep(const LineSteps& s, int64_t i, int64_t& minor, int64_t& error) {
    if (s.major == 0) {
        minor = 0;
        error = -1;
        return;
    }
    // The error recurrence moves the extra unit at step k exactly when
    // k * r / major >= extra(k - 1) + 1/2, so after i steps
    // extra(i) = floor((2 r i + major) / (2 major)) and the error term
    // before step i + 1 is 2 r (i + 1) - major - 2 major extra(i).
    // 2 r i can pass 64 bits for ends far outside the target.
    const __int128 twoMajor = static_cast<__int128>(2) * s.major;
    const __int128 extra = (static_cast<__int128>(2) * s.r * i + s.major) / twoMajor;
    minor = static_cast<int64_t>(s.q * static_cast<__int128>(i) + extra);
    error = static_cast<int64_t>(static_cast<__int128>(2) * s.r * (i + 1) - s.major -
                                 twoMajor * extra);
}

}  // namespace line_walk_detail
