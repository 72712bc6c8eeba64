#pragma once
// The present instant. Every "now" of the program (the time bar at start-up,
// "Now", the command line without --time, the system zone's current rules)
// reads it here, so a test can fix it instead of depending on the hour it
// runs at.

#include <ctime>
#include <optional>

// Seconds since 1970-01-01 00:00 UTC: the fixed instant if one is set, else
// the system clock.
std::time_t ClockNow();

// Fixes the present at an instant (seconds since 1970-01-01 UTC), or gives
// the system clock back (nullopt). For tests; not thread-safe against a
// concurrent ClockNow.
void FixClock(std::optional<std::time_t> instant);
