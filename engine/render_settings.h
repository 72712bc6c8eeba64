#pragma once
// The engine-wide render settings, one copy for the program. RenderObject
// reads them and leaves them as it found them. The light and the focal
// length belong to each surface (engine/surface.h).

#include <cstdint>

#include "engine/fixed_point.h"

// Detail modes, also the bits of a face's ModeMask.
constexpr int32_t kModeFar = 1;   // flat shading only
constexpr int32_t kModeNear = 2;  // textured and Gouraud-shaded
constexpr int32_t kModeVeryFar = 4;

// The detail mode for objects nearer than FarDistance (starts at kModeNear).
extern int32_t DetailMode;
// 1: faces with vertex normals are Gouraud-shaded (starts at 1).
extern int32_t GouraudEnabled;

// Depths (tz, model file units) where an object changes its detail.
constexpr int32_t FarDistance = 240000;       // beyond: kModeFar
constexpr int32_t VeryFarDistance = 1500000;  // beyond: kModeVeryFar
constexpr int32_t PointDistance = 500000000;  // beyond: one pixel
// Largest radius of a dot face, pixels.
constexpr int32_t MaxDotSize = 100;
