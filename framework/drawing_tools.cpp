#include "framework/drawing_tools.h"

bool CPen::CreatePen(PenStyle style, int32_t width, ColorRef colour) {
    if (width < 0 || (style != PS_SOLID && style != PS_NULL)) return false;
    m_style = style;
    m_colour = colour;
    m_created = true;
    return true;
}

bool CBrush::CreateSolidBrush(ColorRef colour) {
    m_colour = colour;
    m_created = true;
    return true;
}

bool CIcon::LoadRgba(std::span<const uint8_t> rgba) {
    if (rgba.size() != static_cast<size_t>(kSize * kSize * 4)) return false;
    for (int32_t y = 0; y < kSize; ++y) {
        for (int32_t x = 0; x < kSize; ++x) {
            const uint8_t* p = &rgba[Index(x, y) * 4];
            SetPixel(x, y, Rgb(p[0], p[1], p[2]), p[3] >= 128);
        }
    }
    return true;
}

void CIcon::SetPixel(int32_t x, int32_t y, ColorRef colour, bool opaque) {
    if (x < 0 || x >= kSize || y < 0 || y >= kSize) return;
    m_colour[Index(x, y)] = colour;
    m_opaque[Index(x, y)] = opaque;
}
