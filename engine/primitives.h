#pragma once
// The engine's 2D primitives on a Surface, in surface coordinates (x right,
// y up from the bottom row). A palette index is written unchanged; a colour
// number c is written as palette index c + 10 (kept to 8 bits). Primitives
// do not look at Locked; each clips as stated below and never writes outside
// the pixel memory.

#include <cstdint>

#include "engine/surface.h"

// Writes a palette index when 0 < x < Stride and 1 <= y < Height (column 0
// and row 0 are never written).
void PutPixel(Surface& surface, int32_t x, int32_t y, int32_t index);
// Sets the pen, and widens the dirty row range by row y clamped to 0..Height-1.
void MoveTo(Surface& surface, int32_t x, int32_t y);
// Draws from the pen to (x, y) in colour number c by a symmetric Bresenham
// walk (the line and its reverse give the same pixels; see WalkLine), writing
// only pixels with 0 <= x < Stride and 0 <= y < Height, and moves the pen.
void LineTo(Surface& surface, int32_t x, int32_t y, int32_t c);
// Outline circle of radius r around (x, y), colour number c (midpoint
// circle). Points are written inside columns 0..Stride-1 and rows 0..Height-2.
void DrawCircle(Surface& surface, int32_t x, int32_t y, int32_t r, int32_t c);
// Filled disc, colour number c: per midpoint step the rows y +- i from
// x - j to x + j - 1 and y +- j from x - i to x + i - 1, clipped to columns
// 0..Stride-1 and rows 0..Height-2. A radius of 0 writes nothing.
void FillDisc(Surface& surface, int32_t x, int32_t y, int32_t r, int32_t c);
// The marker of a body drawn without its model: a disc of radius r in colour
// number ShadeBase[448] + c - 10 when c < 209 (the hue one level darker),
// else in colour number c.
void DrawBodyDisc(Surface& surface, int32_t x, int32_t y, int32_t r, int32_t c);
