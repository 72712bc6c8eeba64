#include "astro/positions.h"

#include <cmath>
#include <vector>

#include "astro/angles.h"
#include "astro/kepler.h"
#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/planet_moons.h"
#include "astro/planet_series.h"
#include "astro/pluto.h"
#include "astro/time_scales.h"

namespace {
constexpr int kTheoryEarth = 3;
constexpr double kMoonSeriesUnitKm = 6378.0;  // the lunar series' distance unit

// What stays fixed over one update: the frame of date, the output frame and
// the Earth.
struct Chain {
    FrameOfDate frame;
    bool apparent = true;
    DMat3 eclipticToOut = kDIdentity3;   // mean ecliptic of date -> output equator
    DMat3 j2000ToOut = kDIdentity3;      // J2000 equator -> output equator
    DMat3 plutoToEcliptic = kDIdentity3;  // J2000 ecliptic -> mean ecliptic of date
    DVec3 earthAu{};                     // heliocentric, mean ecliptic of date
    SeriesInstant* series = nullptr;     // the planetary series at TT, shared
};

DVec3 Scaled(const DVec3& v, double s) { return {v[0] * s, v[1] * s, v[2] * s}; }
DVec3 Sum(const DVec3& a, const DVec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
DVec3 Difference(const DVec3& a, const DVec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

DVec3 FromSpherical(double L, double B, double R) { return Scaled(UnitFromAngles(L, B), R); }

// A Kepler ellipse from the record's elements, in its distance unit, in the
// ecliptic (standard coordinates); the mean longitude counts from J2000.0.
DVec3 KeplerOrbit(const CPlanet& p, double jde) {
    const double e = p.m_fEccentricity;
    const double perihelion = p.PerihelionLongitudeRad(), node = p.AscendingNodeRad();
    const double M = p.EpochLongitudeRad() + p.MeanMotionRadPerDay() * (jde - kJ2000) - perihelion;
    const double E = SolveKepler(std::remainder(M, 2 * kPi), e);
    const double x = p.m_fMeanDistance * (std::cos(E) - e);
    const double y = p.m_fMeanDistance * std::sqrt(std::max(0.0, 1 - e * e)) * std::sin(E);
    // Turn from the orbit plane (x to perihelion) by the argument of
    // perihelion, the inclination and the node.
    const DMat3 turn = Mat3Multiply(
        Mat3Multiply(FrameRotation3(-node), FrameRotation1(-p.OrbitInclinationRad())),
        FrameRotation3(-(perihelion - node)));
    return Mat3Apply(turn, {x, y, 0});
}

// Pluto or a Kepler orbit round the Sun: heliocentric, mean ecliptic of
// date, AU.
DVec3 Heliocentric(const Chain& c, const CPlanet& body, int theory, double jde) {
    double L, B, R;
    if (theory == kTheoryPluto) {
        PlutoPositionJ2000(jde, L, B, R);
        return Mat3Apply(c.plutoToEcliptic, FromSpherical(L, B, R));
    }
    return KeplerOrbit(body, jde);
}

// The geometric geocentric vector (mean ecliptic of date, AU) of a body where
// it was when its light left; writes the light time, days. A planet's series
// is evaluated once with its rates and moved back along its velocity: over
// the light time the curvature of the orbit amounts to at most 10 km
// (Mercury). Other bodies are evaluated again at the earlier time.
DVec3 RetardedGeocentric(const Chain& c, const CPlanet& body, int theory, double& lightTime) {
    const double jde = c.frame.julianEphemerisDay;
    if (theory >= 1 && theory <= 8) {
        SeriesPlace place;
        c.series->PositionAndRate(theory - 1, place);
        DVec3 h, v;
        SeriesCartesian(place, h, v);
        DVec3 g = Difference(h, c.earthAu);
        // Two repeats settle the light time to far below a second.
        for (int k = 0; k < 2; ++k) {
            lightTime = Vec3Norm(g) / kLightAuPerDay;
            g = Difference(Difference(h, Scaled(v, lightTime)), c.earthAu);
        }
        lightTime = Vec3Norm(g) / kLightAuPerDay;
        return g;
    }
    DVec3 g = Difference(Heliocentric(c, body, theory, jde), c.earthAu);
    lightTime = Vec3Norm(g) / kLightAuPerDay;
    // One repeat is enough: the next one moves Pluto by a few km.
    if (lightTime > 0) g = Difference(Heliocentric(c, body, theory, jde - lightTime), c.earthAu);
    lightTime = Vec3Norm(g) / kLightAuPerDay;
    return g;
}

// The geocentric vector of a body round the Sun (output frame, AU): as
// RetardedGeocentric, then seen from the moving Earth. Writes the light
// time, days.
DVec3 Geocentric(const Chain& c, const CPlanet& body, int theory, double& lightTime) {
    const DVec3 g = RetardedGeocentric(c, body, theory, lightTime);
    DVec3 out = Mat3Apply(c.eclipticToOut, g);
    if (c.apparent) out = Scaled(Aberrate(Vec3Unit(out), c.frame.earthVelocityOverC), Vec3Norm(out));
    return out;
}

void SetPosition(CPlanet& body, const DVec3& standardKm) {
    const DVec3 b = BodyFromStandard(standardKm);
    for (int k = 0; k < 3; ++k) body.m_dPos[k] = b[k];
}

DVec3 PositionOf(const CPlanet& body) {
    return StandardFromBody({body.m_dPos[0], body.m_dPos[1], body.m_dPos[2]});
}

// Places one body; parents come first. lightTimes holds each placed body's
// light time (days), read by its moons.
void PlaceBody(const Chain& c, PlanetArray& planets, size_t index, std::vector<double>& lightTimes) {
    CPlanet& body = *planets[index];
    const int theory = body.m_nTheory > 0 && body.m_nTheory < kTheoryCount ? body.m_nTheory : 0;
    const int parent = body.m_nParent > 0 && static_cast<size_t>(body.m_nParent) < index ? body.m_nParent : 0;
    const double jde = c.frame.julianEphemerisDay;
    const DVec3 earthOutAu = Mat3Apply(c.eclipticToOut, c.earthAu);
    lightTimes[index] = 0;
    if (theory == kTheoryEarth && parent == 0) {
        SetPosition(body, Scaled(earthOutAu, kAstronomicalUnitKm));
        return;
    }
    if (parent == 0 && theory != kTheoryMoon) {
        const DVec3 g = Geocentric(c, body, theory, lightTimes[index]);
        SetPosition(body, Scaled(Sum(earthOutAu, g), kAstronomicalUnitKm));
        return;
    }
    // Round a parent (the Moon is round the Earth, or a body at the origin).
    const CPlanet* P = parent ? planets[parent].get() : nullptr;
    const DVec3 base = P ? PositionOf(*P) : DVec3{0, 0, 0};
    DVec3 offsetKm;
    if (theory == kTheoryMoon) {
        double lambda, beta, distance;
        MoonPosition(jde, lambda, beta, distance);
        offsetKm = Mat3Apply(c.eclipticToOut, FromSpherical(lambda, beta, distance * kMoonSeriesUnitKm));
    } else if (const MoonElements* m = theory == kTheoryMoonElements ? FindMoonElements(body.m_strName) : nullptr) {
        const double tau = lightTimes[parent];
        lightTimes[index] = tau;
        offsetKm = Mat3Apply(c.j2000ToOut, PlanetMoonOffsetKm(*m, jde - tau));
    } else {
        // A Kepler orbit in parent radii (parent at the origin: AU).
        const double unitKm = P ? static_cast<double>(P->m_fRadius) * kEarthRadiusKm : kAstronomicalUnitKm;
        offsetKm = Mat3Apply(c.eclipticToOut, Scaled(KeplerOrbit(body, jde), unitKm));
    }
    SetPosition(body, Sum(base, offsetKm));
}

Chain MakeChain(double jdUt, bool apparent, SeriesInstant& series) {
    Chain c;
    c.frame = ComputeFrameOfDate(jdUt, series);
    c.series = &series;
    c.apparent = apparent;
    const double jde = c.frame.julianEphemerisDay;
    const DMat3 precession = PrecessionMatrix(jde);
    if (apparent) {
        c.eclipticToOut = c.frame.eclipticToTrueEquator;
        c.j2000ToOut = c.frame.precessionNutation;
    } else {
        c.eclipticToOut = Mat3Multiply(Mat3Transpose(precession), FrameRotation1(-c.frame.meanObliquityRad));
    }
    c.plutoToEcliptic = Mat3Multiply(Mat3Multiply(FrameRotation1(c.frame.meanObliquityRad), precession),
                                     FrameRotation1(-kObliquityJ2000Arcsec * kArcsecToRad));
    c.earthAu = c.frame.earthEclipticAu;
    return c;
}

// The rotation angle of a moon that keeps one face to its planet: that of a
// sidereal angle putting the prime meridian under the planet.
double SynchronousAngle(const CPlanet& moon, const CPlanet& parent) {
    const double dx = parent.m_dPos[0] - moon.m_dPos[0], dz = parent.m_dPos[2] - moon.m_dPos[2];
    return WrapAngle(std::atan2(dx, dz), 2 * kPi) + kPi / 2;
}
}  // namespace

void ComputePositions(PlanetArray& planets, double& lastJulianDay, double jd, PositionKind kind,
                      FrameOfDate* frame) {
    if (jd == lastJulianDay) return;
    SeriesInstant series(TerrestrialJulianDay(jd));
    const Chain c = MakeChain(jd, kind == PositionKind::kApparent, series);
    if (frame) *frame = c.frame;
    const double rotation = c.frame.apparentSiderealDeg * kDegToRad + kPi / 2;
    std::vector<double> lightTimes(planets.size(), 0.0);
    for (size_t i = 0; i < planets.size(); ++i) {
        PlaceBody(c, planets, i, lightTimes);
        CPlanet& body = *planets[i];
        const int parent = body.m_nParent > 0 && static_cast<size_t>(body.m_nParent) < i ? body.m_nParent : 0;
        body.m_dRotationAngle = parent ? SynchronousAngle(body, *planets[parent]) : rotation;
        const double azimuth = std::atan2(body.m_dPos[2], body.m_dPos[0]) * kRadToDeg;
        // 0.002775830825458084 is 1/360.252502: the spin in turns of the Earth's day.
        body.m_fDeltaRotation = static_cast<float>(
            Frac(jd * 0.002775830825458084 * body.SpinDegPerDay()) * 360 - azimuth + 85.0);
    }
    lastJulianDay = jd;
}
