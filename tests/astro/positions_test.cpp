// The position update of the 23 bodies, Kepler's equation, the body table, the
// planetary moons from their mean elements and aiming. The observer's frame, the
// eye and altitudes are shown end to end by `lumo ephemeris` (tests/app).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/aim.h"
#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/kepler.h"
#include "astro/planet_moons.h"
#include "astro/positions.h"
#include "astro/vec3.h"
#include "catalogue/lumo_doc.h"

namespace {

double Distance(const CPlanet& a, const CPlanet& b) {
    return Vec3Norm({a.m_dPos[0] - b.m_dPos[0], a.m_dPos[1] - b.m_dPos[1], a.m_dPos[2] - b.m_dPos[2]});
}

class SolarSystem : public ::testing::Test {
protected:
    void Compute(double jd) { ComputePositions(doc.m_planets, doc.m_dJulianDay, jd); }
    CPlanet& Body(const char* name) {
        CPlanet* p = FindPlanet(doc.m_planets, name);
        EXPECT_NE(p, nullptr) << name;
        return *p;
    }
    CLumoDoc doc;
};

TEST(Kepler, SolvesTheEquation) {
    for (double e : {0.0, 0.0167, 0.25, 0.6, 0.95})
        for (double M = -7; M < 7; M += 0.37)
            EXPECT_NEAR(SolveKepler(M, e) - e * std::sin(SolveKepler(M, e)), M, 1e-8) << e << " " << M;
    // A case that does not settle (e = 1 near M = 0) still ends, after 100 steps.
    EXPECT_TRUE(std::isfinite(SolveKepler(1e-3, 1.0)));
}

TEST(BodyTable, ParentsComeFirstTheSunHasNoOrbitAndTheObliquityIs2345Degrees) {
    PlanetArray planets;
    Mat3f m = kIdentity3f;
    BuildBodyTable(planets, m);
    for (int i = 0; i < int(planets.size()); ++i) {
        EXPECT_EQ(planets[i]->m_nIndex, i);
        EXPECT_LT(planets[i]->m_nParent, std::max(i, 1)) << planets[i]->m_strName;
    }
    EXPECT_EQ(FindPlanet(planets, "earth"), nullptr);  // names are exact
    const CPlanet& sun = *planets[0];
    for (double element : {sun.OrbitInclinationRad(), sun.AscendingNodeRad(), sun.PerihelionLongitudeRad(),
                           sun.EpochLongitudeRad(), sun.MeanMotionRadPerDay(), double(sun.m_fMeanDistance),
                           double(sun.m_fEccentricity), double(sun.m_fOrbitalPeriod)})
        EXPECT_EQ(element, 0);
    // The obliquity matrix turns about the equinox line by 23.45 degrees.
    EXPECT_FLOAT_EQ(m[3], std::sin(23.45 * kDegToRad));
    EXPECT_FLOAT_EQ(m[1], -std::sin(23.45 * kDegToRad));
    EXPECT_EQ(m[8], 1.0f);
}

TEST_F(SolarSystem, MoonsStayOnTheirOrbitsAndFaceTheirPlanets) {
    for (double jd : {2415020.5, 2451545.0, 2461000.75, 2488069.5}) {
        Compute(jd);
        for (const auto& p : doc.m_planets) {
            if (p->m_nTheory != kTheoryMoonElements) continue;
            const MoonElements* m = FindMoonElements(p->m_strName);
            ASSERT_NE(m, nullptr) << p->m_strName;
            const CPlanet& planet = *doc.m_planets[p->m_nParent];
            // Between periapsis and apoapsis.
            const double d = Distance(*p, planet);
            EXPECT_GE(d, m->aKm * (1 - m->e) - 1) << p->m_strName;
            EXPECT_LE(d, m->aKm * (1 + m->e) + 1) << p->m_strName;
            // The rotation angle puts the prime meridian under the planet:
            // the direction of angle - 90 degrees points at the planet.
            const double a = p->m_dRotationAngle - kPi / 2;
            const double toward = ((planet.m_dPos[0] - p->m_dPos[0]) * std::sin(a) +
                                   (planet.m_dPos[2] - p->m_dPos[2]) * std::cos(a)) /
                                  std::hypot(planet.m_dPos[0] - p->m_dPos[0], planet.m_dPos[2] - p->m_dPos[2]);
            EXPECT_NEAR(toward, 1, 1e-9) << p->m_strName;
        }
    }
}

TEST_F(SolarSystem, DamagedRecordsStayInsideTheArray) {
    Body("Io").m_nParent = 40;      // beyond the array
    Body("Titan").m_nParent = 20;   // a later body
    Body("Triton").m_nTheory = 99;  // unknown theory: a Kepler orbit
    Compute(2451545.0);
    // Taken as orbiting the Sun, in AU (seen where they were when their light left).
    EXPECT_NEAR(Distance(Body("Io"), Body("Sun")), 5.9 * kAstronomicalUnitKm, 1e5);
    EXPECT_NEAR(Distance(Body("Titan"), Body("Sun")), 20.27 * kAstronomicalUnitKm, 3e5);
    EXPECT_NEAR(Distance(Body("Triton"), Body("Neptune")), 14.83 * 4 * 6378.137, 0.5);
}

// The data sheet's check vectors of the moons from their mean elements (at
// three dates: a mean motion read in other units than degrees per day fails).
TEST(PlanetMoons, CheckVectorsOfTheDataSheet) {
    const struct {
        double jde;
        const char* moon;
        double x, y, z;
    } cases[] = {
        {2451545.0, "Io", 399763, 114382, 61260},      {2451545.0, "Titan", -947015, 824054, 27613},
        {2451545.0, "Phobos", -1833, -8747, -3267},    {2451545.0, "Triton", -205665, 10053, 288886},
        {2451545.0, "Charon", -6833, -8788, -16124},   {2455362.5, "Io", 309727, -262261, -120165},
        {2455362.5, "Titan", 272523, -1169512, 54576}, {2455362.5, "Phobos", 3852, 8342, 2313},
        {2455362.5, "Triton", 57120, -109233, -332655}, {2455362.5, "Charon", 14381, 13017, -2723},
        {2461381.375, "Io", 410918, 77523, 43511},     {2461381.375, "Titan", -150450, 1220864, -68159},
        {2461381.375, "Phobos", -7996, 1285, 4905},    {2461381.375, "Triton", -228456, -225211, -151465},
        {2461381.375, "Charon", -7464, -9291, -15552}};
    for (const auto& c : cases) {
        const MoonElements* m = FindMoonElements(c.moon);
        ASSERT_NE(m, nullptr) << c.moon;
        const DVec3 r = PlanetMoonOffsetKm(*m, c.jde);
        EXPECT_LT(Vec3Norm({r[0] - c.x, r[1] - c.y, r[2] - c.z}), 1.0) << c.moon << " " << c.jde;
    }
    EXPECT_EQ(FindMoonElements("io"), nullptr);
}

TEST(Aim, ViewAnglesTowardsAPoint) {
    EyeHundredKm eye = {0, 0, 0};
    int32_t elevation = 7, azimuth = 7, mode = 1;
    // RA 6h (body x), declination 30: azimuth a quarter turn, elevation -30 degrees.
    const double d = 30 * kDegToRad;
    AimAtPoint(float(1e6 * std::cos(d)), float(1e6 * std::sin(d)), 0, eye, 0, elevation, azimuth, mode);
    EXPECT_EQ(mode, 0);
    EXPECT_NEAR(azimuth, 8192, 1);
    EXPECT_NEAR(elevation, -2731, 1);
    // RA 18h: negative azimuth; the eye's own position counts (units of 100 km).
    EyeHundredKm away = {100, 0, 0};
    AimAtPoint(5000, 0, 0, away, 0, elevation, azimuth, mode);
    EXPECT_NEAR(azimuth, -8192, 1);
    EXPECT_EQ(elevation, 0);
    // Straight up the axis, and nearly: rounding must not make the arc cosine NaN.
    AimAtPoint(0, 1e6f, 0, eye, 0, elevation, azimuth, mode);
    EXPECT_EQ(azimuth, 0);
    EXPECT_NEAR(elevation, -8192, 1);
    AimAtPoint(1e-3f, 1e9f, 1e-3f, eye, 0, elevation, azimuth, mode);
    EXPECT_TRUE(azimuth >= -16384 && azimuth <= 16384);
    // VR mode leaves the view alone; a null body too.
    int32_t e0 = 11, a0 = 12, m0 = 1;
    AimAtPoint(1e6f, 0, 0, eye, 1, e0, a0, m0);
    AimAt(nullptr, eye, 0, e0, a0, m0);
    EXPECT_TRUE(e0 == 11 && a0 == 12 && m0 == 1);
}

}  // namespace
