#pragma once
// The Earth's rotation: Greenwich mean sidereal time and the rotation angle
// the observer frame uses.

// Greenwich mean sidereal time, degrees in [0, 360), for a Julian day in UT
// (IAU 1982 expression: 280.46061837 + 360.98564736629 d + 0.000387933 T^2 -
// T^3 / 38710000, d days and T Julian centuries from J2000.0).
double GreenwichMeanSiderealTime(double julianDay);

// The rotation angle of the Earth, radians in [pi/2, 2 pi + pi/2): GMST plus a
// quarter turn. The observer frame puts the zenith at right ascension
// angle - 90 degrees + east longitude, i.e. at the local sidereal time. Every
// body's rotation angle takes this value (ComputePositions).
double SiderealAngle(double julianDay);
