#include "engine/vector_q15.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/trig_tables.h"

namespace {

int64_t Abs64(int64_t v) { return v < 0 ? -v : v; }
int32_t Sign(int64_t v) { return v < 0 ? -1 : 1; }

// Floor of the square root of a 64-bit value, exact.
uint64_t IntegerSqrt(uint64_t n) {
    uint64_t r = static_cast<uint64_t>(std::sqrt(static_cast<long double>(n)));
    while (static_cast<unsigned __int128>(r) * r > n) --r;
    while (static_cast<unsigned __int128>(r + 1) * (r + 1) <= n) ++r;
    return r;
}

// One component of Normalize128 and Normalize90: sqrt(c^2 / sum) on the
// table's scale, brought to the caller's length by >> 8.
int32_t TableUnitComponent(int64_t c, int64_t sum) {
    const int64_t index = std::clamp<int64_t>((c * c / sum) * 128, 0, kSqrtTableSize - 1);
    const int32_t magnitude = SqrtTable[static_cast<size_t>(index)] >> 8;
    return c < 0 ? -magnitude : magnitude;
}

bool IsZero(Vec3i v) { return v.x == 0 && v.y == 0 && v.z == 0; }

}  // namespace

int32_t MulQ15(int32_t a, int32_t b) {
    int32_t shifts = 0;
    while (Abs64(a) > 32767) {
        a >>= 1;
        ++shifts;
    }
    while (Abs64(b) > 32767) {
        b >>= 1;
        ++shifts;
    }
    const int32_t product = a * b;  // both fit in 15 bits and a sign
    return shifts > 15 ? product >> 31 : product >> (15 - shifts);
}

Vec3i Normalize(Vec3i v) {
    int64_t c[3] = {v.x, v.y, v.z};
    int64_t largest = std::max({Abs64(c[0]), Abs64(c[1]), Abs64(c[2])});
    if (largest == 0) return Vec3i{};
    // Scale up (exactly) until the largest component has 31 significant
    // bits, so the integer square root keeps full precision.
    int shift = 0;
    while ((largest << shift) < (int64_t{1} << 30)) ++shift;
    uint64_t sumOfSquares = 0;
    for (int64_t& component : c) {
        component *= int64_t{1} << shift;
        sumOfSquares += static_cast<uint64_t>(component * component);  // <= 3 * 2^62
    }
    uint64_t length = IntegerSqrt(sumOfSquares);
    if (sumOfSquares - length * length > length) ++length;  // round to nearest
    const int64_t len = static_cast<int64_t>(length);
    int32_t out[3];
    for (int i = 0; i < 3; ++i) {
        out[i] = Sign(c[i]) * static_cast<int32_t>((Abs64(c[i]) * 32767 + len / 2) / len);
    }
    return Vec3i{out[0], out[1], out[2]};
}

Vec3i Normalize128(Vec3i v) {
    if (IsZero(v)) return v;
    int64_t x = v.x, y = v.y, z = v.z;
    auto sumOver256 = [&] {
        return (static_cast<uint64_t>(x * x) + static_cast<uint64_t>(y * y) +
                static_cast<uint64_t>(z * z)) / 256;
    };
    while (sumOver256() < 32) {
        x *= 2;
        y *= 2;
        z *= 2;
    }
    const int64_t sum = x * x / 256 + y * y / 256 + z * z / 256;
    return Vec3i{TableUnitComponent(x, sum), TableUnitComponent(y, sum),
                 TableUnitComponent(z, sum)};
}

Vec3i Normalize90(Vec3i v) {
    if (IsZero(v)) return v;
    int64_t x = v.x, y = v.y, z = v.z;
    auto sum = [&] { return ((x * x) >> 7) + ((y * y) >> 7) + ((z * z) >> 7); };
    while (sum() < 32) {
        x *= 16;
        y *= 16;
        z *= 16;
    }
    const int64_t s = sum();
    return Vec3i{TableUnitComponent(x, s), TableUnitComponent(y, s), TableUnitComponent(z, s)};
}

Vec3i Cross128(Vec3i a, Vec3i b) {
    auto p = [](int64_t u, int64_t w) { return (u * w) >> 7; };
    return Vec3i{static_cast<int32_t>(p(a.y, b.z) - p(a.z, b.y)),
                 static_cast<int32_t>(p(a.z, b.x) - p(a.x, b.z)),
                 static_cast<int32_t>(p(a.x, b.y) - p(a.y, b.x))};
}

Vec3i CrossQ15(Vec3i a, Vec3i b) {
    return Vec3i{MulQ15(a.y, b.z) - MulQ15(a.z, b.y), MulQ15(a.z, b.x) - MulQ15(a.x, b.z),
                 MulQ15(a.x, b.y) - MulQ15(a.y, b.x)};
}

Vec3d UnitVector127(double x, double y, double z) {
    const double length = std::hypot(x, y, z);
    if (!(length > 0) || !std::isfinite(length)) return Vec3d{};
    auto scale = [&](double c) { return std::clamp(c / length * 127, -127.0, 127.0); };
    return Vec3d{scale(x), scale(y), scale(z)};
}
