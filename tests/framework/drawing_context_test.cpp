// Drawing on pixels: the line walk, text, polygons and icons.

#include "framework/drawing_context.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <random>
#include <set>

#include "framework/line_walk.h"

namespace {

constexpr uint8_t kBackground = 7, kCyan = 200, kDarkCyan = 201, kRed = 202, kGreen = 203;

// A width x height target of kBackground pixels over a grey ramp palette
// (entry i = (i, i, i)) with four colours in entries 200..203.
struct Canvas {
    Canvas(int32_t width, int32_t height, bool bottomUp = true) : pixels(size_t(width + 3) * height, kBackground) {
        for (int i = 0; i < kPaletteSize; ++i) palette[i] = PaletteEntry{uint8_t(i), uint8_t(i), uint8_t(i), 0};
        palette[kCyan] = {0, 255, 255, 0};
        palette[kDarkCyan] = {0, 200, 200, 0};
        palette[kRed] = {255, 0, 0, 0};
        palette[kGreen] = {0, 255, 0, 0};
        target = PixelTarget{pixels.data(), width, height, width + 3, bottomUp, palette.data()};
    }
    uint8_t At(int32_t x, int32_t y) const { return target.WindowRow(y)[x]; }  // window point
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

// A context on a canvas, with a font, brush and pen selected.
struct Scene {
    Scene(int32_t width, int32_t height, bool bottomUp = true) : canvas(width, height, bottomUp) {
        EXPECT_TRUE(small.CreateFont(12, "Arial"));
        EXPECT_TRUE(large.CreateFont(15, "Arial"));
        EXPECT_TRUE(dc.Attach(canvas.target));
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(&small);
    }
    Canvas canvas;
    CFont small, large;
    CBrush brush;
    CPen pen;
    CDC dc;
};

TEST(FontTest, CellHeightsWidthsAndSelection) {
    Scene scene(1, 1);
    EXPECT_EQ(scene.dc.TextHeight(), 12);
    EXPECT_GT(scene.small.TextWidth("90\u00BA"), scene.small.TextWidth("90"));  // azimuth labels
    CFont font;
    EXPECT_FALSE(font.CreateFontFromFile("/nonexistent/font.ttf", 12));
    EXPECT_FALSE(font.CreateFont(0, "Arial"));
    EXPECT_EQ(scene.dc.SelectObject(&font), nullptr);  // only created objects are selected
    EXPECT_EQ(scene.dc.SelectObject(&scene.large), &scene.small);
    EXPECT_EQ(scene.dc.TextHeight(), 15);
    CDC fresh;
    EXPECT_FALSE(fresh.TextOut(0, 0, "x") || fresh.Attach(PixelTarget{}));  // no pixels
}

TEST(TextTest, TextLandsInItsBoxInTheNearestColour) {
    Scene up(120, 40, true), down(120, 40, false);
    for (Scene* scene : {&up, &down}) {
        scene->dc.SetTextColor(Rgb(10, 250, 240));
        ASSERT_TRUE(scene->dc.TextOut(10, 5, "Sirius"));
    }
    const int32_t width = up.dc.TextWidth("Sirius");
    EXPECT_GT(up.canvas.Count(kCyan), 30);
    EXPECT_EQ(up.canvas.Count(kCyan) + up.canvas.Count(kBackground), 120 * 40);
    EXPECT_TRUE(up.canvas.UntouchedOutside(10, 5, 10 + width, 5 + 12));
    // In a bottom-up buffer window row w is memory row Height - 1 - w.
    for (int32_t y = 0; y < 40; ++y)
        ASSERT_EQ(0, std::memcmp(&up.canvas.pixels[(39 - y) * 123], &down.canvas.pixels[y * 123], 120));
}

TEST(TextTest, OpaqueBackgroundAndClipping) {
    Scene scene(40, 30);
    scene.dc.SelectObject(&scene.large);
    scene.dc.SetTextColor(Rgb(0, 255, 0));
    scene.dc.SetBkColor(Rgb(0, 200, 200));
    scene.dc.SetBkMode(OPAQUE);
    const int32_t width = scene.dc.TextWidth("Ma");
    scene.dc.TextOut(4, 2, "Ma");
    EXPECT_EQ(scene.canvas.Count(kGreen) + scene.canvas.Count(kDarkCyan), width * 15);
    EXPECT_TRUE(scene.dc.TextOut(-1000000, 2000000000, "Far away"));
    EXPECT_TRUE(scene.canvas.UntouchedOutside(4, 2, 4 + width, 17));
    scene.dc.TextOut(-15, 22, "Betelgeuse Rigel");  // off the left, right and bottom edges
    EXPECT_EQ(scene.canvas.Count(kGreen) + scene.canvas.Count(kDarkCyan), width * 15 + 40 * 8);
}

TEST(PolygonTest, EvenOddRuleHugeAndDegenerate) {
    Scene scene(60, 60);
    ASSERT_TRUE(scene.brush.CreateSolidBrush(Rgb(0, 255, 0)) && scene.pen.CreatePen(PS_NULL, 1, 0));
    scene.dc.SelectObject(&scene.brush);
    scene.dc.SelectObject(&scene.pen);
    const CPoint star[] = {{30, 2}, {46, 56}, {3, 22}, {57, 22}, {14, 56}};  // one stroke
    scene.dc.Polygon(star, 5);
    EXPECT_EQ(scene.canvas.At(30, 33), kBackground);  // the pentagon in the middle
    EXPECT_TRUE(scene.canvas.At(30, 10) == kGreen && scene.canvas.At(10, 23) == kGreen);
    EXPECT_EQ(scene.canvas.Count(kGreen) + scene.canvas.Count(kBackground), 60 * 60);  // null pen
    const CPoint huge[] = {{-1000000000, -1000000000}, {2000000000, -1000000000}, {-1000000000, 2000000000}};
    scene.dc.Polygon(huge, 3);
    EXPECT_EQ(scene.canvas.Count(kGreen), 60 * 60);
    // Two points fill nothing; the default black pen draws the line between them.
    Scene line(30, 20);
    const CPoint ends[] = {{0, 5}, {30, 5}};
    EXPECT_TRUE(line.dc.Polygon(ends, 2));
    EXPECT_EQ(line.canvas.Count(0), 30);
    EXPECT_FALSE(line.dc.Polygon(ends, 1));
}

TEST(IconTest, OpaquePixelsInNearestColourTransparentLeftAlone) {
    CIcon icon;
    std::vector<uint8_t> rgba(16 * 16 * 4, 0);
    for (int i = 0; i < 256; ++i) {
        rgba[i * 4] = 250;
        rgba[i * 4 + 3] = ((i % 16) + (i / 16)) % 2 ? 100 : 200;  // checkerboard of alpha
    }
    EXPECT_FALSE(icon.LoadRgba(std::span<const uint8_t>(rgba.data(), rgba.size() - 1)));
    ASSERT_TRUE(icon.LoadRgba(rgba));
    icon.SetPixel(0, 0, Rgb(0, 255, 255));
    Scene scene(40, 30);
    ASSERT_TRUE(scene.dc.DrawIcon(5, 3, icon));
    const Canvas& c = scene.canvas;
    EXPECT_TRUE(c.At(5, 3) == kCyan && c.At(6, 3) == kBackground && c.At(7, 3) == kRed);
    EXPECT_EQ(c.Count(kRed) + c.Count(kCyan), 128);
    EXPECT_TRUE(c.UntouchedOutside(5, 3, 21, 19));
    Scene corner(10, 10);  // partly off the target: the inside part only
    corner.dc.DrawIcon(-8, 2, icon);
    EXPECT_EQ(corner.canvas.Count(kRed), 32);
}

using Pixels = std::set<std::pair<int32_t, int32_t>>;

Pixels Walked(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t w, int32_t h) {
    Pixels pixels;
    WalkLine(x0, y0, x1, y1, w, h, [&](int32_t x, int32_t y) {
        EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << x << "," << y;
        pixels.insert({x, y});
    });
    return pixels;
}

TEST(LineWalkTest, SimpleLines) {
    EXPECT_EQ(Walked(5, 5, 5, 5, 10, 10), (Pixels{{5, 5}}));
    EXPECT_EQ(Walked(0, 0, 4, 2, 10, 10), (Pixels{{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 2}}));
    // An even major length with an odd minor length: both walkers' middle pixels.
    EXPECT_EQ(Walked(0, 0, 2, 1, 10, 10), (Pixels{{0, 0}, {1, 0}, {1, 1}, {2, 1}}));
}

// The pixels SetLinePixels writes into a w x h buffer, rows top-down in
// memory or bottom-up, with a guard byte beyond each row that must stay clear.
Pixels Written(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t w, int32_t h, bool bottomUp) {
    const int32_t stride = w + 1;
    std::vector<uint8_t> bytes(static_cast<size_t>(stride * h), 0);
    uint8_t* row0 = bottomUp ? bytes.data() + (h - 1) * stride : bytes.data();
    SetLinePixels(x0, y0, x1, y1, w, h, row0, bottomUp ? -stride : stride, 7);
    Pixels pixels;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < stride; ++x)
            if (row0[static_cast<ptrdiff_t>(y) * (bottomUp ? -stride : stride) + x]) pixels.insert({x, y});
    return pixels;
}

// SetLinePixels writes the pixels the walk visits, in either row order and either direction;
// they lie within half a pixel of the line; and clipping keeps the pixels of the whole line:
// the same line walked on a surface that holds it, cut down to the window, gives the same.
TEST(LineWalkTest, SetPixelsMatchesTheWalkInEitherRowOrderAndReversed) {
    std::mt19937 rng(13);
    std::uniform_int_distribution<int32_t> near(-120, 180), far(INT32_MIN, INT32_MAX);
    for (int n = 0; n < 1500; ++n) {
        // Ends near the buffer, far off it, and at the limits of 32 bits.
        auto pick = [&](int k) { return n % k == 0 ? far(rng) : near(rng); };
        const int32_t x0 = pick(3), y0 = pick(4), x1 = pick(5), y1 = pick(7);
        const Pixels expected = Walked(x0, y0, x1, y1, 60, 40);
        SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " " << x1 << "," << y1);
        ASSERT_EQ(Written(x0, y0, x1, y1, 60, 40, false), expected);
        ASSERT_EQ(Written(x0, y0, x1, y1, 60, 40, true), expected);
        ASSERT_EQ(Walked(x1, y1, x0, y0, 60, 40), expected);
        const double dx = double(x1) - x0, dy = double(y1) - y0;
        for (const auto& [x, y] : expected) {
            const double off = std::fabs(dx) > std::fabs(dy) ? y - (y0 + dy * (x - x0) / dx) : x - (x0 + dx * (y - y0) / dy);
            ASSERT_LE(std::fabs(off), 0.5 + 1e-6);
        }
        if (n % 3 == 0 || n % 4 == 0 || n % 5 == 0 || n % 7 == 0) continue;
        Pixels cut;
        for (auto [x, y] : Walked(x0 + 200, y0 + 200, x1 + 200, y1 + 200, 600, 600))
            if (x >= 200 && x < 260 && y >= 200 && y < 240) cut.insert({x - 200, y - 200});
        ASSERT_EQ(expected, cut);
    }
    Pixels diagonal;  // ends at the limits of 32 bits
    for (int32_t i = 0; i < 30; ++i) diagonal.insert({i, i});
    EXPECT_EQ(Walked(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, 40, 30), diagonal);
    EXPECT_EQ(Walked(INT32_MIN, 3, INT32_MAX, 3, 40, 30).size(), 40u);
}

}  // namespace
