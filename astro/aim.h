#pragma once
// Aiming the view: the view angles that put a body or point at the centre of
// the Equatorial view, as seen from the eye.

#include <array>
#include <cstdint>

#include "astro/planet.h"

// The eye's position, units of 100 km, body-position frame (the sky window's
// m_vEye).
using EyeHundredKm = std::array<int32_t, 3>;

// Angle units of the view: 32768 to a turn; one radian is this many units.
constexpr double kAngleUnitsPerRadian = 5215.189175235227;

// Points the view from eye at (x, y, z) (km, body-position frame): sets
// viewElevation to minus the declination and viewAzimuth to the right
// ascension of the direction (view angle units, azimuth in (-16384, 16384]),
// and viewMode to 0 (Equatorial). A direction straight up or down the pole
// gets azimuth 0; rounding can never push the arc cosine out of its domain.
// Does nothing while observerOnBody is set (in VR mode the view stays free).
void AimAtPoint(float x, float y, float z, const EyeHundredKm& eye, int32_t observerOnBody,
                int32_t& viewElevation, int32_t& viewAzimuth, int32_t& viewMode);

// AimAtPoint towards a body's position; nothing when body is null.
void AimAt(const CPlanet* body, const EyeHundredKm& eye, int32_t observerOnBody,
           int32_t& viewElevation, int32_t& viewAzimuth, int32_t& viewMode);
