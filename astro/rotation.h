#pragma once
// Double-precision 3-vectors and row-major 3 x 3 matrices for the frames of
// date, and the three frame rotations. These act on ordinary right-handed
// coordinates (x to the equinox, z to the pole), not on the body-position
// frame; BodyFromStandard turns the result into that frame.

#include <array>

using Vec3d = std::array<double, 3>;
using Mat3d = std::array<double, 9>;  // row-major: m[row * 3 + column]

constexpr Mat3d kIdentity3d = {1, 0, 0, 0, 1, 0, 0, 0, 1};

// The frame rotations R1, R2, R3 (about x, y, z) by angle a (radians): they
// turn the frame, so a vector fixed in space gets the coordinates R v.
Mat3d FrameRotation1(double a);
Mat3d FrameRotation2(double a);
Mat3d FrameRotation3(double a);

// a b, a v, the transpose of a.
Mat3d Mat3Multiply(const Mat3d& a, const Mat3d& b);
Vec3d Mat3Apply(const Mat3d& m, const Vec3d& v);
Mat3d Mat3Transpose(const Mat3d& m);

// |v|, v / |v| (a zero vector stays zero).
double Vec3Norm(const Vec3d& v);
Vec3d Vec3Unit(const Vec3d& v);

// Standard coordinates (x to the equinox, y to right ascension 6h, z to the
// pole) into the body-position frame (x to 6h, y to the pole, z to the
// equinox), and back.
inline Vec3d BodyFromStandard(const Vec3d& s) { return {s[1], s[2], s[0]}; }
inline Vec3d StandardFromBody(const Vec3d& b) { return {b[2], b[0], b[1]}; }

// A unit vector from spherical angles (radians), and back (longitude in
// [0, 2 pi)).
Vec3d UnitFromAngles(double longitude, double latitude);
void AnglesFromVector(const Vec3d& v, double& longitude, double& latitude);
