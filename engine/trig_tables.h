#pragma once
// The engine's lookup tables and the table-driven trigonometry built on them.
// EngineTablesInit fills the tables once at start-up, before any drawing;
// afterwards they are only read. Angles are in 1/32768 turn, values in Q15.

#include <array>
#include <cstdint>

#include "engine/fixed_point.h"

constexpr int kCosTableSize = 8224;
constexpr int kAcosTableSize = 8224;
constexpr int kSqrtTableSize = 32768;

// Entry i: clamp(int(cos(i * 1.57079635 / 8192) * 32767), -32767, 32767).
extern const std::array<int32_t, kCosTableSize>& CosTable;
// Entry i: int(acos(i / 8192) / 6.2831854 * 32767) clamped to +-32767, an
// angle in 1/32767 turn. Lookups stop at 8191; the entries above 8192, where
// the argument leaves acos's domain, are 0.
extern const std::array<int32_t, kAcosTableSize>& AcosTable;
// Entry i: clamp(int(sqrt(i / 32768) * 32767), 0, 32767).
extern const std::array<int32_t, kSqrtTableSize>& SqrtTable;

// Builds the three tables; a second call does nothing.
void EngineTablesInit();

// Cosine and sine of an angle (1/32768 turn, any value), in Q15.
Q15 Cos(Angle a);
Q15 Sin(Angle a);
// Inverse cosine of a Q15 value: an angle 0..16383 (1/32768 turn).
Angle Acos(Q15 v);
// Inverse sine of a Q15 value: an angle -8191..8191 (1/32768 turn).
Angle Asin(Q15 v);
