#include "astro/day_span.h"

#include <cmath>

#include "astro/julian_day.h"
#include "astro/time_zone.h"

DaySpan DayOfChosenTime(const CDateTime& chosen, bool utc) {
    DaySpan d;
    if (!chosen.IsValid()) return d;
    CDateTime midnight(chosen.GetYear(), chosen.GetMonth(), chosen.GetDay(), 0, 0, 0);
    CDateTime next = midnight + CTimeSpan(1, 0, 0, 0);
    d.utStart = GetUniversalTime(midnight, utc);
    CDateTime utEnd = GetUniversalTime(next, utc);
    d.jdStart = DateTimeToJulianDay(d.utStart);
    // The end counted from the start, so a day of 23 or 25 hours keeps its length.
    d.jdEnd = d.jdStart + static_cast<double>((utEnd - d.utStart).GetTotalSeconds()) / 86400.0;
    return d;
}

CDateTime ShownTime(const DaySpan& day, double julianDay, bool utc) {
    auto seconds = static_cast<int64_t>(std::llround((julianDay - day.jdStart) * 86400.0));
    CDateTime ut = day.utStart + CTimeSpan::FromSeconds(seconds);
    if (utc) return ut;
    // The zone's offset at the local time reached, taken twice so a change
    // of offset between the two readings settles.
    CDateTime local = ut - CTimeSpan(0, 0, TimeZoneAt(ut).TotalBias(), 0);
    return ut - CTimeSpan(0, 0, TimeZoneAt(local).TotalBias(), 0);
}
