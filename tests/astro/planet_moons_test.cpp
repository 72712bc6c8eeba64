// The planetary moons from their mean elements: the data sheet's check
// vectors, and the apparent offsets of the four large moons of Jupiter.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/planet_moons.h"
#include "astro/positions.h"

namespace {

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
        EXPECT_NEAR(r[0], c.x, 1.0) << c.moon << " " << c.jde;
        EXPECT_NEAR(r[1], c.y, 1.0) << c.moon << " " << c.jde;
        EXPECT_NEAR(r[2], c.z, 1.0) << c.moon << " " << c.jde;
    }
    EXPECT_EQ(FindMoonElements("io"), nullptr);
    EXPECT_EQ(FindMoonElements("Moon"), nullptr);
}

TEST(PlanetMoons, ThePeriodIsTheMeanMotions) {
    // A moon returns to the same place (relative to its periapsis and node,
    // which move slowly) after 360/n days: the orbit is read in degrees per
    // day, not radians.
    for (const char* name : {"Io", "Europa", "Ganymede", "Callisto", "Titan"}) {
        const MoonElements* m = FindMoonElements(name);
        ASSERT_NE(m, nullptr);
        const double period = 360.0 / m->nDegPerDay;
        const DVec3 a = PlanetMoonOffsetKm(*m, 2461000.5), b = PlanetMoonOffsetKm(*m, 2461000.5 + period);
        const DVec3 h = PlanetMoonOffsetKm(*m, 2461000.5 + period / 2);
        double d = 0, opposite = 0;
        for (int k = 0; k < 3; ++k) {
            d += (a[k] - b[k]) * (a[k] - b[k]);
            opposite += (a[k] + h[k]) * (a[k] + h[k]);
        }
        // Within 0.5 degree of arc after a turn, about opposite after half.
        EXPECT_LT(std::sqrt(d), m->aKm * 0.01) << name;
        EXPECT_LT(std::sqrt(opposite), m->aKm * 0.1) << name;
    }
}

}  // namespace
