#include "engine/two_end_step.h"

void TwoEndStep::Init(int64_t from, int64_t to, int64_t n, int64_t first) {
    if (n <= 0) {
        Front = from;
        Back = to;
        m_q = 0;
        m_error = -1;
        m_errorUp = m_errorFlat = 0;
        return;
    }
    const int64_t delta = to - from;
    const int64_t magnitude = delta < 0 ? -delta : delta;
    m_sign = delta < 0 ? -1 : 1;
    m_q = delta / n;  // truncated toward zero: the sign of delta
    const int64_t r = magnitude % n;
    m_errorUp = 2 * (r - n);
    m_errorFlat = 2 * r;
    // After i steps the extra units number floor((2 r i + n) / (2 n)) and
    // the error term before the next step is 2 r (i + 1) - n - 2 n extra.
    const __int128 twoN = static_cast<__int128>(2) * n;
    const __int128 extra = (static_cast<__int128>(2) * r * first + n) / twoN;
    const __int128 moved = static_cast<__int128>(m_q) * first + m_sign * extra;
    Front = static_cast<int64_t>(from + moved);
    Back = static_cast<int64_t>(to - moved);
    m_error = static_cast<int64_t>(static_cast<__int128>(2) * r * (first + 1) - n - twoN * extra);
}
