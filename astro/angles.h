#pragma once
// Angle constants and reductions shared by the position theories.

#include <cmath>

constexpr double kPi = 3.141592653589793;
constexpr double kDegToRad = 0.017453292519943295;  // pi / 180
constexpr double kRadToDeg = 57.29577951308232;     // 180 / pi
// The J2000.0 epoch as a Julian day (UT in this program, no Delta-T).
constexpr double kJ2000 = 2451545.0;

// Julian centuries from J2000.0 of a Julian day (the factor is 1/36525).
inline double JulianCenturies(double julianDay) { return (julianDay - kJ2000) * 2.7378507871321012e-5; }
// Julian millennia from J2000.0 of a Julian day (the factor is 1/365250).
inline double JulianMillennia(double julianDay) { return (julianDay - kJ2000) * 2.737850787132101e-6; }

// An angle in degrees brought into range by whole turns: a value above 360
// comes out in (0, 360] (so exactly 360 stays 360), a negative value in
// [0, 360). The result is exactly what repeatedly subtracting or adding 360
// gives, but found in constant time. NaN and infinities give NaN.
inline double Reduce360(double degrees) {
    if (degrees > 360.0) {
        double r = std::fmod(degrees, 360.0);
        return r == 0.0 ? 360.0 : r;
    }
    if (degrees < 0.0) {
        double r = std::fmod(degrees, 360.0);
        return r < 0.0 ? r + 360.0 : r + 0.0;  // -0.0 becomes +0.0
    }
    return degrees;
}

// x brought into [0, turn) by whole turns (for example degrees with turn 360).
inline double WrapAngle(double x, double turn) {
    double r = std::fmod(x, turn);
    if (r < 0) r += turn;
    return r < turn ? r : 0.0;  // a tiny negative remainder can round up to a turn
}

// The fractional part x - floor(x), in [0, 1).
inline double Frac(double x) { return x - std::floor(x); }
