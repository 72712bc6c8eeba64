#pragma once
// Single-precision vectors and row-major 3 x 3 matrices, as the observer frame
// and the obliquity matrix use them.

#include <array>

using Vec3f = std::array<float, 3>;
using Mat3f = std::array<float, 9>;  // row-major: m[row * 3 + column]

constexpr Mat3f kIdentity3f = {1, 0, 0, 0, 1, 0, 0, 0, 1};

// -v.
Vec3f Vec3Negate(const Vec3f& v);
// The cross product a x b.
Vec3f Vec3Cross(const Vec3f& a, const Vec3f& b);
// sqrt(x^2 + y^2 + z^2), formed in double, returned as a float.
float Vec3Length(const Vec3f& v);
// v scaled to unit length. A zero vector gives (1, 0, 1): the observer frame
// and the aiming rely on that value, so it is kept rather than (1, 0, 0).
Vec3f Vec3Normalize(const Vec3f& v);
// m·v for a row-major matrix.
Vec3f Mat3Apply(const Mat3f& m, const Vec3f& v);
// A plane rotation by angle (radians) in the plane of axes i and j (0..2):
// the identity with m[i][i] = cos, m[j][i] = sin, m[i][j] = -sin, m[j][j] = cos
// (row, column). Mat3PlaneRotation(0, 1, obliquity) turns ecliptic coordinates
// of the body-position frame into equatorial ones.
Mat3f Mat3PlaneRotation(int i, int j, double angle);
