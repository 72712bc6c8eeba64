#pragma once
// Number formats of the engine and the sky view's camera. Everything drawn
// per star, per line and per pixel is integer fixed point.
//
// Q15: 32767 stands for 1.0 (unit vectors, camera rows, matrices).
// Angle: 32768 units per full turn (8192 a quarter turn); angles wrap modulo
// 32768, bits 13 and 14 giving the quadrant.

#include <array>
#include <cstdint>

using Q15 = int32_t;
using Angle = int32_t;

constexpr Q15 kQ15One = 32767;
constexpr Angle kAngleFullTurn = 32768;
constexpr Angle kAngleQuarterTurn = 8192;

// An integer vector; its frame and scale are the caller's (Q15 unit vectors,
// camera space, sky frame ...).
struct Vec3i {
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;
    friend bool operator==(const Vec3i&, const Vec3i&) = default;
};

struct Vec3d {
    double x = 0;
    double y = 0;
    double z = 0;
};

// A 3 x 3 Q15 matrix, row by row: m[row * 3 + column].
using MatQ15 = std::array<int32_t, 9>;

constexpr MatQ15 kMatQ15Identity = {kQ15One, 0, 0, 0, kQ15One, 0, 0, 0, kQ15One};
