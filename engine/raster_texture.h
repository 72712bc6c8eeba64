#pragma once
// The perspective texture mappers for textured polygon faces. They fill the
// outline just built (rows as the other fills, spans clipped to the surface,
// nothing where left = right) with texels of an image laid on the face's
// plane by three texture points: the origin, the end of the u axis and the
// end of the v axis. Called by RenderObject for textured faces in the near
// detail mode.
//
// Along each row, exact texture coordinates are solved every RunLength
// pixels (the view ray through the pixel meets the texture plane: Cramer's
// rule on wide integer products) and stepped linearly in between, from both
// ends of each run. Width and height are taken as the largest powers of two
// not above them (a 48-texel-wide texture is addressed with mask 31 and rows
// 32 apart), never larger than the image, so every read stays inside it.
// Texels: 247 leaves the pixel as it is; 209..255 are written unchanged;
// below 209 they are model colours, lit or not by the mapper.

#include <cstdint>

#include "engine/fixed_point.h"
#include "engine/surface.h"
#include "engine/texture_image.h"

constexpr int32_t RunLength = 24;  // pixels between exact perspective solutions

// Where a texture lies, in camera space (x right, y up, z away from the
// viewer).
struct TextureMapping {
    Vec3i Points[3];  // the texture points rotated by the model matrix, model units (x 16)
    Vec3i T;          // the model's origin in camera space, file units
    int32_t Width;    // texture size the face maps across its axes (its TexWidth, TexHeight)
    int32_t Height;
    int32_t TileU;  // repetitions along u and v, at least 1
    int32_t TileV;
};

// Lit by one band (a ShadeBase entry): ShadeClamp[band + texel]. Without an
// image the face is filled flat in its colour lit by the band.
// Returns 0 when the face was abandoned (its texture plane is seen edge-on
// at some pixel, as with collinear texture points), else 1.
int32_t TextureShaded(Surface& surface, const TextureMapping& mapping, int32_t band, int32_t colour,
                      const TextureImage& image);
// Lit per pixel by the light values of ShadeEdgeTable, interpolated along
// each row. Without an image the face is Gouraud-filled in its colour.
int32_t TextureGouraud(Surface& surface, const TextureMapping& mapping, int32_t colour,
                       const TextureImage& image);
// Not lit: texels below 209 are written as texel + 10. Without an image the
// face is filled with palette index `index` (the face's colour + 10).
int32_t TextureUnlit(Surface& surface, const TextureMapping& mapping, int32_t index,
                     const TextureImage& image);
