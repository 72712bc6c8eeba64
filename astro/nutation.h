#pragma once
// The orientation of the equator and ecliptic of date: mean obliquity,
// nutation and the precession from J2000. Every function takes a Julian
// Ephemeris Day (TT).

#include "astro/rotation.h"

// Nutation in longitude (psi) and in obliquity (eps), arcseconds.
struct Nutation {
    double psiArcsec = 0;
    double epsArcsec = 0;
};

// Nutation from all 106 terms of the IAU 1980 series (astro/data).
Nutation NutationIau1980(double julianEphemerisDay);

// Mean obliquity of the ecliptic of date, arcseconds (IAU 2006 polynomial).
double MeanObliquityArcsec(double julianEphemerisDay);
// The obliquity at J2000.0 of that polynomial, arcseconds.
constexpr double kObliquityJ2000Arcsec = 84381.406;

// Precession J2000 -> mean equator and equinox of date (IAU 2006, angles
// zeta, z, theta): r_date = P r_J2000, standard equatorial coordinates.
DMat3 PrecessionMatrix(double julianEphemerisDay);

constexpr double kArcsecToRad = 4.84813681109536e-6;  // pi / 648000
