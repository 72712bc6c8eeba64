#pragma once
// The local time zone and the conversion of a chosen time to Universal Time.
// The sign convention is the one of the time-zone record the view keeps:
// Universal Time = local time + Bias (+ DaylightBias while daylight time is in
// force), all in minutes; a zone east of Greenwich has a negative bias.

#include <cstdint>

#include "framework/datetime.h"

struct TimeZoneInfo {
    int32_t Bias = 0;          // minutes, standard time: UT = local + Bias
    int32_t DaylightBias = 0;  // minutes added to Bias during daylight time (often -60)
    int32_t bDaylight = 0;     // 1 when daylight time is in force

    // The whole offset in force, minutes: UT = local + this.
    int32_t TotalBias() const { return Bias + (bDaylight ? DaylightBias : 0); }
};

// The system's zone (TZ, or the system default from tzdata) as it is now.
// The view reads it once when it is created.
TimeZoneInfo QueryTimeZone();

// The system's zone as it was (or will be) at a local date and time: its
// standard bias and daylight bias for that date, and whether daylight time is
// in force then. A local time that the clocks skip or repeat gets the offset
// that the C library's mktime chooses for it.
TimeZoneInfo TimeZoneAt(const CDateTime& local);

// The chosen time in Universal Time, for a fixed zone record: unchanged when
// utc is set, else shifted by the record's total bias.
CDateTime GetUniversalTime(const CDateTime& chosen, bool utc, const TimeZoneInfo& zone);

// The chosen time in Universal Time under the system zone's rules for the
// chosen date itself (a summer date chosen in winter gets summer time):
// unchanged when utc is set. This is what each redraw calls.
CDateTime GetUniversalTime(const CDateTime& chosen, bool utc);
