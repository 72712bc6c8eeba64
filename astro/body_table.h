#pragma once
// The solar system of the program: 23 bodies (the Sun, the nine planets, the
// Moon and twelve moons), built in code.

#include <string_view>

#include "astro/planet.h"
#include "astro/vec3.h"

constexpr int kBodyCount = 23;

// Appends the 23 bodies to planets in table order (each record's index is
// its position in planets, each moon's parent the index of its planet, which
// precedes it), and sets eclipticMatrix, directly after the Earth is added, to
// the rotation by the Earth's axial tilt (23.45 degrees) that turns ecliptic
// coordinates into equatorial ones. Fields the table leaves open (ascending
// node, the four further floats, the Sun's axial tilt) are zero. Called once,
// from the document's construction, before the reference lines are built.
void BuildBodyTable(PlanetArray& planets, Mat3f& eclipticMatrix);

// The first body whose name equals name exactly (case-sensitive), or null.
CPlanet* FindPlanet(const PlanetArray& planets, std::string_view name);
