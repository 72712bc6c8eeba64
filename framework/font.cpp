#include "framework/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "framework/text.h"

namespace {

// One FreeType library for the process, kept alive by every font that uses it,
// so fonts held in static objects may be destroyed in any order.
std::shared_ptr<FT_LibraryRec_> SharedLibrary() {
    static std::weak_ptr<FT_LibraryRec_> shared;
    std::shared_ptr<FT_LibraryRec_> library = shared.lock();
    if (!library) {
        FT_Library raw = nullptr;
        if (FT_Init_FreeType(&raw) != 0) return nullptr;
        library.reset(raw, [](FT_Library l) { FT_Done_FreeType(l); });
        shared = library;
    }
    return library;
}

int32_t Round26Dot6(FT_Pos v) { return static_cast<int32_t>((v + 32) >> 6); }

// Largest cell height we render; beyond it a label is no longer a label.
constexpr int32_t kMaxCellHeight = 512;

}  // namespace

struct CFont::Impl {
    std::shared_ptr<FT_LibraryRec_> library;
    FT_Face face = nullptr;
    int32_t cellHeight = 0;
    int32_t ascent = 0;
    std::unordered_map<char32_t, Glyph> glyphs;

    ~Impl() {
        if (face) FT_Done_Face(face);
    }
    Glyph Render(char32_t codePoint);
};

CFont::CFont() = default;
CFont::~CFont() = default;

void CFont::DeleteObject() { m_impl.reset(); }

bool CFont::CreateFontFromFile(const std::string& path, int32_t heightPx) {
    DeleteObject();
    if (heightPx <= 0 || heightPx > kMaxCellHeight) return false;
    auto impl = std::make_unique<Impl>();
    impl->library = SharedLibrary();
    if (!impl->library) return false;
    if (FT_New_Face(impl->library.get(), path.c_str(), 0, &impl->face) != 0) {
        impl->face = nullptr;
        return false;
    }
    if (!FT_IS_SCALABLE(impl->face)) return false;
    // Scale so that ascender + descender span the cell, as a positive
    // window-system font height does.
    FT_Size_RequestRec request{};
    request.type = FT_SIZE_REQUEST_TYPE_CELL;
    request.width = 0;
    request.height = static_cast<FT_Long>(heightPx) << 6;
    if (FT_Request_Size(impl->face, &request) != 0) return false;
    impl->ascent = Round26Dot6(impl->face->size->metrics.ascender);
    impl->cellHeight = heightPx;
    m_impl = std::move(impl);
    return true;
}

bool CFont::CreateFont(int32_t heightPx, const std::string& family, int32_t weight) {
    DeleteObject();
    if (heightPx <= 0 || heightPx > kMaxCellHeight) return false;
    if (!FcInit()) return false;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight, 1, 1000)));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* file = nullptr;
    std::string path;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        path = reinterpret_cast<const char*>(file);
    }
    FcPatternDestroy(match);
    return !path.empty() && CreateFontFromFile(path, heightPx);
}

int32_t CFont::CellHeight() const { return m_impl ? m_impl->cellHeight : 0; }
int32_t CFont::Ascent() const { return m_impl ? m_impl->ascent : 0; }

const CFont::Glyph& CFont::GlyphOf(char32_t codePoint) {
    static const Glyph kNone;
    if (!m_impl) return kNone;
    auto found = m_impl->glyphs.find(codePoint);
    if (found != m_impl->glyphs.end()) return found->second;
    return m_impl->glyphs.emplace(codePoint, m_impl->Render(codePoint)).first->second;
}

CFont::Glyph CFont::Impl::Render(char32_t codePoint) {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return glyph;
    const FT_GlyphSlot slot = face->glyph;
    glyph.Advance = Round26Dot6(slot->advance.x);
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO || !bitmap.buffer) return glyph;
    // Bitmap rows are top first; bitmap_top is the height of its top row
    // above the baseline, which lies Ascent rows below the top of the cell.
    const int32_t top = ascent - slot->bitmap_top;
    const int32_t left = slot->bitmap_left;
    const int32_t width = static_cast<int32_t>(bitmap.width);
    for (int32_t row = 0; row < static_cast<int32_t>(bitmap.rows); ++row) {
        const uint8_t* bits = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        int32_t column = 0;
        while (column < width) {
            auto set = [&](int32_t c) { return (bits[c >> 3] & (0x80 >> (c & 7))) != 0; };
            if (!set(column)) {
                ++column;
                continue;
            }
            const int32_t start = column;
            while (column < width && set(column)) ++column;
            glyph.Runs.push_back(Run{static_cast<int16_t>(top + row),
                                     static_cast<int16_t>(left + start),
                                     static_cast<int16_t>(column - start)});
        }
    }
    return glyph;
}

int32_t CFont::TextWidth(std::string_view utf8) {
    int32_t width = 0;
    for (char32_t c : Utf8ToUtf32(utf8)) width += GlyphOf(c).Advance;
    return width;
}
