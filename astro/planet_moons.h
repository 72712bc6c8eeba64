#pragma once
// The planetary moons from their mean orbital elements in their local
// Laplace planes (astro/data/moons_mean_elements.tsv): a precessing ellipse
// per moon, good to 1-2 arcsec seen from the Earth in 1999-2039.

#include <string_view>

#include "astro/rotation.h"
#include "astro/series_tables.h"

// The elements of the moon of that name (exact, case-sensitive), or null.
const MoonElements* FindMoonElements(std::string_view name);

// The moon relative to its planet's centre, km, J2000 (ICRF) equatorial,
// standard coordinates, geometric, at a Julian Ephemeris Day (TT).
DVec3 PlanetMoonOffsetKm(const MoonElements& moon, double julianEphemerisDay);
