#include "engine/png_export.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "engine/palette.h"
#include "engine/primitives.h"
#include "tests/engine/frame_check.h"
#include "tests/temp_dir.h"

namespace {

TEST(PngExportTest, PalettisedUprightPicture) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 30, 20), 1);  // stride 32
    SurfaceClear(s, 10);
    MoveTo(s, 0, 19);
    LineTo(s, 31, 19, 2);  // top line red
    PutPixel(s, 5, 10, 254);
    TempDir dir;
    const std::string path = dir.File("frame.png");
    std::string error;
    ASSERT_TRUE(SurfaceSavePng(s, path, &error)) << error;

    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes, error)) << error;
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes[24], 8);  // IHDR: 8 bits per pixel
    EXPECT_EQ(bytes[25], 3);  // IHDR: palette colours
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    ASSERT_TRUE(image.width == 32 && image.height == 20);
    for (int32_t row = 0; row < 20; ++row) {  // the first row is the top line
        for (int32_t x = 0; x < 32; ++x) {
            const PaletteEntry& e = CurrentPalette()[PixelOf(s, x, 19 - row)];
            const uint8_t* p = &rgb[(row * 32 + x) * 3];
            ASSERT_TRUE(p[0] == e.Red && p[1] == e.Green && p[2] == e.Blue) << x << "," << row;
        }
    }
    EXPECT_EQ(rgb[0], 230);  // red on top
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
