#include "astro/time_zone.h"

#include "framework/clock.h"

#include <cmath>
#include <ctime>
#include <initializer_list>

namespace {
constexpr std::time_t kHalfYear = 183 * 86400;

// Offset east of Greenwich at an instant, seconds, and whether it is daylight
// time there.
struct LocalOffset {
    long eastSeconds = 0;
    bool daylight = false;
};

LocalOffset OffsetAtInstant(std::time_t t) {
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    return {local.tm_gmtoff, local.tm_isdst > 0};
}

int32_t MinutesWest(long eastSeconds) {
    return static_cast<int32_t>(std::lround(-eastSeconds / 60.0));
}

// The zone record at an instant: the offset in force, and the other kind of
// time (standard or daylight) found half a year before or after.
TimeZoneInfo ZoneAtInstant(std::time_t t) {
    LocalOffset now = OffsetAtInstant(t);
    LocalOffset other = now;
    for (std::time_t probe : {t - kHalfYear, t + kHalfYear}) {
        LocalOffset o = OffsetAtInstant(probe);
        if (o.daylight != now.daylight) {
            other = o;
            break;
        }
    }
    const LocalOffset& standard = now.daylight ? other : now;
    const LocalOffset& daylight = now.daylight ? now : other;
    TimeZoneInfo z;
    z.bDaylight = now.daylight ? 1 : 0;
    z.DaylightBias = daylight.daylight ? MinutesWest(daylight.eastSeconds - standard.eastSeconds) : 0;
    // The bias is what makes the total right for this instant, even where a
    // zone changed its standard offset within the year.
    z.Bias = MinutesWest(now.eastSeconds) - (z.bDaylight ? z.DaylightBias : 0);
    return z;
}
}  // namespace

TimeZoneInfo QueryTimeZone() {
    tzset();
    return ZoneAtInstant(ClockNow());
}

TimeZoneInfo TimeZoneAt(const CDateTime& local) {
    tzset();
    std::tm fields{};
    fields.tm_year = local.GetYear() - 1900;
    fields.tm_mon = local.GetMonth() - 1;
    fields.tm_mday = local.GetDay();
    fields.tm_hour = local.GetHour();
    fields.tm_min = local.GetMinute();
    fields.tm_sec = local.GetSecond();
    fields.tm_isdst = -1;  // let the zone's rules decide
    fields.tm_wday = -1;   // mktime sets it when it succeeds
    std::time_t t = std::mktime(&fields);
    if (fields.tm_wday < 0) return QueryTimeZone();
    return ZoneAtInstant(t);
}

CDateTime GetUniversalTime(const CDateTime& chosen, bool utc, const TimeZoneInfo& zone) {
    if (utc) return chosen;
    return chosen + CTimeSpan(0, 0, zone.TotalBias(), 0);
}

CDateTime GetUniversalTime(const CDateTime& chosen, bool utc) {
    if (utc) return chosen;
    return GetUniversalTime(chosen, false, TimeZoneAt(chosen));
}
