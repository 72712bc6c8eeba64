#include "engine/png_export.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "engine/palette.h"
#include "engine/primitives.h"
#include "framework/file.h"
#include "tests/engine/frame_check.h"
#include "tests/temp_dir.h"

namespace {

struct DecodedPng {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;  // rows top first
};

bool Decode(const std::vector<uint8_t>& bytes, DecodedPng& out) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    image.format = PNG_FORMAT_RGB;
    out.width = image.width;
    out.height = image.height;
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0;
}

TEST(PngExportTest, PalettisedUprightPicture) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 30, 20), 1);  // stride 32
    SurfaceClear(s, 10);
    MoveTo(s, 0, 19);
    LineTo(s, 31, 19, 2);  // top line red
    MoveTo(s, 0, 0);
    LineTo(s, 31, 0, 3);   // bottom line green
    PutPixel(s, 5, 10, 254);
    TempDir dir;
    const std::string path = dir.File("frame.png");
    std::string error;
    ASSERT_TRUE(SurfaceSavePng(s, path, &error)) << error;

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes, error)) << error;
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes[24], 8);  // IHDR bit depth
    EXPECT_EQ(bytes[25], 3);  // IHDR colour type: palette
    DecodedPng png;
    ASSERT_TRUE(Decode(bytes, png));
    EXPECT_EQ(png.width, 32u);
    EXPECT_EQ(png.height, 20u);
    const PaletteEntry* palette = CurrentPalette();
    for (int32_t row = 0; row < 20; ++row) {
        for (int32_t x = 0; x < 32; ++x) {
            const PaletteEntry& e = palette[PixelOf(s, x, 19 - row)];  // first row is the top line
            const uint8_t* p = &png.rgb[(row * 32 + x) * 3];
            ASSERT_EQ(p[0], e.Red) << x << "," << row;
            ASSERT_EQ(p[1], e.Green);
            ASSERT_EQ(p[2], e.Blue);
        }
    }
    EXPECT_EQ(png.rgb[0], 230);                    // red line on top
    EXPECT_EQ(png.rgb[(19 * 32) * 3 + 1], 173);   // green line at the bottom
}

TEST(PngExportTest, FailuresAreReported) {
    Surface s;
    std::string error;
    EXPECT_FALSE(SurfaceSavePng(s, "/tmp/never.png", &error));
    EXPECT_NE(error.find("no pixels"), std::string::npos);
    ASSERT_EQ(SurfaceCreate(s, 8, 8), 1);
    error.clear();
    EXPECT_FALSE(SurfaceSavePng(s, "/nonexistent-folder/frame.png", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
