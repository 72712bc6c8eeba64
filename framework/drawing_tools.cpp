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

CIcon::CIcon(int32_t side)
    : m_side(side >= 1 && side <= kMaxSide ? side : kSize),
      m_colour(static_cast<size_t>(m_side) * m_side, 0),
      m_opaque(static_cast<size_t>(m_side) * m_side, 0) {}

bool CIcon::LoadRgba(std::span<const uint8_t> rgba) {
    if (rgba.size() != static_cast<size_t>(m_side) * m_side * 4) return false;
    for (int32_t y = 0; y < m_side; ++y) {
        for (int32_t x = 0; x < m_side; ++x) {
            const uint8_t* p = &rgba[Index(x, y) * 4];
            SetPixel(x, y, Rgb(p[0], p[1], p[2]), p[3] >= 128);
        }
    }
    return true;
}

void CIcon::SetPixel(int32_t x, int32_t y, ColorRef colour, bool opaque) {
    if (x < 0 || x >= m_side || y < 0 || y >= m_side) return;
    m_colour[Index(x, y)] = colour;
    m_opaque[Index(x, y)] = opaque ? 1 : 0;
}
