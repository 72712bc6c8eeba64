#pragma once
// The engine's palette and the two shade tables, one copy for the program.
//
// Index layout of the 256-entry master palette:
//   0, 2..9            the classic static colours of a 256-colour display
//   1                  black
//   10 + 19 L + h      hue h (0..18) at brightness level L (0 brightest ..
//                      10 darkest; 11 a fixed 86.2 % band), indices 10..237
//   238..245           hues 0..7 at full value
//   246, 248, 249, 254, 255  static colours
//   247                (208, 255, 255);  250..253  (149 + 21 i, 255, 255)
// The static colours (chosen as a standard 256-colour display has them):
//   0 black, 2 (0,128,0), 3 (128,128,0), 4 (0,0,128), 5 (128,0,128),
//   6 (0,128,128), 7 (192,192,192), 8 (192,220,192), 9 (166,202,240),
//   246 (255,251,240), 248 (128,128,128), 249 (255,0,0), 254 (0,255,255),
//   255 (255,255,255).
//
// A palette index goes into a pixel unchanged; a colour number c (as LineTo,
// DrawCircle and FillDisc take it) is drawn as palette index c + 10, so
// c = 19 L + h is hue h at level L (1 white, 2 red, 3 green, 4 blue, 5 yellow,
// 9 grey at full brightness).

#include <array>
#include <cstdint>

#include "framework/pixel_target.h"

constexpr int32_t kHueCount = 19;
constexpr int32_t kLevelCount = 12;
constexpr int32_t kFirstShadeIndex = 10;  // palette index of colour number 0
constexpr int32_t kShadeBaseSize = 639;   // light values k = 320 + s, s = -320..318
constexpr int32_t kShadeClampSize = 512;
constexpr int32_t kNoTint = 1000;         // a tint channel no real tint has

// Palette index of hue h at level L.
constexpr int32_t PaletteIndexOf(int32_t level, int32_t hue) {
    return kFirstShadeIndex + kHueCount * level + hue;
}

// The 19 base hues, as red, green, blue.
extern const std::array<PaletteEntry, kHueCount> kBaseHues;
// The static colours a 256-colour display reserves (the entries between
// 10 and 245 are 0; the engine overwrites them all).
extern const std::array<PaletteEntry, kPaletteSize> kSystemPalette;

// The master palette: flags 0xFF on entries kept from the static colours and
// on 238..255, 0 on 0, 1 and 10..237.
extern const std::array<PaletteEntry, kPaletteSize>& MasterPalette;
// ShadeBase[k]: first palette index of the level band for light value k.
extern const std::array<int32_t, kShadeBaseSize>& ShadeBase;
// ShadeClamp[i]: i below 219, else folded back onto level 10 of the same hue.
extern const std::array<int32_t, kShadeClampSize>& ShadeClamp;

// Rebuilds the master palette, ShadeBase (depth-cue minimum 0), ShadeClamp,
// and the palette object from the master palette (forgetting the last tint,
// so the next presentation applies its tint). Called by every SurfaceCreate.
void BuildMasterPalette();

// Fills ShadeBase: entry k holds 10 + 19 level, with
// level = ((480 - k) * 11) >> 8 (arithmetic), set to 10 when 10 or more and
// to depthCueMinimum when below it. The 3D pipeline rebuilds it with a
// minimum above 0 for distant objects.
void BuildShadeBase(int32_t depthCueMinimum);

// Applies a tint to the palette object: when (r, g, b) differs from the last
// tint, entries 10..245 become t + c * (255 - t) / 255 of the master palette
// (per channel, t the tint's channel); the master palette is not changed.
// The tint is remembered either way.
void PaletteApplyTint(int32_t red, int32_t green, int32_t blue);

// The palette object's 256 entries: the colours of the pixels as presented.
const PaletteEntry* CurrentPalette();
// Counts the changes of the palette object's entries, so a presenter knows
// when to refresh its copy of them.
uint32_t PaletteRevision();
