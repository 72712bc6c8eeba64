#pragma once
// The drawing context: draws text, filled polygons and icons into the pixels
// of a PixelTarget (the engine's Surface hands one out), so they land in the
// same 8-bit frame as the engine's own points and lines. The sky painter
// attaches one to its surface for each paint and detaches it at the end.
//
// Coordinates are window coordinates: x to the right, y downward from the top
// line of the target. Colours are RGB values drawn as the nearest palette
// entry of the target. Drawing is clipped to the target; nothing else clips.
//
// A fresh context has: opaque background mode with a white background, black
// text, a black solid pen, a white brush and a default font ("Arial", 12
// pixels). Selected objects are not owned and must outlive their selection.

#include <cstdint>
#include <string_view>

#include "framework/drawing_tools.h"
#include "framework/font.h"
#include "framework/pixel_target.h"

enum BackgroundMode : int32_t {
    TRANSPARENT = 1,  // text leaves the pixels between its strokes alone
    OPAQUE = 2,       // text first fills its cell box with the background colour
};

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;
};

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Attaches to pixels; an invalid target leaves the context detached.
    bool Attach(const PixelTarget& target);
    void Detach();
    bool IsAttached() const { return m_target.IsValid(); }

    // Each returns the previous value or selection.
    BackgroundMode SetBkMode(BackgroundMode mode);
    ColorRef SetBkColor(ColorRef colour);
    ColorRef SetTextColor(ColorRef colour);
    // Selecting an object that was not created changes nothing and returns
    // nullptr. A nullptr result from a created object means the default one.
    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);

    // Draws UTF-8 text with its cell's top-left corner at window point (x, y),
    // in the text colour with the selected font. Skipped (false) when the
    // context is detached or no font is usable.
    bool TextOut(int32_t x, int32_t y, std::string_view utf8);
    // Width of the text with the selected font, and the font's cell height.
    int32_t TextWidth(std::string_view utf8);
    int32_t TextHeight();

    // Fills the polygon through the points (closed; inside by the even-odd
    // rule, a pixel counting as inside when its centre is) with the brush,
    // then draws its outline with the pen. False when there is nothing to draw.
    bool Polygon(const CPoint* points, int32_t count);

    // Draws an icon with its top-left corner at window point (x, y);
    // transparent pixels leave the target unchanged.
    bool DrawIcon(int32_t x, int32_t y, const CIcon& icon);

private:
    CFont* CurrentFont();
    uint8_t IndexOf(ColorRef colour) const { return NearestPaletteIndex(m_target.Palette, colour); }
    void FillSpan(int64_t y, int64_t x0, int64_t x1, uint8_t index);

    PixelTarget m_target;
    BackgroundMode m_bkMode = OPAQUE;
    ColorRef m_bkColour = Rgb(255, 255, 255);
    ColorRef m_textColour = Rgb(0, 0, 0);
    CFont* m_font = nullptr;
    CPen* m_pen = nullptr;
    CBrush* m_brush = nullptr;
    // The text colour's palette index while attached.
    bool m_inkValid = false;
    ColorRef m_inkColour = 0;
    uint8_t m_ink = 0;
};
