#pragma once
// Where the observer's eye is: on the surface of the body the observer stands
// on, under the local zenith, or at the body's centre in VR mode. The sky view
// places its eye with PlaceEye on every paint; `lumo ephemeris` uses the same
// placement.

#include <array>

#include "astro/aim.h"
#include "astro/planet.h"
#include "astro/vec3.h"

// The eye's offset from the observer body's centre, km, body-position frame:
// the body's radius (Earth radii × 6378.137 km) along the zenith, the zenith
// (a sky-frame vector from LocalFrame) first turned into the body-position
// frame; zero when atCentre is set.
std::array<double, 3> EyeOffsetKm(const CPlanet& observer, const Vec3f& zenithSky, bool atCentre);

// The eye, km, body-position frame: the body's position plus EyeOffsetKm.
std::array<double, 3> EyePositionKm(const CPlanet& observer, const Vec3f& zenithSky, bool atCentre);

// The sky view's eye, units of 100 km, body-position frame: the body's
// position × 0.01 truncated, plus each component of the offset × 0.01
// truncated on its own. Components beyond the 32-bit range are held at its
// ends.
EyeHundredKm PlaceEye(const CPlanet& observer, const Vec3f& zenithSky, bool atCentre);
