#include "astro/sidereal.h"

#include <cmath>

#include "astro/angles.h"

double GreenwichMeanSiderealTime(double jd) {
    double d = jd - kJ2000;
    double T = JulianCenturies(jd);
    // 360.98564736629 d is split into whole turns per day (360 frac(d)) and the
    // rest, so the large product does not eat the precision.
    double degrees = 280.46061837 + 360.0 * Frac(d) + 0.98564736629 * d +
                     0.000387933 * T * T - T * T * T / 38710000.0;
    return WrapAngle(degrees, 360.0);
}

double SiderealAngle(double jd) { return GreenwichMeanSiderealTime(jd) * kDegToRad + kPi / 2; }
