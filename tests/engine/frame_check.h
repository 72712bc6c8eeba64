#pragma once
// Helpers for pixel tests of surfaces: counts, a hash of the whole frame, and
// the golden-frame check that saves the picture for a look when it differs.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/png_export.h"
#include "engine/surface.h"
#include "framework/file.h"

// The palette index the pixel tests clear their surfaces to.
constexpr uint8_t kBackground = 0;

// Pixel (x, y) in surface coordinates (y up).
inline uint8_t PixelOf(const Surface& s, int32_t x, int32_t y) { return s.RowBase[y * s.RowStep + x]; }

inline int CountIndex(const Surface& s, uint8_t index) {
    int n = 0;
    for (int32_t i = 0; i < s.Stride * s.Height; ++i) n += s.Bits[i] == index;
    return n;
}

// Asserts the 64-bit FNV-1a hash of the whole frame; on a mismatch saves the
// frame as name.png in a folder beside the test programs for a look.
inline void ExpectGoldenFrame(const Surface& s, uint64_t expected, const std::string& name) {
    uint64_t hash = 1469598103934665603ull;
    for (int32_t i = 0; i < s.Stride * s.Height; ++i) hash = (hash ^ s.Bits[i]) * 1099511628211ull;
    if (hash == expected) return;
    const std::string folder = JoinPath(ExecutableFolder(), "engine_pictures");
    std::filesystem::create_directories(folder);
    const std::string path = JoinPath(folder, name + ".png");
    SurfaceSavePng(s, path);
    ADD_FAILURE() << "frame " << name << " has hash 0x" << std::hex << hash << ", expected 0x"
                  << expected << "; picture saved as " << path;
}
