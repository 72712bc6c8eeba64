#include "astro/reference_lines.h"

#include <cmath>

#include "astro/angles.h"

namespace {
constexpr double kLineRadius = 149597900000.0;
constexpr float kTurnBound = 6.284185307179587f;  // a turn and a little (2 pi + 0.001)

// trunc(32768 |c| / |v|) with the sign of c.
int32_t UnitQ15(double c, double n) {
    int32_t q = static_cast<int32_t>(std::sqrt(n * c * c) * 32768);
    return c < 0 ? -q : q;
}

void SetUnitVector(SkyPoint& p) {
    double sum = p.x * p.x + p.y * p.y + p.z * p.z;
    if (!(sum > 0) || !std::isfinite(sum)) {
        p.X = p.Y = p.Z = 0;
        return;
    }
    double n = 1 / sum;
    p.X = UnitQ15(p.x, n);
    p.Y = UnitQ15(p.y, n);
    p.Z = UnitQ15(p.z, n);
}

SkyPoint SkyAt(float a, float b) {
    SkyPoint p;
    p.a = a;
    p.b = b;
    MakeSkyPoint(p, kLineRadius);
    return p;
}

SkyPoint EclipticAt(float a, float b, const Mat3f& m) {
    SkyPoint p;
    p.a = a;
    p.b = b;
    MakeEclipticPoint(p, kLineRadius, m);
    return p;
}
}  // namespace

void MakeSkyPoint(SkyPoint& p, double r) {
    double a = p.a, b = p.b;
    p.x = std::cos(b) * std::cos(-a) * r;
    p.y = std::sin(b) * r;
    p.z = std::cos(b) * std::sin(-a) * r;
    SetUnitVector(p);
}

void MakeEclipticPoint(SkyPoint& p, double r, const Mat3f& m) {
    double a = p.a, b = p.b;
    Vec3f q = {static_cast<float>(std::cos(b) * std::cos(-a) * r), static_cast<float>(std::sin(b) * r),
               static_cast<float>(std::cos(b) * std::sin(-a) * r)};
    Vec3f t = Mat3Apply(m, q);
    p.x = t[2];
    p.y = -t[1];
    p.z = t[0];
    SetUnitVector(p);
}

void BuildReferenceLines(std::vector<CSkyLine>& gridLines, std::vector<CSkyLine>& eclipticLines,
                         float& gridStep, const Mat3f& eclipticMatrix, float spacing) {
    gridStep = spacing;
    // A finer grid would run to millions of segments, and a step that cannot
    // advance would never end the loops below.
    if (!(spacing >= kMinGridSpacing && spacing <= 360)) return;
    const float s = static_cast<float>(spacing * kDegToRad);
    const float t = static_cast<float>(0.1 * s);
    // Parallels.
    for (float b = 0; b <= kTurnBound; b += s)
        for (float a = 0; a <= kTurnBound; a += t)
            gridLines.emplace_back(SkyAt(a, b), SkyAt(a + t, b));
    // Meridians, each a whole great circle; the one at 0 is left out.
    for (float a = 0; a <= kTurnBound; a += s) {
        if (a == 0) continue;
        for (float b = 0; b <= kTurnBound; b += t)
            gridLines.emplace_back(SkyAt(a, b), SkyAt(a, b + t));
    }
    // The ecliptic; its last segment passes a full turn and closes the circle.
    for (float a = 0; a <= kTurnBound; a += t) {
        if (a == 0) continue;
        eclipticLines.emplace_back(EclipticAt(a, 0, eclipticMatrix),
                                   EclipticAt(a + t, 0, eclipticMatrix));
    }
}
