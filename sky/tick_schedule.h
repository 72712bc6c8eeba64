#pragma once
// When the ticks of a repeating timer are due. Each tick is due one period
// after the previous one was due, so the work a tick does (a paint) does not
// stretch the period. A tick that could not run when due runs at once, as
// soon as the one before it has ended (never two at a time); a tick that is
// a whole period or more behind is dropped, and the schedule starts again
// from the late tick, so a stall is never made up in a burst. Times are
// milliseconds on any steady clock.
//
// The window's timers are single shots started again at the end of each
// tick; the host asks here how long to wait.

#include <cstdint>

class TickSchedule {
public:
    // The timer starts at nowMs: returns the wait before the first tick.
    int64_t Start(int64_t nowMs, int64_t periodMs) {
        m_dueMs = nowMs + periodMs;
        return periodMs;
    }
    // A tick that was due at the last due time has done its work; at nowMs
    // the timer starts again: returns the wait before the next tick (0 when
    // it is already late).
    int64_t Next(int64_t nowMs, int64_t periodMs) {
        m_dueMs += periodMs;
        if (m_dueMs <= nowMs - periodMs) m_dueMs = nowMs;  // a tick or more behind
        return m_dueMs > nowMs ? m_dueMs - nowMs : 0;
    }
    int64_t DueMs() const { return m_dueMs; }

private:
    int64_t m_dueMs = 0;
};
