#include "engine/trig_tables.h"

#include <algorithm>
#include <cmath>

namespace {

std::array<int32_t, kCosTableSize> g_cos{};
std::array<int32_t, kAcosTableSize> g_acos{};
std::array<int32_t, kSqrtTableSize> g_sqrt{};
bool g_tablesBuilt = false;

// The constants of the tables, as the engine has always used them.
constexpr double kHalfPi = 1.57079635;
constexpr double kTwoPi = 6.2831854;

constexpr int kTableMask = 8191;  // the low 13 bits of an angle index the tables

int32_t Quadrant(Angle a) { return (a >> 13) & 3; }

// Table index for Acos and Asin: |v| in Q15 scaled to the table's 8192 steps.
int32_t AcosIndex(Q15 magnitude) { return std::min(magnitude >> 2, kTableMask); }

}  // namespace

const std::array<int32_t, kCosTableSize>& CosTable = g_cos;
const std::array<int32_t, kAcosTableSize>& AcosTable = g_acos;
const std::array<int32_t, kSqrtTableSize>& SqrtTable = g_sqrt;

void EngineTablesInit() {
    if (g_tablesBuilt) return;
    g_tablesBuilt = true;
    for (int i = 0; i < kCosTableSize; ++i) {
        const int32_t c = static_cast<int32_t>(std::cos(i * kHalfPi / 8192) * 32767);
        g_cos[i] = std::clamp(c, -32767, 32767);
    }
    for (int i = 0; i < kAcosTableSize; ++i) {
        const double x = i / 8192.0;
        if (x > 1.0) {
            g_acos[i] = 0;
            continue;
        }
        g_acos[i] = static_cast<int32_t>(std::clamp(std::acos(x) / kTwoPi * 32767, -32767.0, 32767.0));
    }
    for (int i = 0; i < kSqrtTableSize; ++i) {
        const int32_t s = static_cast<int32_t>(std::sqrt(i / 32768.0) * 32767);
        g_sqrt[i] = std::clamp(s, 0, 32767);
    }
}

Q15 Cos(Angle a) {
    const int32_t j = a & kTableMask;
    switch (Quadrant(a)) {
        case 0: return g_cos[j];
        case 1: return -g_cos[kTableMask - j];
        case 2: return -g_cos[j];
        default: return g_cos[kTableMask - j];
    }
}

Q15 Sin(Angle a) {
    const int32_t j = a & kTableMask;
    switch (Quadrant(a)) {
        case 0: return g_cos[kTableMask - j];
        case 1: return g_cos[j];
        case 2: return -g_cos[kTableMask - j];
        default: return -g_cos[j];
    }
}

// Negations are formed in 64 bits so that the most negative value is safe.
Angle Acos(Q15 v) {
    if (v >= 0) return g_acos[AcosIndex(v)];
    return 16383 - g_acos[AcosIndex(static_cast<int32_t>(std::min<int64_t>(-int64_t{v}, INT32_MAX)))];
}

Angle Asin(Q15 v) {
    if (v >= 0) return 8191 - g_acos[AcosIndex(v)];
    return g_acos[AcosIndex(static_cast<int32_t>(std::min<int64_t>(-int64_t{v}, INT32_MAX)))] - 8191;
}
