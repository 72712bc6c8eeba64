#include "astro/eye.h"

#include <cmath>
#include <limits>

#include "astro/frames.h"
#include "astro/positions.h"

namespace {
// trunc(v), held inside the int32 range (NaN gives 0).
int32_t TruncToInt32(double v) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (!(v == v)) return 0;
    if (v <= lo) return std::numeric_limits<int32_t>::min();
    if (v >= hi) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}
}  // namespace

std::array<double, 3> EyeOffsetKm(const CPlanet& observer, const Vec3f& zenithSky, bool atCentre) {
    if (atCentre) return {0, 0, 0};
    double radiusKm = static_cast<double>(observer.m_fRadius) * kEarthRadiusKm;
    Vec3f zenithBody = BodyFromSky(zenithSky);
    return {zenithBody[0] * radiusKm, zenithBody[1] * radiusKm, zenithBody[2] * radiusKm};
}

std::array<double, 3> EyePositionKm(const CPlanet& observer, const Vec3f& zenithSky, bool atCentre) {
    std::array<double, 3> eye = EyeOffsetKm(observer, zenithSky, atCentre);
    for (int k = 0; k < 3; ++k) eye[k] += observer.m_dPos[k];
    return eye;
}

EyeHundredKm PlaceEye(const CPlanet& observer, const Vec3f& zenithSky, bool atCentre) {
    std::array<double, 3> offset = EyeOffsetKm(observer, zenithSky, atCentre);
    EyeHundredKm eye;
    for (int k = 0; k < 3; ++k)
        eye[k] = TruncToInt32(TruncToInt32(observer.m_dPos[k] * 0.01) + std::trunc(offset[k] * 0.01));
    return eye;
}
