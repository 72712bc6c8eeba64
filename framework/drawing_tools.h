#pragma once
// The objects a drawing context draws with besides fonts: pens (polygon
// outlines), brushes (polygon interiors) and 16 x 16 icons. Colours are RGB
// values; the drawing context turns them into the nearest palette entry of the
// pixels it draws into. Created once by the application and deleted at exit.

#include <array>
#include <cstdint>
#include <span>

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

// A 16 x 16 picture with transparency, rows top first.
class CIcon {
public:
    static constexpr int32_t kSize = 16;

    // Takes 16 x 16 pixels of 4 bytes (red, green, blue, alpha), rows top
    // first; alpha 128 or more is opaque. False (icon unchanged) unless
    // exactly 1024 bytes are given.
    bool LoadRgba(std::span<const uint8_t> rgba);
    // Sets one pixel; coordinates outside the icon are ignored.
    void SetPixel(int32_t x, int32_t y, ColorRef colour, bool opaque = true);
    bool IsOpaque(int32_t x, int32_t y) const { return m_opaque[Index(x, y)]; }
    ColorRef Colour(int32_t x, int32_t y) const { return m_colour[Index(x, y)]; }

private:
    static size_t Index(int32_t x, int32_t y) { return static_cast<size_t>(y * kSize + x); }
    std::array<ColorRef, kSize * kSize> m_colour{};
    std::array<bool, kSize * kSize> m_opaque{};
};
