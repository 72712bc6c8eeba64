#pragma once
// Where a body stands as seen from the observer's eye: equatorial and
// horizontal coordinates of the straight line from the eye to the body at
// one instant (no light time, aberration, nutation or refraction, as
// everywhere in the program).

#include <array>

#include "astro/vec3.h"

struct TopocentricPlace {
    double rightAscensionHours = 0;  // [0, 24), equinox of the date
    double declinationDeg = 0;
    double distanceKm = 0;           // from the eye
    double altitudeDeg = 0;          // above the horizon plane of the eye
    double azimuthDeg = 0;           // [0, 360), from north through east
};

// The place of a body at bodyKm seen from eyeKm (both km, body-position
// frame), with the observer frame from LocalFrame (sky-frame unit vectors).
// A body at the eye itself gets zero angles and distance; one straight above
// or below the eye (within 1e-6 radian) gets azimuth 0.
TopocentricPlace PlaceFromEye(const std::array<double, 3>& bodyKm, const std::array<double, 3>& eyeKm,
                              const Vec3f& zenith, const Vec3f& east, const Vec3f& south);
