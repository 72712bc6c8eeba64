#include "astro/positions.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/kepler.h"
#include "astro/moon.h"
#include "astro/planet_series.h"
#include "astro/pluto.h"
#include "astro/sidereal.h"

namespace {
using SeriesRoutine = void (*)(double, double&, double&, double&);

// The series routine of each theory index; 0 is the Kepler orbit.
constexpr SeriesRoutine kSeries[kTheoryCount] = {
    nullptr,        MercuryPosition, VenusPosition,   EarthPosition,
    MarsPosition,   JupiterPosition, SaturnPosition,  UranusPosition,
    NeptunePosition, PlutoPosition,  MoonPosition};

using Vec3d = double[3];

// Ecliptic spherical (L, B radians, R) to the ecliptic Cartesian form of the
// body-position frame: z to the equinox, y to the ecliptic pole.
void FromSeries(SeriesRoutine routine, double jd, Vec3d out) {
    double L, B, R;
    routine(jd, L, B, R);
    out[0] = R * std::cos(B) * std::sin(L);
    out[1] = R * std::sin(B);
    out[2] = R * std::cos(B) * std::cos(L);
}

// A Kepler orbit from the record's elements, in the record's distance unit.
// The mean motion, epoch longitude and perihelion are used as radians as they
// stand; the node field is the orbit's inclination.
void FromOrbit(const CPlanet& p, double jd, Vec3d out) {
    double e = p.m_fEccentricity;
    double M = p.m_fMeanMotion * jd + p.m_fEpochLongitude - p.m_fPerihelion;
    double E = SolveKepler(M, e);
    double r = (1 - e * std::cos(E)) * p.m_fMeanDistance;
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    double node = p.m_fAscendingNode, perihelion = p.m_fPerihelion, incl = p.m_fNode;
    double u = perihelion + nu - node;
    out[0] = r * (std::cos(u) * std::cos(node) - std::cos(incl) * std::sin(u) * std::sin(node));
    out[1] = r * std::sin(incl) * std::sin(u);
    out[2] = -r * (std::cos(incl) * std::sin(u) * std::cos(node) + std::cos(u) * std::sin(node));
}

// Ecliptic to equatorial, in single precision.
void ToEquatorial(const Mat3f& m, Vec3d v) {
    Vec3f q = Mat3Apply(m, {static_cast<float>(v[0]), static_cast<float>(v[1]),
                            static_cast<float>(v[2])});
    for (int k = 0; k < 3; ++k) v[k] = q[k];
}

// A moon's coordinates (in parent radii, or Earth-radius units for the Moon)
// turned into km around its parent P.
void AroundParent(const CPlanet& moon, const CPlanet& P, Vec3d v) {
    for (int k = 0; k < 3; ++k) v[k] = v[k] * static_cast<double>(P.m_fRadius) * kEarthRadiusKm;
    const double* pp = P.m_dPos;
    if (moon.m_nTheory != 0) {
        for (int k = 0; k < 3; ++k) v[k] += pp[k];
        return;
    }
    // A Kepler moon: its orbit turned towards the Sun-parent direction and
    // tilted by the parent's rotation-rate field taken as an angle.
    double psi = -std::atan2(pp[0], pp[2]);
    double x = v[0] * std::cos(psi) + v[2] * std::sin(psi);
    double z = v[2] * std::cos(psi) - v[0] * std::sin(psi);
    double y = v[1];
    double tau = P.m_fRotationRate * kDegToRad + moon.m_fNode;
    v[0] = pp[0] + x;
    v[1] = pp[1] + z * std::sin(tau) + y * std::cos(tau);
    v[2] = pp[2] - y * std::sin(tau) + z * std::cos(tau);
}

void PlaceBody(PlanetArray& planets, size_t index, const Mat3f& ecliptic, double jd) {
    CPlanet& body = *planets[index];
    int theory = body.m_nTheory > 0 && body.m_nTheory < kTheoryCount ? body.m_nTheory : 0;
    Vec3d v;
    if (theory != 0)
        FromSeries(kSeries[theory], jd, v);
    else
        FromOrbit(body, jd, v);
    ToEquatorial(ecliptic, v);
    int parent = body.m_nParent;
    if (parent > 0 && static_cast<size_t>(parent) < index) {
        AroundParent(body, *planets[parent], v);
    } else {
        for (double& c : v) c *= kAstronomicalUnitKm;
    }
    for (int k = 0; k < 3; ++k) body.m_dPos[k] = v[k];
}
}  // namespace

void ComputePositions(PlanetArray& planets, const Mat3f& eclipticMatrix, double& lastJulianDay,
                      double jd) {
    if (jd == lastJulianDay) return;
    double rotation = SiderealAngle(jd);
    for (size_t i = 0; i < planets.size(); ++i) {
        PlaceBody(planets, i, eclipticMatrix, jd);
        CPlanet& body = *planets[i];
        double azimuth = std::atan2(body.m_dPos[2], body.m_dPos[0]) * kRadToDeg;
        body.m_dRotationAngle = rotation;
        // 0.002775830825458084 is 1/360.252502; the inclination field is the rate.
        body.m_fDeltaRotation = static_cast<float>(
            Frac(jd * 0.002775830825458084 * body.m_fInclination) * 360 - azimuth + 85.0);
    }
    lastJulianDay = jd;
}
