#pragma once
// A fixed present and a fixed time zone for the life of one object, so a test
// means the same at any hour, on any machine.

#include <time.h>

#include <string>

#include "framework/clock.h"
#include "tests/scoped_env.h"

class FixedClock {
public:
    // instant: seconds since 1970-01-01 UTC; zone: a tz database name.
    FixedClock(std::time_t instant, const std::string& zone) : m_zone("TZ", zone) {
        tzset();
        FixClock(instant);
    }
    ~FixedClock() { FixClock(std::nullopt); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    struct ZoneReread {
        ~ZoneReread() { tzset(); }  // after m_zone has put TZ back
    } m_reread;
    ScopedEnv m_zone;
};

// 2026-12-07 00:30:00 UTC: half past midnight, when a test that read the
// clock used to fail.
constexpr std::time_t kHalfPastMidnight = 1796603400;
