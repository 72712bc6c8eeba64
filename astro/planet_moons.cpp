#include "astro/planet_moons.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/kepler.h"

namespace {
// A vector turned by +q (radians) about z or x, as the element rotations are
// stated (the vector turns, not the frame).
DVec3 TurnZ(double q, const DVec3& v) {
    const double c = std::cos(q), s = std::sin(q);
    return {v[0] * c - v[1] * s, v[0] * s + v[1] * c, v[2]};
}
DVec3 TurnX(double q, const DVec3& v) {
    const double c = std::cos(q), s = std::sin(q);
    return {v[0], v[1] * c - v[2] * s, v[1] * s + v[2] * c};
}
}  // namespace

const MoonElements* FindMoonElements(std::string_view name) {
    for (const MoonElements& m : MoonElementRows())
        if (name == m.name) return &m;
    return nullptr;
}

DVec3 PlanetMoonOffsetKm(const MoonElements& m, double jde) {
    const double dt = jde - m.epochJd;
    // Periapsis and node rates, degrees per day; the mean anomaly advances at
    // n less both (the node's sign turned for a retrograde orbit).
    const double wDot = m.periapsisSense * 360.0 / (m.periapsisPeriodYears * 365.25);
    const double nodeDot = m.nodeSense * 360.0 / (m.nodePeriodYears * 365.25);
    const double s = m.iDeg < 90 ? 1.0 : -1.0;
    const double w = (m.wDeg + wDot * dt) * kDegToRad;
    const double node = (m.nodeDeg + nodeDot * dt) * kDegToRad;
    const double M = Reduce360(m.mDeg + (m.nDegPerDay - wDot - s * nodeDot) * dt) * kDegToRad;
    const double E = SolveKepler(M, m.e);
    DVec3 r = {m.aKm * (std::cos(E) - m.e), m.aKm * std::sqrt(1 - m.e * m.e) * std::sin(E), 0};
    r = TurnZ(w, r);
    r = TurnX(m.iDeg * kDegToRad, r);
    r = TurnZ(node, r);
    r = TurnX((90 - m.poleDecDeg) * kDegToRad, r);
    return TurnZ((m.poleRaDeg + 90) * kDegToRad, r);
}
