#include "astro/vec3.h"

#include <cassert>
#include <cmath>

Vec3f Vec3Negate(const Vec3f& v) { return {-v[0], -v[1], -v[2]}; }

Vec3f Vec3Cross(const Vec3f& a, const Vec3f& b) {
    return {a[1] * b[2] - a[2] * b[1], b[0] * a[2] - a[0] * b[2], a[0] * b[1] - b[0] * a[1]};
}

float Vec3Length(const Vec3f& v) {
    double x = v[0], y = v[1], z = v[2];
    return static_cast<float>(std::sqrt(x * x + y * y + z * z));
}

Vec3f Vec3Normalize(const Vec3f& v) {
    float length = Vec3Length(v);
    if (length == 0) return {1, 0, 1};
    float k = 1 / length;
    return {v[0] * k, v[1] * k, v[2] * k};
}

Vec3f Mat3Apply(const Mat3f& m, const Vec3f& v) {
    return {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
            m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
}

Mat3f Mat3PlaneRotation(int i, int j, double angle) {
    assert(i >= 0 && i < 3 && j >= 0 && j < 3 && i != j);
    Mat3f m = kIdentity3f;
    float c = static_cast<float>(std::cos(angle));
    float s = static_cast<float>(std::sin(angle));
    m[i * 3 + i] = c;
    m[j * 3 + i] = s;
    m[i * 3 + j] = -s;
    m[j * 3 + j] = c;
    return m;
}
