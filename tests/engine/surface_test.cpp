#include "engine/surface.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/engine_alloc.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "tests/engine/frame_check.h"

namespace {

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override { savedFocal = FocalLength; }
    void TearDown() override { FocalLength = savedFocal; }
    int32_t savedFocal = 0;
};

TEST_F(SurfaceTest, CreateSetsGeometryAndTables) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 238, 300), 1);
    EXPECT_EQ(s.Stride, 240);
    EXPECT_EQ(s.RowStep, 240);
    EXPECT_EQ(s.Height, 300);
    EXPECT_EQ(s.CentreX, 120);
    EXPECT_EQ(s.CentreY, 150);
    EXPECT_EQ(s.Kind, kSurfaceKindLive);
    EXPECT_EQ(s.RowBase, s.Bits);
    EXPECT_EQ(s.DirtyTop, 0);
    EXPECT_EQ(s.DirtyBottom, 299);
    EXPECT_EQ(s.BlitX, 0);
    EXPECT_EQ(s.Locked, 0);
    ASSERT_NE(s.EdgeTable, nullptr);
    ASSERT_NE(s.ShadeEdgeTable, nullptr);
    EXPECT_EQ(s.EdgeTable[299].Left, 0);
    EXPECT_EQ(s.ShadeEdgeTable[299].Right, 0);
    EXPECT_EQ(s.Info->Width, 240);
    EXPECT_EQ(s.Info->Height, 300);
    EXPECT_EQ(CountIndex(s, 0), 240 * 300);  // fresh pixels are 0
    for (int i = 0; i < kPaletteSize; ++i) {
        ASSERT_EQ(s.Info->ColourTable[i].Red, MasterPalette[i].Red);
        ASSERT_EQ(s.Info->ColourTable[i].Green, MasterPalette[i].Green);
    }
    // The view a drawing context attaches to.
    EXPECT_EQ(s.MemoryDC.Pixels, s.Bits);
    EXPECT_EQ(s.MemoryDC.Width, 240);
    EXPECT_EQ(s.MemoryDC.Height, 300);
    EXPECT_EQ(s.MemoryDC.Stride, 240);
    EXPECT_TRUE(s.MemoryDC.BottomUp);
    EXPECT_EQ(s.MemoryDC.Palette, s.Info->ColourTable);
    EXPECT_EQ(s.MemoryDC.WindowRow(0), s.Bits + 299 * 240);
}

TEST_F(SurfaceTest, StrideRoundsUpToFourAndAnyHeightWorks) {
    Surface s;
    for (auto [width, stride] : {std::pair{1, 4}, {4, 4}, {5, 8}, {241, 244}, {1280, 1280}}) {
        ASSERT_EQ(SurfaceCreate(s, width, 10), 1);
        EXPECT_EQ(s.Stride, stride);
    }
    // Taller than any handheld screen: the edge tables follow the height.
    ASSERT_EQ(SurfaceCreate(s, 1280, 1600), 1);
    s.EdgeTable[1599] = EdgePair{1, 2};
    s.ShadeEdgeTable[1599] = EdgePair{3, 4};
    PutPixel(s, 1279, 1599, 42);
    EXPECT_EQ(PixelOf(s, 1279, 1599), 42);
}

TEST_F(SurfaceTest, CreateRefusesEmptyOrHugeSizes) {
    Surface s;
    for (auto [width, height] : {std::pair{0, 100}, {-4, 100}, {100, 0}, {100, -1},
                                 {kMaxSurfaceSide + 1, 10}, {10, kMaxSurfaceSide + 1}}) {
        EXPECT_EQ(SurfaceCreate(s, width, height), 0) << width << " x " << height;
        EXPECT_EQ(s.Kind, 0);
        EXPECT_EQ(s.Bits, nullptr);
        EXPECT_EQ(s.Stride, 0);
    }
    // A failed create also drops a surface that was live.
    ASSERT_EQ(SurfaceCreate(s, 40, 30), 1);
    EXPECT_EQ(SurfaceCreate(s, 0, 30), 0);
    EXPECT_EQ(s.Kind, 0);
}

