#pragma once
// The level band a light term selects: ShadeBase[320 + s], where s is the
// signed light term of a face, vertex or sphere point (0 for a surface lit
// edge-on, positive towards the light). The index is kept inside the table
// (s = -320..318), whatever the size of the normals and the light vector.

#include <algorithm>
#include <cstdint>

#include "engine/palette.h"

constexpr int32_t kLightTermOffset = 320;

// The model colour of a hue at a level: 19 levels of light per hue, level 0
// brightest (1 white, 2 red, 3 green, 4 blue, 5 yellow, 9 grey at full light).
constexpr int32_t ModelColour(int32_t level, int32_t hue) { return kHueCount * level + hue; }

// Texels and marker colours from 209 on are palette indices drawn unlit;
// below it they are lit. Flat faces keep lighting colour 209 (level 11 of
// hue 0, folded back onto level 10 by ShadeClamp) and are unlit from 210 on:
// the two thresholds differ on purpose, each belongs to its routine.
constexpr int32_t kFirstUnlitTexel = 209;
constexpr int32_t kFirstUnlitFlatColour = 210;

inline int32_t LightBand(int64_t s) {
    return ShadeBase[static_cast<size_t>(
        std::clamp<int64_t>(kLightTermOffset + s, 0, kShadeBaseSize - 1))];
}

// A model colour below kFirstUnlitTexel lit by a band: ShadeClamp[band + colour], which
// folds a colour that runs past level 10 back onto level 10 of its hue. (A
// sum outside the table, from a colour below 0, is first wrapped to 8 bits.)
inline uint8_t LitColour(int32_t band, int32_t colour) {
    int32_t i = band + colour;
    if (i < 0 || i >= kShadeClampSize) i &= 255;
    return static_cast<uint8_t>(ShadeClamp[static_cast<size_t>(i)]);
}

// The palette index of a flat face of a model colour lit by a band: below
// 210 lit; 248 black (index 1); 210..255 unlit as colour - 199 (11..56);
// 256 and above as colour - 256.
inline uint8_t FlatIndex(int32_t colour, int32_t band) {
    if (colour < kFirstUnlitFlatColour) return LitColour(band, colour);
    if (colour == 248) return 1;
    if (colour <= 255) return static_cast<uint8_t>(colour - 199);
    return static_cast<uint8_t>(colour - 256);
}
