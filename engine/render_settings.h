#pragma once
// The detail modes and the depths where an object changes its detail. The
// values that change while drawing (detail mode, Gouraud switch, light) are
// each surface's own: see Surface.

#include <cstdint>

#include "engine/fixed_point.h"

// Detail modes, also the bits of a face's ModeMask.
constexpr int32_t kModeFar = 1;   // flat shading only
constexpr int32_t kModeNear = 2;  // textured and Gouraud-shaded
constexpr int32_t kModeVeryFar = 4;

// The light a surface starts with (see Surface::LightVector).
constexpr Vec3i kDefaultLight{90, 0, 90};

// Depths (tz, model file units) where an object changes its detail.
constexpr int32_t FarDistance = 240000;       // beyond: kModeFar
constexpr int32_t VeryFarDistance = 1500000;  // beyond: kModeVeryFar
constexpr int32_t PointDistance = 500000000;  // beyond: one pixel
// Largest radius of a dot face, pixels.
constexpr int32_t MaxDotSize = 100;
