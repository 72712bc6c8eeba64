#include "astro/topocentric.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/frames.h"

namespace {
double Dot(const std::array<double, 3>& a, const Vec3f& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
}  // namespace

TopocentricPlace PlaceFromEye(const std::array<double, 3>& bodyKm, const std::array<double, 3>& eyeKm,
                              const Vec3f& zenith, const Vec3f& east, const Vec3f& south) {
    std::array<double, 3> d = {bodyKm[0] - eyeKm[0], bodyKm[1] - eyeKm[1], bodyKm[2] - eyeKm[2]};
    TopocentricPlace place;
    place.distanceKm = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (place.distanceKm == 0) return place;
    // Body-position frame: x to 6h, y to the pole, z to 0h.
    place.rightAscensionHours = WrapAngle(std::atan2(d[0], d[2]) * kRadToDeg, 360.0) / 15.0;
    place.declinationDeg = std::atan2(d[1], std::hypot(d[0], d[2])) * kRadToDeg;
    // The observer frame is in the sky frame.
    std::array<double, 3> sky = SkyFromBody(d);
    double up = Dot(sky, zenith), toEast = Dot(sky, east), toNorth = -Dot(sky, south);
    double horizontal = std::hypot(toEast, toNorth);
    place.altitudeDeg = std::atan2(up, horizontal) * kRadToDeg;
    // Straight up or down (within the float frame's rounding) has no azimuth: 0.
    if (horizontal > 1e-6 * place.distanceKm)
        place.azimuthDeg = WrapAngle(std::atan2(toEast, toNorth) * kRadToDeg, 360.0);
    return place;
}
