#pragma once
// The pixel target: a view of an 8-bit palettised pixel buffer that drawing
// code writes into without knowing who owns it. The engine's Surface hands one
// out; the drawing context (text, polygons, icons) draws through it.
//
// A pixel holds a palette index. Rows are Stride bytes apart; with BottomUp
// the first row in memory is the bottom line of the picture (as the engine
// keeps its frame buffer), otherwise the top line. Window coordinates, as the
// drawing context takes them, always count y downward from the top line.

#include <cstdint>

// An RGB colour value: red in the low byte, then green, then blue.
using ColorRef = uint32_t;

constexpr ColorRef Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}
constexpr uint8_t RedOf(ColorRef c) { return static_cast<uint8_t>(c); }
constexpr uint8_t GreenOf(ColorRef c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t BlueOf(ColorRef c) { return static_cast<uint8_t>(c >> 16); }

// One palette entry: the colour of a pixel value, and a flags byte the
// palette's owner may use (it does not affect the colour).
struct PaletteEntry {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    uint8_t Flags = 0;
};

constexpr int kPaletteSize = 256;

struct PixelTarget {
    uint8_t* Pixels = nullptr;              // first byte of the first row in memory
    int32_t Width = 0;                      // columns that may be drawn
    int32_t Height = 0;                     // rows
    int32_t Stride = 0;                     // bytes from one row in memory to the next
    bool BottomUp = true;                   // first row in memory is the bottom line
    const PaletteEntry* Palette = nullptr;  // kPaletteSize entries

    // True when there is something to draw into.
    bool IsValid() const {
        return Pixels != nullptr && Palette != nullptr && Width > 0 && Height > 0 &&
               Stride >= Width;
    }
    // First byte of the line at window row y (0 = top line); y must be in 0..Height-1.
    uint8_t* WindowRow(int32_t y) const {
        int32_t memoryRow = BottomUp ? Height - 1 - y : y;
        return Pixels + static_cast<intptr_t>(memoryRow) * Stride;
    }
};

// The index of the palette entry nearest to a colour (smallest squared
// distance in red, green, blue; the lowest index among equals), as a
// palettised display draws a colour it does not hold.
uint8_t NearestPaletteIndex(const PaletteEntry* palette, ColorRef colour);
