#pragma once
// Sprites: a square texture facing the viewer, for kind-3 faces (called by
// RenderObject). Surface coordinates, y up.

#include <cstdint>

#include "engine/surface.h"
#include "engine/texture_image.h"

// Draws the image as a square of half-size s pixels centred on (cx, cy),
// turned by a (1/256 turn; RenderObject passes 0). The image is taken as
// 2^k texels square (k = 6: 64 x 64) with its rows from the bottom of the
// square up; texel coordinates are kept inside the image actually given (a
// smaller image is read within its own bounds). Texel 247 leaves the pixel
// as it is; any other texel t is written as palette index t + 10.
// Nothing is drawn for s <= 0 or without an image. Builds its own outline
// (the edge tables are left holding the square).
void DrawSprite(Surface& surface, int32_t cx, int32_t cy, int32_t s, int32_t a, int32_t k,
                const TextureImage& image);
