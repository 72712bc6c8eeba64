#pragma once
// The apparent place of date: what the program needs once per instant to turn
// series positions and J2000 catalogue directions into directions on the true
// equator and equinox of date, as seen from the moving Earth.

#include "astro/rotation.h"

// Light speed, astronomical units per day (c = 299792458 m/s, au =
// 149597870700 m).
constexpr double kLightAuPerDay = 173.14463267424;

struct FrameOfDate {
    double julianDayUt = 0;
    double julianEphemerisDay = 0;  // TT
    double meanObliquityRad = 0;    // eps_A
    double trueObliquityRad = 0;    // eps_A + nutation in obliquity
    double nutationLongitudeRad = 0;  // Delta psi
    // Mean ecliptic of date -> true equator of date: R1(-eps) R3(-Delta psi).
    DMat3 eclipticToTrueEquator = kDIdentity3;
    // J2000 (ICRS) equator -> true equator of date: nutation times precession.
    DMat3 precessionNutation = kDIdentity3;
    // The Earth's heliocentric velocity over c (dimensionless), true equator
    // of date, standard coordinates; |v| is about 1e-4.
    DVec3 earthVelocityOverC = {0, 0, 0};
    // The Earth's heliocentric position, mean ecliptic of date, AU, standard
    // coordinates (x to the equinox).
    DVec3 earthEclipticAu = {0, 0, 0};
    // Greenwich apparent sidereal time (GMST at UT plus the equation of the
    // equinoxes at TT), degrees in [0, 360).
    double apparentSiderealDeg = 0;
};

// Everything above for a Julian day (UT): one evaluation of the Earth's
// series with its rates, and the nutation series. Called once per instant.
FrameOfDate ComputeFrameOfDate(double julianDayUt);

class SeriesInstant;
// The same with the planetary series of the instant shared with the caller,
// which places the planets from it too; series is made for the Julian
// Ephemeris Day of julianDayUt (TerrestrialJulianDay).
FrameOfDate ComputeFrameOfDate(double julianDayUt, SeriesInstant& series);

// Annual aberration of a direction u (unit vector) for the observer's
// velocity over c, both in one frame: u + v - (u.v) u, made unit length.
DVec3 Aberrate(const DVec3& u, const DVec3& velocityOverC);

// A J2000 catalogue direction (right ascension, declination, radians) to its
// apparent right ascension and declination of date (radians): precession,
// nutation, then annual aberration.
void ApparentStarPlace(const FrameOfDate& f, double raJ2000, double decJ2000, double& ra, double& dec);

// The precession-nutation matrix in the sky frame (x to 0h, y to the pole,
// z to 18h): J2000 catalogue directions -> true equator of date.
DMat3 CatalogueToDateSky(const FrameOfDate& f);

// The rotation (sky frame) that carries the direction centreSky (true
// equator of date) to its aberrated direction: folded into the catalogue's
// matrix it gives every star its aberration exactly at centreSky and to
// better than 1e-4 of the angle from it elsewhere (at most about 5" across a
// 60-degree field).
DMat3 AberrationRotationAt(const FrameOfDate& f, const DVec3& centreSky);

// Sky frame <-> standard equatorial coordinates.
inline DVec3 SkyFromStandard(const DVec3& s) { return {s[0], s[2], -s[1]}; }
inline DVec3 StandardFromSky(const DVec3& k) { return {k[0], -k[2], k[1]}; }
