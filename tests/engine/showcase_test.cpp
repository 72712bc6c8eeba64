// The showcase frame: every hue at every level, lines, circles, discs and two
// lines of text through the drawing context, saved as a picture to look at
// (engine_pictures/engine_showcase.png beside the test programs).

#include <gtest/gtest.h>

#include <cmath>

#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/trig_tables.h"
#include "framework/drawing_context.h"
#include "tests/engine/frame_check.h"

namespace {

constexpr int32_t kWidth = 420, kHeight = 320;
constexpr int32_t kCellLeft = 8, kCellTop = 8, kCellWidth = 18, kCellHeight = 12, kCellGap = 2;

// Window row (y down) to surface row (y up).
int32_t SurfaceRow(int32_t windowY) { return kHeight - 1 - windowY; }

void FillCell(Surface& s, int32_t level, int32_t hue) {
    const int32_t left = kCellLeft + hue * (kCellWidth + kCellGap);
    const int32_t top = kCellTop + level * (kCellHeight + kCellGap);
    for (int32_t y = top; y < top + kCellHeight; ++y)
        for (int32_t x = left; x < left + kCellWidth; ++x)
            PutPixel(s, x, SurfaceRow(y), PaletteIndexOf(level, hue));
}

void DrawScene(Surface& s, CFont& small, CFont& large) {
    SurfaceClear(s, 10);
    for (int32_t level = 0; level < kLevelCount; ++level)
        for (int32_t hue = 0; hue < kHueCount; ++hue) FillCell(s, level, hue);

    const int32_t band = SurfaceRow(232);  // middle of the primitives band
    // A fan of lines in the nine colour numbers of the sky.
    for (int32_t i = 0; i < 24; ++i) {
        const Angle a = i * kAngleFullTurn / 24;
        MoveTo(s, 60, band);
        LineTo(s, 60 + Cos(a) * 48 / kQ15One, band + Sin(a) * 48 / kQ15One, 1 + i % 9);
    }
    for (int32_t r = 10; r <= 46; r += 12) DrawCircle(s, 170, band, r, 2 + r / 12);
    FillDisc(s, 270, band, 40, 4);
    FillDisc(s, 270, band, 26, PaletteIndexOf(3, 15) - kFirstShadeIndex);
    FillDisc(s, 270, band, 12, 2);
    DrawBodyDisc(s, 350, band + 20, 6, 5);  // a Sun marker
    DrawBodyDisc(s, 380, band, 2, 1);       // a planet marker in a ring
    DrawCircle(s, 380, band, 8, 3);
    MoveTo(s, 330, band - 40);
    LineTo(s, 410, band - 10, 9);

    CDC dc;
    ASSERT_TRUE(dc.Attach(s.MemoryDC));
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(&small);
    dc.SetTextColor(Rgb(0, 255, 255));
    dc.TextOut(8, 286, "Sirius  Canopus  Arcturus  Vega  Capella  Rigel  Procyon");
    dc.SelectObject(&large);
    dc.SetTextColor(Rgb(0, 255, 0));
    dc.TextOut(8, 300, "J\u00FApiter  Saturno  Luna  Marte    90\u00BA  180\u00BA  270\u00BA");
    dc.Detach();
}

TEST(EngineShowcaseTest, PaletteGridPrimitivesAndText) {
    EngineTablesInit();
    CFont small, large;
    ASSERT_TRUE(small.CreateFont(12, "Arial"));
    ASSERT_TRUE(large.CreateFont(15, "Arial"));
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, kWidth, kHeight), 1);
    DrawScene(s, small, large);
    const std::string path = TestOutputPath("engine_showcase.png");
    std::string error;
    ASSERT_TRUE(SurfaceSavePng(s, path, &error)) << error;

    for (int32_t level = 0; level < kLevelCount; ++level) {
        for (int32_t hue = 0; hue < kHueCount; ++hue) {
            const int32_t x = kCellLeft + hue * (kCellWidth + kCellGap) + kCellWidth / 2;
            const int32_t y = kCellTop + level * (kCellHeight + kCellGap) + kCellHeight / 2;
            ASSERT_EQ(PixelOf(s, x, SurfaceRow(y)), PaletteIndexOf(level, hue)) << level << " " << hue;
        }
    }
    EXPECT_EQ(PixelOf(s, 270, SurfaceRow(232)), 12);  // inner disc, red
    // The text is drawn as the palette's nearest colours: cyan is a static
    // colour (254); pure green falls on the static dark green (2).
    int cyan = 0, green = 0, stray = 0;
    for (int32_t wy = 284; wy < kHeight; ++wy) {
        for (int32_t x = 0; x < s.Stride - 1; ++x) {
            const uint8_t p = PixelOf(s, x, SurfaceRow(wy));
            cyan += p == 254 && wy < 298;
            green += p == 2 && wy >= 300;
            stray += p != 10 && p != 254 && p != 2;
        }
    }
    EXPECT_GT(cyan, 300);
    EXPECT_GT(green, 300);
    EXPECT_EQ(stray, 0);
}

}  // namespace
