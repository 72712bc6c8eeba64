#pragma once
// Double-precision 3-vectors and row-major 3 x 3 matrices for the frames of
// date, and the three frame rotations. These act on ordinary right-handed
// coordinates (x to the equinox, z to the pole), not on the body-position
// frame; BodyFromStandard turns the result into that frame.

#include <array>

using DVec3 = std::array<double, 3>;
using DMat3 = std::array<double, 9>;  // row-major: m[row * 3 + column]

constexpr DMat3 kDIdentity3 = {1, 0, 0, 0, 1, 0, 0, 0, 1};

// The frame rotations R1, R2, R3 (about x, y, z) by angle a (radians): they
// turn the frame, so a vector fixed in space gets the coordinates R v.
DMat3 FrameRotation1(double a);
DMat3 FrameRotation2(double a);
DMat3 FrameRotation3(double a);

// a b, a v, the transpose of a.
DMat3 Mat3Multiply(const DMat3& a, const DMat3& b);
DVec3 Mat3Apply(const DMat3& m, const DVec3& v);
DMat3 Mat3Transpose(const DMat3& m);

// |v|, v / |v| (a zero vector stays zero).
double Vec3Norm(const DVec3& v);
DVec3 Vec3Unit(const DVec3& v);

// Standard coordinates (x to the equinox, y to right ascension 6h, z to the
// pole) into the body-position frame (x to 6h, y to the pole, z to the
// equinox), and back.
inline DVec3 BodyFromStandard(const DVec3& s) { return {s[1], s[2], s[0]}; }
inline DVec3 StandardFromBody(const DVec3& b) { return {b[2], b[0], b[1]}; }

// A unit vector from spherical angles (radians), and back (longitude in
// [0, 2 pi)).
DVec3 UnitFromAngles(double longitude, double latitude);
void AnglesFromVector(const DVec3& v, double& longitude, double& latitude);
