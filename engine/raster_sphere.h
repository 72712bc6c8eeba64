#pragma once
// Spheres: kind-2 faces, a textured and lit ball drawn straight from its
// centre and radius (called by RenderObject). The face's vertex 0 lies on
// the polar axis, vertex 1 is the centre and vertex 2 lies on the prime
// meridian; TexHeight is the radius (file units) and the texture is an
// equirectangular map: latitude along its rows, from the pole opposite
// vertex 0 in row 0 to the pole at vertex 0 in the last row, and longitude
// along its columns from the prime meridian at column 0: the half turn on
// the side of A x B (A from the centre to vertex 0, B to vertex 2) fills the
// first half of the columns, the other half turn the second half, mirrored.
// The mapping spans the whole image, whatever its size.
//
// Large spheres are sampled once per block of pixels; the member of the
// family is chosen by the screen radius r:
//   2..40 1 x 1, 41..60 2 x 1, 61..80 2 x 2, 81..110 4 x 2, 111..150 4 x 4,
//   above 150 8 x 4 (columns x rows).

#include <cstdint>

#include "engine/fixed_point.h"
#include "engine/object.h"
#include "engine/surface.h"
#include "engine/texture_image.h"

struct SphereBlock {
    int32_t Columns;
    int32_t Rows;
};
// The block of the member that draws a sphere of screen radius r (r >= 2).
SphereBlock SphereBlockFor(int32_t r);

// Draws the sphere face of a model placed by M (Q15, model to camera) at
// (tx, ty, tz) (camera space, file units). Screen radius
// r = TexHeight * F / tz (F the surface's FocalLength); nothing is drawn when r is 0 or tz <= 0.
// In the near detail mode (DetailMode 2, the mode before any change for
// the distance) with r > 1 each sample gets its normal n (length 255), the
// texel at its latitude and longitude, and the light term sL = L . n (L = the
// surface's LightVector): texels below 209 are lit as ShadeClamp[ShadeBase[320 - sL]
// + texel] (so a colour running past level 10 stays on its hue), texels
// 209..255 become palette index texel - 199 whatever the light. Otherwise,
// or without an image, the sphere is drawn as a body disc of radius r in
// the face's colour.
void DrawSphere(Surface& surface, const Face& face, const MatQ15& M, int32_t tx, int32_t ty,
                int32_t tz, const TextureImage& image);
