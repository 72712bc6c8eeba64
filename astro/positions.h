#pragma once
// The position update of the solar system: every body of the body table placed
// for one Julian day.

#include "astro/apparent.h"
#include "astro/planet.h"
#include "astro/vec3.h"

// Which places ComputePositions produces: apparent places of date (true
// equator and equinox of date, light time, aberration, nutation), or
// astrometric places (J2000 equator, light time only).
enum class PositionKind { kApparent, kAstrometric };

// Places every body of planets for a Julian day (UT), in body-table order
// (parents before their moons), and sets each body's rotation angle and delta
// rotation:
// - m_dPos, km, body-position frame: each body at the Earth's heliocentric
//   place plus its geocentric vector, so that body minus Earth is the
//   body's place as seen from the Earth's centre (the Sun is therefore off
//   the origin by the aberration). Series run at TT (UT + Delta T). Theory
//   1..8 the planetary series and 9 Pluto, with light time; 10 the Moon
//   round its parent (the series includes its light time); 11 a planetary
//   moon from its mean elements (found by the record's name) round its
//   parent, at the parent's light time; 0 (or a theory 11 without elements)
//   a Kepler orbit from the record's elements, round its parent in parent
//   radii, else round the Sun in AU;
// - m_dRotationAngle, radians: the Earth's apparent sidereal angle (GAST plus
//   a quarter turn) for every body round the Sun; a moon turns with its
//   orbit, keeping its prime meridian towards its planet;
// - m_fDeltaRotation, degrees: the surface's turn from the spin rate and the
//   body's heliocentric azimuth (shown in the body's information).
// lastJulianDay is the document's cache: nothing is done when julianDay
// equals it exactly, and it is set to julianDay afterwards (a NaN cache never
// matches). A parent index that does not name an earlier body is taken as 0
// (the Sun), and an unknown theory as 0, so a damaged record cannot reach
// outside the array. frame, when given, receives the frame of date used.
// Called on every paint of the sky view.
void ComputePositions(PlanetArray& planets, double& lastJulianDay, double julianDay,
                      PositionKind kind = PositionKind::kApparent, FrameOfDate* frame = nullptr);

// Number of the position theories: 0 Kepler, 1..8 Mercury..Neptune, 9 Pluto,
// 10 the Moon, 11 a planetary moon's mean elements.
constexpr int kTheoryCount = 12;
constexpr int kTheoryPluto = 9;
constexpr int kTheoryMoon = 10;
constexpr int kTheoryMoonElements = 11;

// Kilometres in one astronomical unit, and in one Earth radius as the bodies'
// radii are counted.
constexpr double kAstronomicalUnitKm = 1.495979e8;
constexpr double kEarthRadiusKm = 6378.137;
