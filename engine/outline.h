#pragma once
// The polygon outline: the edges of a projected face are walked into the
// surface's EdgeTable (and, for Gouraud shading, its ShadeEdgeTable), one
// crossing per edge and row, for a fill routine to read back row by row.
// Called by the projection of faces and by DrawSprite; surface coordinates
// (y up from the bottom row).
//
// A row's entry starts as (NoCrossing, NoCrossing). A crossing x is recorded
// so that the smaller of two ends up left and the larger right: if left is
// below x, right becomes x; else, unless left equals x, left becomes x and
// right takes the old left. A row touched by one crossing keeps right at
// NoCrossing and is not filled.

#include <cstdint>

#include "engine/surface.h"

constexpr int32_t NoCrossing = 0x7F7F7F7F;  // an edge-table entry without a crossing
// Light values carried by shaded edges lie in -kLightLimit..kLightLimit.
constexpr int32_t kLightLimit = 319;

// Marks the rows DirtyTop..DirtyBottom of both tables as without crossing
// and empties the dirty range (DirtyTop = Height, DirtyBottom = -1).
// MoveTo then starts an outline at its first vertex.
void OutlineReset(Surface& surface);

// An edge from the pen to (x, y); the pen moves to (x, y) and the dirty row
// range grows by y (clamped to the surface). The edge is walked from both
// ends at once, one crossing per row, from the end with the smaller y; so an
// edge and its reverse record the same crossings. A horizontal edge records
// both its ends. Only rows 0..Height-1 are recorded; x may lie anywhere.
void EdgeTo(Surface& surface, int32_t x, int32_t y);

// EdgeTo that also carries a light value from s0 at the pen to s1 at (x, y)
// into ShadeEdgeTable, interpolated along the rows. An end value outside
// -319..319 is replaced by the other end's, or by 0 when both are outside.
void ShadedEdgeTo(Surface& surface, int32_t x, int32_t y, int32_t s0, int32_t s1);

// The rows a fill routine reads: max(DirtyTop, 0) .. min(DirtyBottom, Height - 1).
struct OutlineRows {
    int32_t First;
    int32_t Last;
};
OutlineRows DirtyRows(const Surface& surface);

// The span of row y of the outline clipped to columns 0..Stride-1: false
// when the row has fewer than two crossings or the clipped span is a single
// pixel or none (left >= right).
bool ClippedSpan(const Surface& surface, int32_t y, int32_t& left, int32_t& right);
