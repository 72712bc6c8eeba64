#include "framework/drawing_context.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/temp_dir.h"

namespace {

constexpr uint8_t kBackground = 7;
constexpr uint8_t kCyan = 200;
constexpr uint8_t kDarkCyan = 201;
constexpr uint8_t kRed = 202;
constexpr uint8_t kGreen = 203;

// A grey ramp (entry i = (i, i, i)) with a few colours in the upper entries.
std::array<PaletteEntry, kPaletteSize> TestPalette() {
    std::array<PaletteEntry, kPaletteSize> p{};
    for (int i = 0; i < kPaletteSize; ++i) {
        p[i] = PaletteEntry{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    }
    p[kCyan] = PaletteEntry{0, 255, 255, 0};
    p[kDarkCyan] = PaletteEntry{0, 200, 200, 0};
    p[kRed] = PaletteEntry{255, 0, 0, 0};
    p[kGreen] = PaletteEntry{0, 255, 0, 0};
    return p;
}

// Pixels of a width x height target, all kBackground.
struct Canvas {
    Canvas(int32_t width, int32_t height, bool bottomUp = true)
        : palette(TestPalette()), pixels(size_t(width + 3) * height, kBackground) {
        target = PixelTarget{pixels.data(), width, height, width + 3, bottomUp, palette.data()};
    }
    // Pixel at window point (x, y).
    uint8_t At(int32_t x, int32_t y) const { return target.WindowRow(y)[x]; }
    int Count(uint8_t index) const {
        int n = 0;
        for (int32_t y = 0; y < target.Height; ++y)
            for (int32_t x = 0; x < target.Width; ++x) n += At(x, y) == index;
        return n;
    }
    // True when every pixel outside [x0, x1) x [y0, y1) is still background.
    bool UntouchedOutside(int32_t x0, int32_t y0, int32_t x1, int32_t y1) const {
        for (int32_t y = 0; y < target.Height; ++y)
            for (int32_t x = 0; x < target.Width; ++x)
                if ((x < x0 || x >= x1 || y < y0 || y >= y1) && At(x, y) != kBackground) return false;
        return true;
    }
    std::array<PaletteEntry, kPaletteSize> palette;
    std::vector<uint8_t> pixels;
    PixelTarget target;
};

class DrawingContextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fontA.CreateFont(12, "Arial"));
        ASSERT_TRUE(fontB.CreateFont(15, "Arial"));
    }
    CFont fontA, fontB;
};

TEST(NearestPaletteIndexTest, ExactNearestAndLowestOfEquals) {
    auto palette = TestPalette();
    EXPECT_EQ(NearestPaletteIndex(palette.data(), Rgb(0, 255, 255)), kCyan);
    EXPECT_EQ(NearestPaletteIndex(palette.data(), Rgb(10, 250, 240)), kCyan);
    EXPECT_EQ(NearestPaletteIndex(palette.data(), Rgb(0, 190, 210)), kDarkCyan);
    EXPECT_EQ(NearestPaletteIndex(palette.data(), Rgb(90, 91, 89)), 90);
    palette[5] = palette[90];  // an earlier entry of the same colour wins
    EXPECT_EQ(NearestPaletteIndex(palette.data(), Rgb(90, 90, 90)), 5);
}

TEST_F(DrawingContextTest, FontsHaveTheirCellHeightsAndCacheGlyphs) {
    EXPECT_EQ(fontA.CellHeight(), 12);
    EXPECT_EQ(fontB.CellHeight(), 15);
    EXPECT_GT(fontA.Ascent(), 6);
    EXPECT_LT(fontA.Ascent(), 12);
    EXPECT_EQ(fontA.TextWidth("iiii"), 4 * fontA.TextWidth("i"));
    EXPECT_GT(fontB.TextWidth("Sirius"), fontA.TextWidth("Sirius"));
    const CFont::Glyph& first = fontA.GlyphOf(U'S');
    EXPECT_EQ(&first, &fontA.GlyphOf(U'S'));
    EXPECT_FALSE(first.Runs.empty());
    // The degree-like ordinal sign of azimuth labels is a real glyph.
    EXPECT_FALSE(fontA.GlyphOf(U'\u00BA').Runs.empty());
    EXPECT_GT(fontA.TextWidth("90\u00BA"), fontA.TextWidth("90"));
}

