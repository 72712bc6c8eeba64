#pragma once
// The untextured polygon fills. Each reads the rows of the outline just
// built (OutlineReset, MoveTo, EdgeTo ...), max(DirtyTop, 0) ..
// min(DirtyBottom, Height - 1), skips rows without two crossings, clips every
// span to columns 0..Stride-1 and fills nothing where left = right after
// clipping. Called by RenderObject for flat and Gouraud-shaded faces.

#include <cstdint>

#include "engine/surface.h"

// Writes a palette index from left to right + 2 (each span is widened by two
// pixels to the right, closing the seams between neighbouring faces; the
// widening stops at the row's last column).
void FillFlat(Surface& surface, uint8_t index);

// Writes a model colour lit per pixel: the light value runs linearly from
// the left to the right entry of ShadeEdgeTable (ends outside the surface are
// moved onto its edge by interpolation) and each pixel of left..right gets
// ShadeClamp[(ShadeBase[320 + s] + colour) & 255].
void FillGouraud(Surface& surface, int32_t colour);
