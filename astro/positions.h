#pragma once
// The position update of the solar system: every body of the body table placed
// for one Julian day.

#include "astro/planet.h"
#include "astro/vec3.h"

// Places every body of planets for a Julian day (UT), in body-table order
// (parents before their moons), and sets each body's rotation angle and delta
// rotation:
// - m_dPos, km, body-position frame (Sun at the origin): theory 1..8 from the
//   planetary series, 9 Pluto, 10 the Moon (around its parent), 0 a Kepler
//   orbit from the record's elements (around its parent for a moon);
//   series and orbit coordinates pass through eclipticMatrix (ecliptic to
//   equatorial) in single precision;
// - m_dRotationAngle, radians: the Earth's SiderealAngle, the same for all;
// - m_fDeltaRotation, degrees: the surface's turn, from the inclination field
//   as a rate and the body's heliocentric azimuth.
// lastJulianDay is the document's cache: nothing is done when julianDay
// equals it exactly, and it is set to julianDay afterwards (a NaN cache never
// matches). A parent index that does not name an earlier body is taken as 0
// (the Sun), and an unknown theory as 0, so a damaged record cannot reach
// outside the array. Called on every paint of the sky view.
void ComputePositions(PlanetArray& planets, const Mat3f& eclipticMatrix, double& lastJulianDay,
                      double julianDay);

// Number of the position theories: 0 Kepler, 1..8 Mercury..Neptune, 9 Pluto,
// 10 the Moon.
constexpr int kTheoryCount = 11;
constexpr int kTheoryPluto = 9;
constexpr int kTheoryMoon = 10;

// Kilometres in one astronomical unit, and in one Earth radius as the bodies'
// radii are counted.
constexpr double kAstronomicalUnitKm = 1.495979e8;
constexpr double kEarthRadiusKm = 6378.137;
