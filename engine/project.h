#pragma once
// Turns a face of a model into a polygon outline on the surface: its
// vertices are moved into camera space (x right, y up, z away from the
// viewer) by the model matrix and translation and projected,
// sx = CentreX + x F / z, sy = CentreY + y F / z (F = the surface's FocalLength, a z of 0
// taken as 1). Each vertex after the first adds an edge, and the last one
// closes the outline back to the first; outline faces (kind 5) are drawn as
// open lines in their colour instead. With vertex normals and Gouraud
// shading the edges carry each vertex's light term
// s = -(n' . L) >> 6 (L the surface's LightVector), n' the rotated normal. Called by RenderObject.

#include <cstdint>

#include "engine/fixed_point.h"
#include "engine/object.h"
#include "engine/surface.h"

// For objects away from the viewer, whole faces without clipping. T is the
// model's origin in camera space, file units; below a depth of 20000 the
// vertices stay in model units (x 16), beyond it they go to file units.
void Project(Surface& surface, const Face& face, const MatQ15& M, Vec3i T, bool gouraud);

// For objects near the viewer: the face, in model units, is clipped in camera
// space against the four planes |x| <= kx z and |y| <= ky z, which lie at 1.5
// times the half-screen (kx = 0.75 Stride / F, ky = 0.75 Height / F, kept in
// 1/16384), so what is projected lies in a guard band the fills clip in 2D
// and nothing behind the viewer remains. Vertex normals are interpolated at
// the cuts. Returns 0 (and builds no outline) when fewer than three vertices
// remain after a plane, else 1.
int32_t ClipProject(Surface& surface, const Face& face, const MatQ15& M, Vec3i T, bool gouraud);
