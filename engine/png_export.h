#pragma once
// Saves a surface as a palettised PNG a person can look at: 8 bits per pixel,
// the palette object's 256 colours, Stride columns, rows turned so that the
// picture is upright. Used by the headless renderer and by the tests.

#include <string>

#include "engine/surface.h"

// Writes the file atomically. False, with a message a user can read in error
// (when given), for a surface without pixels or a file that cannot be written.
bool SurfaceSavePng(const Surface& surface, const std::string& path, std::string* error = nullptr);
