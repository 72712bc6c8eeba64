#pragma once
// A font for text drawn into palettised pixels. It is found by family name
// through fontconfig and rendered by FreeType as one-bit glyphs (no smoothing,
// as text on a palettised display looks). Each glyph is rendered once and kept
// as horizontal runs, so a frame with a few hundred labels stays cheap.
//
// Heights are in pixels and measure the whole character cell (ascent plus
// descent), the way a window system sizes a font by a positive height.
// A font that could not be created draws nothing; nothing here throws.
// Created once by the application at start-up and deleted at exit.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr int32_t kFontWeightNormal = 400;
constexpr int32_t kFontWeightBold = 700;

class CFont {
public:
    // A run of set pixels of one glyph, relative to the top-left corner of the
    // glyph's cell (row 0 is the top of the cell; rows may be negative or
    // reach below the cell for glyphs that stick out).
    struct Run {
        int16_t Row;
        int16_t Column;
        int16_t Length;
    };
    struct Glyph {
        int32_t Advance = 0;  // pixels the pen moves to the right
        std::vector<Run> Runs;
    };

    CFont();
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Finds the family (with fontconfig's substitutes, e.g. a metric-compatible
    // face for "Arial") and opens it at the cell height. Weight is on the
    // 100..900 scale (400 normal, 700 bold). False when no usable font is found.
    bool CreateFont(int32_t heightPx, const std::string& family,
                    int32_t weight = kFontWeightNormal);
    // Opens one font file directly. False when it cannot be opened or scaled.
    bool CreateFontFromFile(const std::string& path, int32_t heightPx);
    void DeleteObject();
    bool IsCreated() const { return m_impl != nullptr; }

    // Cell metrics in pixels (0 when the font is not created).
    int32_t CellHeight() const;
    int32_t Ascent() const;
    // The glyph of a code point (the font's missing-glyph shape when it has none).
    // The reference stays valid until the font is deleted.
    const Glyph& GlyphOf(char32_t codePoint);
    // Width in pixels of a UTF-8 text: the sum of its advances.
    int32_t TextWidth(std::string_view utf8);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
