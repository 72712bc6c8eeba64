#include "astro/aim.h"

#include <algorithm>
#include <cmath>

#include "astro/vec3.h"

void AimAtPoint(float x, float y, float z, const EyeHundredKm& eye, int32_t observerOnBody,
                int32_t& viewElevation, int32_t& viewAzimuth, int32_t& viewMode) {
    if (observerOnBody) return;
    // From the eye to the point, y turned over so that the elevation is minus
    // the declination; in units of 100 km.
    Vec3f d = {static_cast<float>(x * 0.01 - eye[0]), static_cast<float>(eye[1] - y * 0.01),
               static_cast<float>(z * 0.01 - eye[2])};
    d = Vec3Normalize(d);
    double elevation = std::asin(std::clamp(static_cast<double>(d[1]), -1.0, 1.0));
    double azimuth = 0;  // straight up or down the pole: any azimuth does, take 0
    if (d[0] != 0 || d[2] != 0) {
        double magnitude = std::acos(std::clamp(d[2] / std::cos(elevation), -1.0, 1.0));
        azimuth = d[0] >= 0 ? magnitude : -magnitude;
    }
    viewElevation = static_cast<int32_t>(elevation * kAngleUnitsPerRadian);
    viewAzimuth = static_cast<int32_t>(azimuth * kAngleUnitsPerRadian);
    viewMode = 0;
}

void AimAt(const CPlanet* body, const EyeHundredKm& eye, int32_t observerOnBody,
           int32_t& viewElevation, int32_t& viewAzimuth, int32_t& viewMode) {
    if (!body) return;
    AimAtPoint(static_cast<float>(body->m_dPos[0]), static_cast<float>(body->m_dPos[1]),
               static_cast<float>(body->m_dPos[2]), eye, observerOnBody, viewElevation,
               viewAzimuth, viewMode);
}
