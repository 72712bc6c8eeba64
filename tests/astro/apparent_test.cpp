// The apparent place of date: Delta T, nutation, sidereal time, precession, stars, and the
// Sun, planets and Moon end to end, against Meeus's worked examples and the data sheets.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/body_table.h"
#include "astro/nutation.h"
#include "astro/positions.h"
#include "astro/time_scales.h"

namespace {

double Hms(double h, double m, double s) { return (h + m / 60 + s / 3600) * 15 * kDegToRad; }
double Dms(double d, double m, double s) {
    return (d < 0 || std::signbit(d) ? -1 : 1) * (std::fabs(d) + m / 60 + s / 3600) * kDegToRad;
}
double YearJd(double y) { return 2451545.0 + (y - 2000) * 365.25; }
double UtOf(double jde) { return jde - DeltaTSeconds(jde) / 86400; }

// Angular separation, arcseconds.
double Separation(double ra1, double dec1, double ra2, double dec2) {
    const DVec3 a = UnitFromAngles(ra1, dec1), b = UnitFromAngles(ra2, dec2);
    const DVec3 c = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    return std::atan2(Vec3Norm(c), a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) * kRadToDeg * 3600;
}

TEST(DeltaT, DataSheetCheckValues) {
    const double cases[][2] = {{1700, 8.83},   {1800, 13.72}, {1900, -2.79},  {1950, 29.07},
                               {2000, 63.86},  {2026.5, 75.38}, {2050, 93.00}, {2100, 202.74},
                               {2026.9, 75.63}};
    for (const auto& c : cases) EXPECT_NEAR(DeltaTSeconds(YearJd(c[0])), c[1], 0.006) << c[0];
    // Continuous across the range ends from 1800 on (the source's 1600 and
    // 1700 joins step by 0.25 and 0.16 s), and defined far outside the table.
    for (double y : {1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0})
        EXPECT_NEAR(DeltaTSeconds(YearJd(y - 1e-6)), DeltaTSeconds(YearJd(y + 1e-6)), 0.1) << y;
    for (double y : {-5000.0, 5000.0}) EXPECT_TRUE(std::isfinite(DeltaTSeconds(YearJd(y)))) << y;
}

TEST(Nutation, MeeusExample22a) {
    const double jde = 2446895.5;
    const Nutation n = NutationIau1980(jde);
    EXPECT_NEAR(n.psiArcsec, -3.7878, 0.0002);
    EXPECT_NEAR(n.epsArcsec, 9.4425, 0.0002);
    // IAU 2006 mean obliquity: 23 26' 27.368", true 36.811".
    EXPECT_NEAR(MeanObliquityArcsec(jde) + n.epsArcsec, 84396.811, 0.001);
    // Smooth through J2000.0, where every power of T vanishes.
    const Nutation a = NutationIau1980(kJ2000), b = NutationIau1980(kJ2000 + 1e-3);
    EXPECT_NEAR(a.psiArcsec, b.psiArcsec, 1e-3);
    EXPECT_NEAR(a.epsArcsec, b.epsArcsec, 1e-3);
}

TEST(SiderealTime, ApparentAtGreenwich) {
    // Meeus 12.a/12.b and the data sheet's two dates: GAST, seconds of time.
    const struct {
        double jdUt, gastSeconds;
    } cases[] = {{2446895.5, 13 * 3600 + 10 * 60 + 46.1351},
                 {2461381.375, 2 * 3600 + 2 * 60 + 38.4094},
                 {2479089.5, 16 * 3600 + 38 * 60 + 28.8743}};
    for (const auto& c : cases) {
        const double s = ComputeFrameOfDate(c.jdUt).apparentSiderealDeg * 240;
        EXPECT_NEAR(s, c.gastSeconds, 0.001) << c.jdUt;
    }
}

TEST(Precession, MatrixAtTheDataSheetDate) {
    const double expected[9] = {+0.999978443033, -0.006022215415, -0.002616560935,
                                +0.006022215502, +0.999981866265, -0.000007845563,
                                +0.002616560735, -0.000007912100, +0.999996576768};
    const DMat3 P = PrecessionMatrix(2461381.375);
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(P[k], expected[k], 2e-12) << k;
}

TEST(Stars, ApparentPlacesOfTheDataSheet) {
    const struct {
        double ra, dec;
    } j2000[] = {{Hms(6, 45, 8.91728), Dms(-16, 42, 58.0171)},
                 {Hms(2, 31, 49.09456), Dms(89, 15, 50.7923)},
                 {Hms(18, 36, 56.33635), Dms(38, 47, 1.2802)},
                 {Hms(5, 55, 10.30536), Dms(7, 24, 25.4304)}};
    const struct {
        double jdUt, ra, dec;
        int star;
    } cases[] = {{2461381.375, Hms(6, 46, 22.881), Dms(-16, 44, 34.43), 0},
                 {2461381.375, Hms(3, 8, 54.663), Dms(89, 22, 48.18), 1},
                 {2461381.375, Hms(18, 37, 49.277), Dms(38, 48, 29.45), 2},
                 {2461381.375, Hms(5, 56, 39.729), Dms(7, 24, 43.54), 3},
                 {2479089.5, Hms(6, 48, 29.031), Dms(-16, 48, 11.81), 0},
                 {2479089.5, Hms(4, 42, 56.797), Dms(89, 30, 53.86), 1},
                 {2479089.5, Hms(18, 39, 29.181), Dms(38, 51, 5.85), 2},
                 {2479089.5, Hms(5, 59, 12.940), Dms(7, 24, 38.77), 3}};
    for (const auto& c : cases) {
        const FrameOfDate f = ComputeFrameOfDate(c.jdUt);
        double ra, dec;
        ApparentStarPlace(f, j2000[c.star].ra, j2000[c.star].dec, ra, dec);
        EXPECT_LT(Separation(ra, dec, c.ra, c.dec), 0.02) << c.star << " at " << c.jdUt;
    }
}

// Meeus 25.b (the Sun), 33.a (Venus) and 47.a (the Moon), at 0h TD; the data
// sheet's places from this chain on the abridged series (Sun, Mars) and the
// reference ephemeris (Jupiter, 0.2" from it).
TEST(ApparentBodies, PublishedPlacesEndToEnd) {
    PlanetArray planets;
    Mat3f ecliptic = kIdentity3f;
    BuildBodyTable(planets, ecliptic);
    const struct {
        double jdUt;
        const char* body;
        double ra, dec, arcsec, au, withinKm;  // au 0: distance not given
    } cases[] = {
        {UtOf(2448908.5), "Sun", Hms(13, 13, 30.749), Dms(-7, 47, 1.74), 1.0, 0, 0},
        {UtOf(2448976.5), "Venus", Hms(21, 4, 41.454), Dms(-18, 53, 16.84), 1.0, 0, 0},
        {UtOf(2448724.5), "Moon", 134.688470 * kDegToRad, 13.768368 * kDegToRad, 0.5,
         368409.7 / kAstronomicalUnitKm, 0.5},
        {2461381.375, "Sun", Hms(16, 53, 48.570), Dms(-22, 33, 58.26), 0.05, 0.985332, 300},
        {2461381.375, "Mars", Hms(10, 27, 16.923), Dms(12, 20, 37.83), 0.05, 1.126124, 300},
        {2461381.375, "Jupiter", Hms(9, 57, 51.913), Dms(13, 18, 2.87), 2.0, 0, 0},
        {2479089.5, "Sun", Hms(4, 36, 22.610), Dms(22, 2, 17.99), 0.05, 0, 0},
        {2479089.5, "Mars", Hms(3, 20, 40.710), Dms(18, 11, 57.74), 0.05, 0, 0},
        {2479089.5, "Jupiter", Hms(10, 32, 59.108), Dms(10, 23, 58.20), 2.0, 0, 0},
    };
    for (const auto& c : cases) {
        double cache = std::nan(""), ra, dec;
        ComputePositions(planets, cache, c.jdUt);
        const CPlanet &body = *FindPlanet(planets, c.body), &earth = *planets[3];
        const DVec3 g = StandardFromBody({body.m_dPos[0] - earth.m_dPos[0], body.m_dPos[1] - earth.m_dPos[1],
                                          body.m_dPos[2] - earth.m_dPos[2]});
        AnglesFromVector(g, ra, dec);
        const double km = Vec3Norm(g);
        EXPECT_LT(Separation(ra, dec, c.ra, c.dec), c.arcsec) << c.body << " " << c.jdUt;
        if (c.au > 0) {
            EXPECT_NEAR(km, c.au * kAstronomicalUnitKm, c.withinKm) << c.body << " " << c.jdUt;
        }
    }
}

}  // namespace