TEST_F(DrawingContextTest, FontCreationFailsCleanly) {
    CFont font;
    EXPECT_FALSE(font.CreateFontFromFile("/nonexistent/font.ttf", 12));
    EXPECT_FALSE(font.CreateFont(0, "Arial"));
    EXPECT_FALSE(font.CreateFont(-12, "Arial"));
    EXPECT_FALSE(font.IsCreated());
    EXPECT_EQ(font.TextWidth("abc"), 0);
    EXPECT_TRUE(font.GlyphOf(U'a').Runs.empty());
}

TEST_F(DrawingContextTest, TextLandsInItsBoxInTheNearestColour) {
    Canvas canvas(120, 40);
    CDC dc;
    ASSERT_TRUE(dc.Attach(canvas.target));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Rgb(10, 250, 240));
    dc.SelectObject(&fontA);
    const int32_t width = dc.TextWidth("Sirius");
    ASSERT_TRUE(dc.TextOut(10, 5, "Sirius"));
    EXPECT_GT(canvas.Count(kCyan), 30);
    EXPECT_EQ(canvas.Count(kCyan) + canvas.Count(kBackground), 120 * 40);
    EXPECT_TRUE(canvas.UntouchedOutside(10, 5, 10 + width, 5 + 12));
    // The capital's top is at the ascent line, a few rows below the cell top.
    bool inkOnTopRow = false;
    for (int32_t x = 0; x < 120; ++x) inkOnTopRow |= canvas.At(x, 5) == kCyan;
    EXPECT_FALSE(inkOnTopRow);
}

TEST_F(DrawingContextTest, WindowRowsCountDownFromTheTopLine) {
    Canvas up(80, 30, true), down(80, 30, false);
    for (Canvas* canvas : {&up, &down}) {
        CDC dc;
        dc.Attach(canvas->target);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(&fontA);
        dc.SetTextColor(Rgb(255, 0, 0));
        dc.TextOut(3, 2, "Vega");
    }
    // The same picture; in a bottom-up buffer window row w is memory row 29 - w.
    for (int32_t y = 0; y < 30; ++y) {
        for (int32_t x = 0; x < 80; ++x) ASSERT_EQ(up.At(x, y), down.At(x, y));
        EXPECT_EQ(0, std::memcmp(up.pixels.data() + (29 - y) * 83, down.pixels.data() + y * 83, 80));
    }
    EXPECT_GT(up.Count(kRed), 10);
}

TEST_F(DrawingContextTest, OpaqueBackgroundFillsTheCell) {
    Canvas canvas(100, 30);
    CDC dc;
    dc.Attach(canvas.target);
    dc.SelectObject(&fontB);
    dc.SetTextColor(Rgb(0, 255, 0));
    dc.SetBkColor(Rgb(0, 200, 200));
    ASSERT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);  // a fresh context is opaque
    dc.SetBkMode(OPAQUE);
    const int32_t width = dc.TextWidth("Mars");
    dc.TextOut(4, 6, "Mars");
    EXPECT_EQ(canvas.Count(kGreen) + canvas.Count(kDarkCyan), width * 15);
    EXPECT_GT(canvas.Count(kGreen), 20);
    EXPECT_TRUE(canvas.UntouchedOutside(4, 6, 4 + width, 6 + 15));
}

TEST_F(DrawingContextTest, TextIsClippedToTheTarget) {
    Canvas canvas(40, 20);
    CDC dc;
    dc.Attach(canvas.target);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(Rgb(255, 0, 0));
    dc.SelectObject(&fontA);
    EXPECT_TRUE(dc.TextOut(-1000000, -1000000, "Far away"));
    EXPECT_TRUE(dc.TextOut(2000000000, 2000000000, "Far away"));
    EXPECT_EQ(canvas.Count(kBackground), 40 * 20);
    dc.TextOut(-15, 14, "Betelgeuse Rigel");  // runs off the left, right and bottom edges
    EXPECT_GT(canvas.Count(kRed), 40 * 5);
    EXPECT_TRUE(canvas.UntouchedOutside(0, 14, 40, 20));
}

