#pragma once
// The objects a drawing context draws with besides fonts: pens (polygon
// outlines), brushes (polygon interiors) and 16 x 16 icons. Colours are RGB
// values; the drawing context turns them into the nearest palette entry of the
// pixels it draws into. Created once by the application and deleted at exit.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "framework/pixel_target.h"

enum PenStyle : int32_t {
    PS_SOLID = 0,
    PS_NULL = 5,  // draws nothing
};

class CPen {
public:
    // A pen of a style and colour. Outlines are one pixel wide whatever the
    // width; a width below 0 fails. False leaves the pen not created.
    bool CreatePen(PenStyle style, int32_t width, ColorRef colour);
    bool IsCreated() const { return m_created; }
    PenStyle Style() const { return m_style; }
    ColorRef Colour() const { return m_colour; }

private:
    bool m_created = false;
    PenStyle m_style = PS_SOLID;
    ColorRef m_colour = 0;
};

class CBrush {
public:
    bool CreateSolidBrush(ColorRef colour);
    bool IsCreated() const { return m_created; }
    ColorRef Colour() const { return m_colour; }

private:
    bool m_created = false;
    ColorRef m_colour = 0;
};

// A square picture with transparency, rows top first: 16 x 16 as made, or
// of another side (1 to kMaxSide) for a denser screen.
class CIcon {
public:
    static constexpr int32_t kSize = 16;
    static constexpr int32_t kMaxSide = 256;

    CIcon() : CIcon(kSize) {}
    // A fully transparent icon; a side outside 1..kMaxSide is taken as 16.
    explicit CIcon(int32_t side);

    int32_t Side() const { return m_side; }
    // Takes side x side pixels of 4 bytes (red, green, blue, alpha), rows
    // top first; alpha 128 or more is opaque. False (icon unchanged) unless
    // exactly side x side x 4 bytes are given.
    bool LoadRgba(std::span<const uint8_t> rgba);
    // Sets one pixel; coordinates outside the icon are ignored.
    void SetPixel(int32_t x, int32_t y, ColorRef colour, bool opaque = true);
    bool IsOpaque(int32_t x, int32_t y) const { return m_opaque[Index(x, y)] != 0; }
    ColorRef Colour(int32_t x, int32_t y) const { return m_colour[Index(x, y)]; }

private:
    size_t Index(int32_t x, int32_t y) const { return static_cast<size_t>(y) * m_side + x; }
    int32_t m_side;
    std::vector<ColorRef> m_colour;
    std::vector<uint8_t> m_opaque;
};
