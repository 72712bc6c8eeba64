#pragma once
// Fixed-point vector helpers shared by the sky view's camera and the 3D engine.
// Q15 means 32767 = 1.0; the frame of every vector is the caller's.

#include "engine/fixed_point.h"

// Q15 product of two fixed-point values: both are first halved until they fit
// in 15 bits (a, then b), counting the halvings n, and the product is shifted
// right by 15 - n. When more than 15 halvings were needed the product is
// shifted right by 31 (the result is then 0 or -1).
int32_t MulQ15(int32_t a, int32_t b);

// The vector scaled to length 32767: each component is c * 32767 / |v|,
// rounded to nearest, with |v| from a 64-bit integer square root, so small
// components keep their value (a component of 1/1000 of the length becomes
// 33, not 0). The length comes out within 2 of 32767. Zero stays zero.
Vec3i Normalize(Vec3i v);

// The vector scaled to length about 128 through SqrtTable: a component c
// becomes sign(c) * SqrtTable[(c^2 / L) * 128] >> 8 with
// L = x^2/256 + y^2/256 + z^2/256 (index clamped to 0..32767); a vector with
// (x^2 + y^2 + z^2) / 256 below 32 is doubled until it is not. Zero stays zero.
Vec3i Normalize128(Vec3i v);

// As Normalize128 with L = (x^2 >> 7) + (y^2 >> 7) + (z^2 >> 7), giving a
// length of about 90.5 (128 / sqrt 2); a vector with L below 32 is multiplied
// by 16 until it is not. Zero stays zero.
Vec3i Normalize90(Vec3i v);

// Cross product of two vectors of length about 128, each product shifted
// right by 7 as it is formed (result length about 128 for perpendicular inputs).
Vec3i Cross128(Vec3i a, Vec3i b);
// Cross product of two Q15 vectors, each product formed by MulQ15.
Vec3i CrossQ15(Vec3i a, Vec3i b);

// Direction of (x, y, z) scaled to length 127, each component clamped to
// -127..127, in doubles. The sky view turns the Sun's direction into the
// light vector with it. A zero (or non-finite) vector gives zero.
Vec3d UnitVector127(double x, double y, double z);
