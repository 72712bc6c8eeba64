#pragma once
// Calendar date-time and time span, in whole seconds, on the proleptic
// Gregorian calendar. Valid values lie in years 100 to 9999; arithmetic that
// leaves that range gives an invalid value (IsValid() false).

#include <cstdint>

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(int64_t days, int hours, int minutes, int seconds)
        : m_seconds(((days * 24 + hours) * 60 + minutes) * 60 + seconds) {}
    static CTimeSpan FromSeconds(int64_t s) { CTimeSpan t; t.m_seconds = s; return t; }
    int64_t GetTotalSeconds() const { return m_seconds; }
    double GetTotalDays() const { return m_seconds / 86400.0; }
    CTimeSpan operator-() const { return FromSeconds(-m_seconds); }
    bool operator==(const CTimeSpan&) const = default;

private:
    int64_t m_seconds = 0;
};

class CDateTime {
public:
    // An invalid value.
    CDateTime() = default;
    // From fields: month 1..12, day 1..days in month, hour 0..23, minute and
    // second 0..59. Out-of-range fields give an invalid value.
    CDateTime(int year, int month, int day, int hour, int minute, int second);

    // The current local time of the system's time zone (see clock.h).
    static CDateTime GetCurrentTime();
    // The current Universal Time.
    static CDateTime GetCurrentUniversalTime();

    bool IsValid() const { return m_valid; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 0 = Sunday .. 6 = Saturday.
    int GetDayOfWeek() const;

    CDateTime operator+(const CTimeSpan& span) const;
    CDateTime operator-(const CTimeSpan& span) const { return *this + (-span); }
    CDateTime& operator+=(const CTimeSpan& span) { return *this = *this + span; }
    CDateTime& operator-=(const CTimeSpan& span) { return *this = *this - span; }
    CTimeSpan operator-(const CDateTime& other) const;
    bool operator==(const CDateTime& o) const { return m_valid == o.m_valid && m_seconds == o.m_seconds; }
    bool operator<(const CDateTime& o) const { return m_seconds < o.m_seconds; }

    // Seconds since 1970-01-01 00:00:00 of the same calendar (no zone applied).
    int64_t SecondsSinceEpoch() const { return m_seconds; }
    static CDateTime FromSecondsSinceEpoch(int64_t seconds);

private:
    void Fields(int& y, int& mo, int& d, int& h, int& mi, int& s) const;
    int64_t m_seconds = 0;
    bool m_valid = false;
};

// Days from 1970-01-01 to the given proleptic Gregorian date.
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day);
// Proleptic Gregorian date of a day count from 1970-01-01.
void CivilFromDays(int64_t days, int64_t& year, unsigned& month, unsigned& day);
int DaysInMonth(int year, int month);
