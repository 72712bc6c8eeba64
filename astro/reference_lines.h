#pragma once
// The generated line sets of the sky: the coordinate grid and the ecliptic.

#include <vector>

#include "astro/sky_line.h"
#include "astro/sky_point.h"
#include "astro/vec3.h"

// The finest grid spacing that BuildReferenceLines accepts, degrees.
constexpr float kMinGridSpacing = 1.0f;

// Fills the Cartesian parts of p (sky frame) from its angles a, b (radians):
// x = cos b cos(-a) r, y = sin b r, z = cos b sin(-a) r, and the Q15 unit
// vector X, Y, Z (32768 = 1, truncated, with the sign of each component).
// A zero radius gives a zero vector.
void MakeSkyPoint(SkyPoint& p, double r);

// The same for a point given in ecliptic angles (a longitude, b latitude):
// the direction is turned by the ecliptic-to-equatorial matrix m (in single
// precision) and its components taken as (z, -y, x) of the turned vector.
void MakeEclipticPoint(SkyPoint& p, double r, const Mat3f& m);

// Builds the grid and the ecliptic for a grid spacing (degrees) and sets
// gridStep to it. Grid: parallels every spacing degrees of declination over
// a whole turn (so each appears twice) and meridians every spacing degrees of
// right ascension except 0, each drawn as whole great circles in steps of a
// tenth of the spacing; ecliptic: a closed circle of segments of a tenth of
// the spacing. All points at radius 149597900000. Loop variables are floats
// that accumulate by addition; with 30 degrees this gives 3025 grid and 120
// ecliptic segments. Called once, when the document is built, after the body
// table has set the ecliptic matrix. A spacing outside 1..360 degrees (or
// NaN) builds no lines.
void BuildReferenceLines(std::vector<CSkyLine>& gridLines, std::vector<CSkyLine>& eclipticLines,
                         float& gridStep, const Mat3f& eclipticMatrix, float spacing);
