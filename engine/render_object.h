#pragma once
// RenderObject: draws one model into a surface between SurfaceBeginFrame and
// SurfaceEndFrame. Callers: the sky view for each body model near the eye,
// the rotate window for its pointer model.
//
// The model is seen through M (Q15 rotation, model to camera space: x right,
// y up, z away from the viewer) with its origin at (tx, ty, tz) in camera
// space, model file units. In order:
//  - part transforms with an angle get their Current matrix,
//    transpose(Rest R transpose(Rest)) with R the turn by Angle;
//  - the parts are ordered farthest first by their part points;
//  - an object with |tz| <= 256 is near: its faces are clipped to the view;
//    otherwise it is drawn only when tz > 256 and its origin lies within
//    about 64.7 degrees of the view axis, without clipping; beyond
//    PointDistance it is one pixel of its first face's colour (as palette
//    index);
//  - detail: beyond FarDistance the far mode, beyond VeryFarDistance the
//    very far mode; the depth cue darkens everything by at least tz / 1024
//    levels (3 more when the near mode was left), at most level 10, through
//    ShadeBase, which keeps that level afterwards; Gouraud shading only in
//    the near mode;
//  - per part, the faces in file order whose ModeMask has the mode, whose
//    slot key is not 253 and whose vertex count is 1..16: sprites, spheres,
//    dots and polygons. Polygons are moved by their part transform (and the
//    parts it hangs from, keys 210..213), culled when they face away or have
//    colour 247, lit by their normal, projected and filled: flat, Gouraud or
//    textured by their kind, the mode and their flags.
// DetailMode, GouraudEnabled and the surface's FocalLength and LightVector
// are read, not changed.
// Returns 1 when the object was handled, 0 when nothing was drawn because
// the surface has no pixels or the object lies behind or beside the view.

#include <cstdint>

#include "engine/fixed_point.h"
#include "engine/object.h"
#include "engine/surface.h"

int32_t RenderObject(Surface& surface, EngineObject& obj, const MatQ15& M, int32_t tx, int32_t ty,
                     int32_t tz);
