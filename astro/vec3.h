#pragma once
// Single-precision vectors and row-major 3 x 3 matrices, as the observer frame
// and the obliquity matrix use them.

#include <array>

using Vec3f = std::array<float, 3>;
using Mat3f = std::array<float, 9>;  // row-major: m[row * 3 + column]

constexpr Mat3f kIdentity3f = {1, 0, 0, 0, 1, 0, 0, 0, 1};
