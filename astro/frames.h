#pragma once
// The two 3D frames of the program and the turn between them.
//
// Body-position frame: origin at the Sun, km; y to the north celestial pole,
// z to the vernal equinox (right ascension 0h), x to right ascension 6h.
// Sky frame: x to right ascension 0h, y to the pole, z to right ascension 18h;
// stars, grid points, the observer frame and the camera live in it.
// sky = (z, y, -x) of the body-position frame; body = (-z, y, x) of the sky frame.

#include <array>

template <class T>
std::array<T, 3> SkyFromBody(const std::array<T, 3>& body) {
    return {body[2], body[1], -body[0]};
}

template <class T>
std::array<T, 3> BodyFromSky(const std::array<T, 3>& sky) {
    return {-sky[2], sky[1], sky[0]};
}
