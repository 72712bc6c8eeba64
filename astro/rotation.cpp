#include "astro/rotation.h"

#include <cmath>

#include "astro/angles.h"

Mat3d FrameRotation1(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {1, 0, 0, 0, c, s, 0, -s, c};
}

Mat3d FrameRotation2(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {c, 0, -s, 0, 1, 0, s, 0, c};
}

Mat3d FrameRotation3(double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {c, s, 0, -s, c, 0, 0, 0, 1};
}

Mat3d Mat3Multiply(const Mat3d& a, const Mat3d& b) {
    Mat3d m{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r * 3 + c] = a[r * 3] * b[c] + a[r * 3 + 1] * b[3 + c] + a[r * 3 + 2] * b[6 + c];
    return m;
}

Vec3d Mat3Apply(const Mat3d& m, const Vec3d& v) {
    return {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
            m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
}

Mat3d Mat3Transpose(const Mat3d& m) { return {m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8]}; }

double Vec3Norm(const Vec3d& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

Vec3d Vec3Unit(const Vec3d& v) {
    const double n = Vec3Norm(v);
    if (n == 0) return v;
    return {v[0] / n, v[1] / n, v[2] / n};
}

Vec3d UnitFromAngles(double longitude, double latitude) {
    const double cb = std::cos(latitude);
    return {cb * std::cos(longitude), cb * std::sin(longitude), std::sin(latitude)};
}

void AnglesFromVector(const Vec3d& v, double& longitude, double& latitude) {
    longitude = WrapAngle(std::atan2(v[1], v[0]), 2 * kPi);
    latitude = std::atan2(v[2], std::hypot(v[0], v[1]));
}
