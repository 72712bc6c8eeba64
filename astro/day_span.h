#pragma once
// The day the time bar shows, as a span of Julian days, and instants of it
// back in the time the program shows (local civil time of the system's zone,
// or Universal Time when the UTC flag is set).

#include "framework/datetime.h"

struct DaySpan {
    CDateTime utStart;    // the day's first midnight, UT
    double jdStart = 0;   // Julian day (UT) of that midnight
    double jdEnd = 0;     // Julian day (UT) of the next midnight (23 to 25 hours on)
};

// The calendar date of chosen (read as local time, or as UT when utc is
// set), from its midnight to the next one.
DaySpan DayOfChosenTime(const CDateTime& chosen, bool utc);

// An instant of day (Julian day, UT) as the program shows it, to the second:
// UT when utc is set, else local time by the zone's rules at that instant.
CDateTime ShownTime(const DaySpan& day, double julianDay, bool utc);
