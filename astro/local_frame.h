#pragma once
// The observer's local frame: zenith, east and south, as unit vectors of the
// sky frame (x to right ascension 0h, y to the north pole, z to 18h).

#include "astro/planet.h"
#include "astro/vec3.h"

// For an observer at latitude and east longitude (radians) on body, with the
// body's rotation angle: the zenith lies at declination latitude and right
// ascension longitude + rotation angle - 90 degrees (with the Earth's angle,
// the local sidereal time). Sets observerBody = body, zenith, east (the
// horizon point 90 degrees east of north) and south = east x zenith. The sky
// view calls it on every paint for the Earth, or the aimed body in VR mode.
void LocalFrame(CPlanet* body, float latitude, float longitude, CPlanet*& observerBody,
                Vec3f& zenith, Vec3f& east, Vec3f& south);
