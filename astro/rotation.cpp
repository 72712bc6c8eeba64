#include "astro/rotation.h"

#include <cmath>

#include "astro/angles.h"

DMat3 FrameRotation1(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {1, 0, 0, 0, c, s, 0, -s, c};
}

DMat3 FrameRotation2(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {c, 0, -s, 0, 1, 0, s, 0, c};
}

DMat3 FrameRotation3(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {c, s, 0, -s, c, 0, 0, 0, 1};
}

DMat3 Mat3Multiply(const DMat3& a, const DMat3& b) {
    DMat3 m{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r * 3 + c] = a[r * 3] * b[c] + a[r * 3 + 1] * b[3 + c] + a[r * 3 + 2] * b[6 + c];
    return m;
}

DVec3 Mat3Apply(const DMat3& m, const DVec3& v) {
    return {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
            m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
}

DMat3 Mat3Transpose(const DMat3& m) { return {m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8]}; }

double Vec3Norm(const DVec3& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

DVec3 Vec3Unit(const DVec3& v) {
    const double n = Vec3Norm(v);
    if (n == 0) return v;
    return {v[0] / n, v[1] / n, v[2] / n};
}

DVec3 UnitFromAngles(double longitude, double latitude) {
    const double cb = std::cos(latitude);
    return {cb * std::cos(longitude), cb * std::sin(longitude), std::sin(latitude)};
}

void AnglesFromVector(const DVec3& v, double& longitude, double& latitude) {
    longitude = WrapAngle(std::atan2(v[1], v[0]), 2 * kPi);
    latitude = std::atan2(v[2], std::hypot(v[0], v[1]));
}