TEST_F(SurfaceTest, FocalLengthFollowsStrideAndZoom) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 240, 100), 1);
    ASSERT_EQ(SurfaceBeginFrame(s, 256), 1);
    EXPECT_EQ(FocalLength, 192);
    SurfaceEndFrame(s);
    SurfaceBeginFrame(s, 0);  // zoom 0 keeps the focal length
    EXPECT_EQ(FocalLength, 192);
    SurfaceBeginFrame(s, 512);
    EXPECT_EQ(FocalLength, 384);
    ASSERT_EQ(SurfaceCreate(s, 243, 100), 1);  // stride 244
    SurfaceBeginFrame(s, 256);
    EXPECT_EQ(FocalLength, 195);
    ASSERT_EQ(SurfaceCreate(s, 16384, 4), 1);  // 64-bit product
    SurfaceBeginFrame(s, 1 << 20);
    EXPECT_EQ(FocalLength, 13107 * 4096);
}

TEST_F(SurfaceTest, FrameBracketLocksAndUnlocks) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 40, 30), 1);
    EXPECT_EQ(SurfaceBeginFrame(s, 256), 1);
    EXPECT_EQ(s.Locked, 1);
    EXPECT_EQ(SurfaceBeginFrame(s, 256), 1);  // already locked
    EXPECT_EQ(s.Locked, 1);
    EXPECT_EQ(SurfaceEndFrame(s), 1);
    EXPECT_EQ(s.Locked, 0);
}

TEST_F(SurfaceTest, ClearLeavesTheLastByteOfEachRow) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 16, 5), 1);
    std::memset(s.Bits, 0xAB, 16 * 5);
    SurfaceClear(s, 10);
    for (int32_t y = 0; y < 5; ++y) {
        for (int32_t x = 0; x < 15; ++x) ASSERT_EQ(PixelOf(s, x, y), 10);
        EXPECT_EQ(PixelOf(s, 15, y), 0xAB);
    }
}

TEST_F(SurfaceTest, DestroyedSurfaceDrawsAndPresentsNothing) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 40, 30), 1);
    SurfaceDestroy(s);
    EXPECT_EQ(s.Kind, 0);
    EXPECT_EQ(s.Bits, nullptr);
    const int32_t focal = FocalLength;
    EXPECT_EQ(SurfaceBeginFrame(s, 256), 0);
    EXPECT_EQ(FocalLength, focal);
    // None of these may touch the freed memory.
    SurfaceClear(s, 10);
    PutPixel(s, 5, 5, 1);
    MoveTo(s, 0, 0);
    LineTo(s, 30, 20, 1);
    DrawCircle(s, 10, 10, 5, 1);
    FillDisc(s, 10, 10, 5, 1);
    PresentedFrame frame;
    EXPECT_FALSE(SurfacePresent(s, 0, frame));
    EXPECT_EQ(frame.Bits, nullptr);
    SurfaceDestroy(s);  // twice is harmless
}

TEST_F(SurfaceTest, PresentHandsOutPixelsAndTheSharedPalette) {
    Surface a, b;
    ASSERT_EQ(SurfaceCreate(a, 30, 20), 1);
    ASSERT_EQ(SurfaceCreate(b, 50, 40), 1);
    a.BlitX = 1;
    PresentedFrame fa, fb;
    ASSERT_TRUE(SurfacePresent(a, Rgb(0, 0, 0), fa));
    ASSERT_TRUE(SurfacePresent(b, Rgb(0, 0, 0), fb));
    EXPECT_EQ(fa.Bits, a.Bits);
    EXPECT_EQ(fa.Width, 32);
    EXPECT_EQ(fa.Height, 20);
    EXPECT_EQ(fa.RowStep, 32);
    EXPECT_EQ(fa.BlitX, 1);
    EXPECT_EQ(fa.Palette, fb.Palette);
    EXPECT_EQ(fa.PaletteRevision, fb.PaletteRevision);  // same tint: no change
    ASSERT_TRUE(SurfacePresent(b, Rgb(255, 0, 0), fb));
    EXPECT_EQ(fb.Palette[10].Red, 255);
    EXPECT_NE(fb.PaletteRevision, fa.PaletteRevision);
    BuildMasterPalette();
}

TEST(EngineAllocTest, ZeroedBlocks) {
    auto* block = static_cast<unsigned char*>(EngineAlloc(64));
    for (int i = 0; i < 64; ++i) EXPECT_EQ(block[i], 0);
    EngineFree(block);
    EngineFree(EngineAlloc(0));
    EngineFree(nullptr);
}

TEST(EngineAllocDeathTest, FailureShowsTheMessageAndExitsWithFailure) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EngineAlloc(SIZE_MAX / 2), ::testing::ExitedWithCode(EXIT_FAILURE),
                "FATAL: SIN MEMORIA");
}

}  // namespace
