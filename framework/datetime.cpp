#include "framework/datetime.h"

#include "framework/clock.h"

#include <ctime>

namespace {
constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

bool YearInRange(int64_t seconds) {
    int64_t y;
    unsigned m, d;
    CivilFromDays(FloorDiv(seconds, 86400), y, m, d);
    return y >= kMinYear && y <= kMaxYear;
}
}  // namespace

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    int64_t era = FloorDiv(y, 400);
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& year, unsigned& month, unsigned& day) {
    z += 719468;
    int64_t era = FloorDiv(z, 146097);
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int64_t>(yoe) + era * 400 + (month <= 2);
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return days[month - 1] + (month == 2 && leap);
}

CDateTime::CDateTime(int year, int month, int day, int hour, int minute, int second) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return;
    m_seconds = DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    m_valid = true;
}

CDateTime CDateTime::FromSecondsSinceEpoch(int64_t seconds) {
    CDateTime t;
    t.m_seconds = seconds;
    t.m_valid = YearInRange(seconds);
    return t;
}

namespace {
CDateTime FromFields(const std::tm& t) {
    return CDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min,
                     t.tm_sec > 59 ? 59 : t.tm_sec);  // a leap second shows as :59
}
}  // namespace

CDateTime CDateTime::GetCurrentTime() {
    std::time_t now = ClockNow();
    std::tm local{};
    localtime_r(&now, &local);
    return FromFields(local);
}

CDateTime CDateTime::GetCurrentUniversalTime() {
    std::time_t now = ClockNow();
    std::tm utc{};
    gmtime_r(&now, &utc);
    return FromFields(utc);
}

void CDateTime::Fields(int& y, int& mo, int& d, int& h, int& mi, int& s) const {
    int64_t days = FloorDiv(m_seconds, 86400);
    int64_t rest = m_seconds - days * 86400;
    int64_t yy;
    unsigned mm, dd;
    CivilFromDays(days, yy, mm, dd);
    y = static_cast<int>(yy);
    mo = static_cast<int>(mm);
    d = static_cast<int>(dd);
    h = static_cast<int>(rest / 3600);
    mi = static_cast<int>(rest / 60 % 60);
    s = static_cast<int>(rest % 60);
}

int CDateTime::GetYear() const { int y, mo, d, h, mi, s; Fields(y, mo, d, h, mi, s); return y; }
int CDateTime::GetMonth() const { int y, mo, d, h, mi, s; Fields(y, mo, d, h, mi, s); return mo; }
int CDateTime::GetDay() const { int y, mo, d, h, mi, s; Fields(y, mo, d, h, mi, s); return d; }
int CDateTime::GetHour() const { int y, mo, d, h, mi, s; Fields(y, mo, d, h, mi, s); return h; }
int CDateTime::GetMinute() const { int y, mo, d, h, mi, s; Fields(y, mo, d, h, mi, s); return mi; }
int CDateTime::GetSecond() const { int y, mo, d, h, mi, s; Fields(y, mo, d, h, mi, s); return s; }

int CDateTime::GetDayOfWeek() const {
    int64_t days = FloorDiv(m_seconds, 86400);  // 1970-01-01 was a Thursday
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

CDateTime CDateTime::operator+(const CTimeSpan& span) const {
    if (!m_valid) return *this;
    return FromSecondsSinceEpoch(m_seconds + span.GetTotalSeconds());
}

CTimeSpan CDateTime::operator-(const CDateTime& other) const {
    return CTimeSpan::FromSeconds(m_seconds - other.m_seconds);
}
