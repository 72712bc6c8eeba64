#pragma once
// Q15 3 x 3 matrices (32767 = 1.0, row by row) for the camera and the 3D
// engine. Every product of two Q15 values is shifted right by 15 (arithmetic)
// as it is formed. Output arguments may alias inputs.

#include "engine/fixed_point.h"

// Rotation from three angles (1/32768 turn), with sa = Sin(a), ca = Cos(a)...:
//   row 0 = (sc sb sa + cc ca, -cb sa, sb sa cc - sc ca)
//   row 1 = (cc sa - sc sb ca, ca cb, -(sc sa + cc sb ca))
//   row 2 = (sc cb, sb, cc cb)
// With b = c = 0 it turns the x-y plane by a.
MatQ15 MatFromAngles(Angle a, Angle b, Angle c);
// out = a x b, each of the three products per element shifted before summing.
void MatMul(MatQ15& out, const MatQ15& a, const MatQ15& b);
// out = b x transpose(a).
void MatMulByTranspose(MatQ15& out, const MatQ15& a, const MatQ15& b);
void MatTranspose(MatQ15& out, const MatQ15& a);
// m v: per row, the 64-bit dot product of the row with v, shifted right by 15.
Vec3i MatVec(const MatQ15& m, Vec3i v);