TEST_F(DrawingContextTest, SelectionKeepsCreatedObjectsOnly) {
    CDC dc;
    CFont notCreated;
    EXPECT_EQ(dc.SelectObject(&fontA), nullptr);  // the default font was selected
    EXPECT_EQ(dc.SelectObject(&notCreated), nullptr);
    EXPECT_EQ(dc.TextHeight(), 12);
    EXPECT_EQ(dc.SelectObject(&fontB), &fontA);
    EXPECT_EQ(dc.TextHeight(), 15);
    // Drawing without pixels is refused.
    EXPECT_FALSE(dc.TextOut(0, 0, "x"));
    EXPECT_FALSE(dc.Attach(PixelTarget{}));
}

// With no font on the machine text is skipped; fontconfig reads its
// configuration once, so this runs in a child process of its own.
TEST(DrawingContextNoFontTest, TextIsSkippedWithoutAnyUsableFont) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool clean = false;
            {
                TempDir dir;
                const std::string config = dir.File("fonts.conf");
                FILE* f = std::fopen(config.c_str(), "w");
                std::fputs("<?xml version=\"1.0\"?><fontconfig></fontconfig>\n", f);
                std::fclose(f);
                setenv("FONTCONFIG_FILE", config.c_str(), 1);
                CFont font;
                const bool created = font.CreateFont(12, "Arial");
                Canvas canvas(50, 20);
                CDC dc;
                dc.Attach(canvas.target);
                dc.SelectObject(&font);
                const bool drawn = dc.TextOut(2, 2, "Polaris");
                clean = !created && !drawn && canvas.Count(kBackground) == 50 * 20;
            }
            std::exit(clean ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// A canvas with a context that has a brush and a pen selected.
struct PolygonScene {
    PolygonScene(int32_t size, ColorRef brushColour, PenStyle penStyle, ColorRef penColour)
        : canvas(size, size) {
        dc.Attach(canvas.target);
        EXPECT_TRUE(brush.CreateSolidBrush(brushColour));
        EXPECT_TRUE(pen.CreatePen(penStyle, 1, penColour));
        dc.SelectObject(&brush);
        dc.SelectObject(&pen);
    }
    Canvas canvas;
    CDC dc;
    CBrush brush;
    CPen pen;
};

TEST(PolygonTest, TriangleFilledWithBrushAndOutlinedWithPen) {
    PolygonScene scene(40, Rgb(0, 250, 5), PS_SOLID, Rgb(250, 0, 0));
    const Canvas& canvas = scene.canvas;
    const CPoint triangle[] = {{10, 10}, {30, 10}, {10, 30}};
    ASSERT_TRUE(scene.dc.Polygon(triangle, 3));
    EXPECT_EQ(canvas.At(14, 14), kGreen);
    EXPECT_EQ(canvas.At(20, 17), kGreen);
    EXPECT_EQ(canvas.At(10, 10), kRed);
    EXPECT_EQ(canvas.At(20, 10), kRed);
    EXPECT_EQ(canvas.At(10, 20), kRed);
    EXPECT_EQ(canvas.At(20, 20), kRed);  // on the hypotenuse
    EXPECT_EQ(canvas.At(24, 24), kBackground);
    EXPECT_TRUE(canvas.UntouchedOutside(10, 10, 31, 31));
    // Area 200: the fill and its outline cover about that many pixels.
    const int covered = canvas.Count(kGreen) + canvas.Count(kRed);
    EXPECT_GT(covered, 200);
    EXPECT_LT(covered, 200 + 3 * 21);
}

TEST(PolygonTest, EvenOddRuleLeavesTheStarCentreEmpty) {
    PolygonScene scene(60, Rgb(0, 255, 0), PS_NULL, 0);
    const Canvas& canvas = scene.canvas;
    // A five-pointed star drawn in one stroke around the centre (30, 30).
    const CPoint star[] = {{30, 2}, {46, 56}, {3, 22}, {57, 22}, {14, 56}};
    scene.dc.Polygon(star, 5);
    EXPECT_EQ(canvas.At(30, 33), kBackground);  // the pentagon in the middle
    EXPECT_EQ(canvas.At(30, 10), kGreen);       // the top point
    EXPECT_EQ(canvas.At(10, 23), kGreen);       // the left point
    EXPECT_EQ(canvas.Count(kGreen) + canvas.Count(kBackground), 60 * 60);  // no outline
}

TEST(PolygonTest, HugeAndDegeneratePolygons) {
    Canvas canvas(30, 20);
    CDC dc;
    dc.Attach(canvas.target);
    CBrush brush;
    brush.CreateSolidBrush(Rgb(0, 255, 255));
    dc.SelectObject(&brush);
    // Two points fill nothing; the default black pen draws the line between them.
    const CPoint line[] = {{0, 5}, {30, 5}};
    EXPECT_TRUE(dc.Polygon(line, 2));
    EXPECT_EQ(canvas.Count(0), 30);
    EXPECT_EQ(canvas.Count(kCyan), 0);
    EXPECT_FALSE(dc.Polygon(line, 1));
    EXPECT_FALSE(dc.Polygon(nullptr, 3));
    // A triangle far larger than the target covers all of it.
    const CPoint huge[] = {{-1000000000, -1000000000}, {2000000000, -1000000000},
                           {-1000000000, 2000000000}};
    dc.Polygon(huge, 3);
    EXPECT_EQ(canvas.Count(kCyan), 30 * 20);
}

TEST(IconTest, OpaquePixelsInNearestColourTransparentLeftAlone) {
    CIcon icon;
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 16; ++x) icon.SetPixel(x, y, Rgb(250, 5, 0), (x + y) % 2 == 0);
    icon.SetPixel(0, 0, Rgb(0, 255, 255));
    Canvas canvas(40, 30);
    CDC dc;
    dc.Attach(canvas.target);
    ASSERT_TRUE(dc.DrawIcon(5, 3, icon));
    EXPECT_EQ(canvas.At(5, 3), kCyan);
    EXPECT_EQ(canvas.At(6, 3), kBackground);
    EXPECT_EQ(canvas.At(7, 3), kRed);
    EXPECT_EQ(canvas.At(20, 18), kRed);  // icon pixel (15, 15)
    EXPECT_EQ(canvas.Count(kRed) + canvas.Count(kCyan), 128);
    EXPECT_TRUE(canvas.UntouchedOutside(5, 3, 21, 19));
    // Partly off the target: only the inside part is drawn.
    Canvas corner(10, 10);
    dc.Attach(corner.target);
    dc.DrawIcon(-8, 2, icon);
    EXPECT_EQ(corner.Count(kRed), 32);
    EXPECT_TRUE(corner.UntouchedOutside(0, 2, 8, 10));
}

TEST(IconTest, LoadRgbaChecksItsSize) {
    CIcon icon;
    std::vector<uint8_t> rgba(16 * 16 * 4, 0);
    rgba[4 * 17 + 0] = 255;  // pixel (1, 1): opaque red
    rgba[4 * 17 + 3] = 200;
    rgba[4 * 18 + 3] = 100;  // pixel (2, 1): mostly transparent
    EXPECT_FALSE(icon.LoadRgba(std::span<const uint8_t>(rgba.data(), rgba.size() - 1)));
    ASSERT_TRUE(icon.LoadRgba(rgba));
    EXPECT_TRUE(icon.IsOpaque(1, 1));
    EXPECT_EQ(icon.Colour(1, 1), Rgb(255, 0, 0));
    EXPECT_FALSE(icon.IsOpaque(2, 1));
    EXPECT_FALSE(icon.IsOpaque(0, 0));
}

}  // namespace
