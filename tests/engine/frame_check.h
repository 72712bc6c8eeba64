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

// Pixel (x, y) in surface coordinates (y up).
inline uint8_t PixelOf(const Surface& s, int32_t x, int32_t y) {
    return s.RowBase[static_cast<ptrdiff_t>(y) * s.RowStep + x];
}

inline int CountIndex(const Surface& s, uint8_t index) {
    int n = 0;
    for (int32_t y = 0; y < s.Height; ++y)
        for (int32_t x = 0; x < s.Stride; ++x) n += PixelOf(s, x, y) == index;
    return n;
}

// 64-bit FNV-1a over every row, bottom row first.
inline uint64_t FrameHash(const Surface& s) {
    uint64_t h = 1469598103934665603ull;
    for (int32_t y = 0; y < s.Height; ++y) {
        for (int32_t x = 0; x < s.Stride; ++x) {
            h ^= PixelOf(s, x, y);
            h *= 1099511628211ull;
        }
    }
    return h;
}

// Folder for pictures the tests write, beside the test programs.
inline std::string TestOutputPath(const std::string& name) {
    const std::string folder = JoinPath(ExecutableFolder(), "engine_pictures");
    std::filesystem::create_directories(folder);
    return JoinPath(folder, name);
}

// Asserts the frame's hash; on a mismatch saves the frame as name.png.
inline void ExpectGoldenFrame(const Surface& s, uint64_t expected, const std::string& name) {
    const uint64_t actual = FrameHash(s);
    if (actual == expected) return;
    const std::string path = TestOutputPath(name + ".png");
    SurfaceSavePng(s, path);
    ADD_FAILURE() << "frame " << name << " has hash 0x" << std::hex << actual << ", expected 0x"
                  << expected << "; picture saved as " << path;
}
