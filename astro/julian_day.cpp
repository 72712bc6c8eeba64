#include "astro/julian_day.h"

#include <cmath>
#include <cstdlib>

#include "framework/datetime.h"

namespace {
// The first day of the Gregorian calendar, 1582 October 15.
bool IsGregorianDate(int year, int month, int day) {
    if (year != 1582) return year > 1582;
    if (month != 10) return month > 10;
    return day >= 15;
}
}  // namespace

double JulianDayFromFields(int Y, int M, int D, int h, int m, int s) {
    double hours = s * (1.0 / 3600) + m * (1.0 / 60) + h;
    int G = IsGregorianDate(Y, M, D) ? 1 : 0;
    int S = M - 9 < 0 ? -1 : 1;
    // The three whole-number terms. The divisions by 12, 7 and 9 are done on
    // integers so that no rounding of 1/12 or 275/9 can move a floor by one.
    double T1 = std::floor(1.75 * (Y + (M + 9) / 12));
    double T2 = std::floor(0.75 * (std::floor((Y + S * (std::abs(M - 9) / 7)) * 0.01) + 1));
    double T3 = std::floor((M * 275) / 9);
    return T3 - G * T2 - T1 + D + 2 * G + 367.0 * Y + 1721027 - 0.5 + hours * (1.0 / 24);
}

double DateTimeToJulianDay(const CDateTime& t) {
    return JulianDayFromFields(t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(),
                               t.GetSecond());
}
