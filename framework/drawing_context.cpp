#include "framework/drawing_context.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "framework/line_walk.h"
#include "framework/text.h"

namespace {

// The font a context uses until another is selected. Created on first use.
CFont* DefaultFont() {
    static CFont font;
    static bool tried = false;
    if (!tried) {
        tried = true;
        font.CreateFont(12, "Arial");
    }
    return font.IsCreated() ? &font : nullptr;
}

constexpr ColorRef kDefaultPenColour = Rgb(0, 0, 0);
constexpr ColorRef kDefaultBrushColour = Rgb(255, 255, 255);

}  // namespace

bool CDC::Attach(const PixelTarget& target) {
    m_target = target.IsValid() ? target : PixelTarget{};
    m_inkValid = false;
    return IsAttached();
}

void CDC::Detach() {
    m_target = PixelTarget{};
    m_inkValid = false;
}

BackgroundMode CDC::SetBkMode(BackgroundMode mode) { return std::exchange(m_bkMode, mode); }
ColorRef CDC::SetBkColor(ColorRef colour) { return std::exchange(m_bkColour, colour); }
ColorRef CDC::SetTextColor(ColorRef colour) { return std::exchange(m_textColour, colour); }

CFont* CDC::SelectObject(CFont* font) {
    if (!font || !font->IsCreated()) return nullptr;
    return std::exchange(m_font, font);
}

CPen* CDC::SelectObject(CPen* pen) {
    if (!pen || !pen->IsCreated()) return nullptr;
    return std::exchange(m_pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (!brush || !brush->IsCreated()) return nullptr;
    return std::exchange(m_brush, brush);
}

CFont* CDC::CurrentFont() { return m_font ? m_font : DefaultFont(); }

int32_t CDC::TextWidth(std::string_view utf8) {
    CFont* font = CurrentFont();
    return font ? font->TextWidth(utf8) : 0;
}

int32_t CDC::TextHeight() {
    CFont* font = CurrentFont();
    return font ? font->CellHeight() : 0;
}

// Fills window row y from column x0 to x1 inclusive, clipped to the target.
void CDC::FillSpan(int64_t y, int64_t x0, int64_t x1, uint8_t index) {
    if (y < 0 || y >= m_target.Height) return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, m_target.Width - 1);
    if (x0 > x1) return;
    uint8_t* line = m_target.WindowRow(static_cast<int32_t>(y));
    std::fill(line + x0, line + x1 + 1, index);
}

bool CDC::TextOut(int32_t x, int32_t y, std::string_view utf8) {
    CFont* font = CurrentFont();
    if (!IsAttached() || !font) return false;
    const std::u32string text = Utf8ToUtf32(utf8);
    if (m_bkMode == OPAQUE) {
        int64_t width = 0;
        for (char32_t c : text) width += font->GlyphOf(c).Advance;
        const uint8_t background = IndexOf(m_bkColour);
        for (int32_t row = 0; row < font->CellHeight(); ++row) {
            FillSpan(int64_t{y} + row, x, int64_t{x} + width - 1, background);
        }
    }
    // The text colour's palette index, looked up once per colour (a paint
    // writes hundreds of names in a few colours).
    if (!m_inkValid || m_inkColour != m_textColour) {
        m_ink = IndexOf(m_textColour);
        m_inkColour = m_textColour;
        m_inkValid = true;
    }
    const uint8_t ink = m_ink;
    int64_t penX = x;
    for (char32_t c : text) {
        const CFont::Glyph& glyph = font->GlyphOf(c);
        for (const CFont::Run& run : glyph.Runs) {
            const int64_t left = penX + run.Column;
            FillSpan(int64_t{y} + run.Row, left, left + run.Length - 1, ink);
        }
        penX += glyph.Advance;
    }
    return true;
}

bool CDC::Polygon(const CPoint* points, int32_t count) {
    if (!IsAttached() || !points || count < 2) return false;
    const uint8_t fill = IndexOf(m_brush ? m_brush->Colour() : kDefaultBrushColour);
    // Scan each row at its pixel centre, crossing points of the edges sorted,
    // spans between alternate crossings filled (even-odd rule).
    int64_t top = points[0].y, bottom = points[0].y;
    for (int32_t i = 1; i < count; ++i) {
        top = std::min<int64_t>(top, points[i].y);
        bottom = std::max<int64_t>(bottom, points[i].y);
    }
    const int64_t firstRow = std::max<int64_t>(top, 0);
    const int64_t lastRow = std::min<int64_t>(bottom, m_target.Height - 1);
    std::vector<double> crossings;
    for (int64_t row = firstRow; row <= lastRow; ++row) {
        const double scanY = static_cast<double>(row) + 0.5;
        crossings.clear();
        for (int32_t i = 0; i < count; ++i) {
            const CPoint& a = points[i];
            const CPoint& b = points[(i + 1) % count];
            if (a.y == b.y) continue;
            const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
            if (scanY < y0 || scanY >= y1) continue;
            crossings.push_back(a.x + (scanY - a.y) * (static_cast<double>(b.x) - a.x) /
                                                 (static_cast<double>(b.y) - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [left, right).
            const double first = std::ceil(crossings[i] - 0.5);
            const double last = std::ceil(crossings[i + 1] - 0.5) - 1;
            if (last < 0 || first >= m_target.Width || first > last) continue;
            FillSpan(row, static_cast<int64_t>(std::max(first, 0.0)),
                     static_cast<int64_t>(std::min<double>(last, m_target.Width - 1)), fill);
        }
    }
    if (m_pen && m_pen->Style() == PS_NULL) return true;
    const uint8_t outline = IndexOf(m_pen ? m_pen->Colour() : kDefaultPenColour);
    const ptrdiff_t rowStep = m_target.BottomUp ? -ptrdiff_t{m_target.Stride} : m_target.Stride;
    for (int32_t i = 0; i < count; ++i) {
        const CPoint& a = points[i];
        const CPoint& b = points[(i + 1) % count];
        SetLinePixels(a.x, a.y, b.x, b.y, m_target.Width, m_target.Height, m_target.WindowRow(0),
                      rowStep, outline);
    }
    return true;
}

bool CDC::DrawIcon(int32_t x, int32_t y, const CIcon& icon) {
    if (!IsAttached()) return false;
    for (int32_t row = 0; row < icon.Side(); ++row) {
        const int64_t wy = int64_t{y} + row;
        if (wy < 0 || wy >= m_target.Height) continue;
        uint8_t* line = m_target.WindowRow(static_cast<int32_t>(wy));
        for (int32_t column = 0; column < icon.Side(); ++column) {
            const int64_t wx = int64_t{x} + column;
            if (wx < 0 || wx >= m_target.Width || !icon.IsOpaque(column, row)) continue;
            line[wx] = IndexOf(icon.Colour(column, row));
        }
    }
    return true;
}
