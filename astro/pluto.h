#pragma once
// Pluto's heliocentric position from the 43-term series of the 1991 edition
// of Meeus' book.

// The series as published, for a Julian day (UT): ecliptic longitude l and
// latitude b for the equinox of J2000.0, radians, each reduced to [0, 2 pi]
// (so a latitude of -10 degrees comes out as 350 degrees), and the radius
// vector r in AU.
void PlutoPositionJ2000(double julianDay, double& l, double& b, double& r);

// The same with the longitude carried to the equinox of the date by the
// general precession in longitude (1.396971278 T + 0.0003086 T^2 degrees, T in
// Julian centuries from J2000.0), like every other body of the program. No
// state, no allocation. Called by ComputePositions for theory 9.
void PlutoPosition(double julianDay, double& l, double& b, double& r);

// The general precession in longitude from J2000.0 to a Julian day, degrees.
double PrecessionInLongitude(double julianDay);
