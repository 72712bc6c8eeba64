#include "engine/surface.h"

#include <gtest/gtest.h>

#include "engine/engine_alloc.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "tests/engine/frame_check.h"

namespace {

TEST(SurfaceTest, CreateSetsGeometryTablesAndTheDrawingView) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 238, 400), 1);  // taller than the old fixed edge tables
    EXPECT_TRUE(s.Stride == 240 && s.CentreX == 120 && s.CentreY == 200);
    EXPECT_TRUE(s.Kind == kSurfaceKindLive && s.DirtyBottom == 399);
    EXPECT_EQ(s.ShadeEdgeTable[399].Right, 0);
    EXPECT_EQ(CountIndex(s, 0), 240 * 400);
    EXPECT_EQ(s.MemoryDC.WindowRow(0), s.Bits + 399 * 240);  // window row 0 is the top line
    ASSERT_EQ(SurfaceCreate(s, 5, 10), 1);  // recreating a live surface
    EXPECT_EQ(s.Stride, 8);
    for (auto [width, height] : {std::pair{0, 100}, {-4, 100}, {100, 0}, {kMaxSurfaceSide + 1, 10}}) {
        EXPECT_EQ(SurfaceCreate(s, width, height), 0) << width << " x " << height;
        EXPECT_TRUE(s.Kind == 0 && s.Bits == nullptr && s.Stride == 0);
    }
}

TEST(SurfaceTest, FrameBracketSetsTheFocalLengthFromStrideAndZoom) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 243, 100), 1);  // stride 244
    ASSERT_EQ(SurfaceBeginFrame(s, 256), 1);
    EXPECT_TRUE(s.FocalLength == 195 && s.Locked == 1);  // F: 0.8 of the stride at zoom 256
    EXPECT_EQ(SurfaceBeginFrame(s, 0), 1);  // already locked; zoom 0 keeps F
    EXPECT_EQ(s.FocalLength, 195);
    EXPECT_TRUE(SurfaceEndFrame(s) == 1 && s.Locked == 0);
    ASSERT_EQ(SurfaceCreate(s, 16384, 4), 1);  // the product needs 64 bits
    SurfaceBeginFrame(s, 1 << 20);
    EXPECT_EQ(s.FocalLength, 13107 * 4096);
}

TEST(SurfaceTest, DestroyedSurfaceDrawsAndPresentsNothing) {
    Surface s;
    ASSERT_EQ(SurfaceCreate(s, 40, 30), 1);
    SurfaceDestroy(s);
    EXPECT_TRUE(s.Kind == 0 && s.Bits == nullptr);
    const int32_t focal = s.FocalLength;
    EXPECT_EQ(SurfaceBeginFrame(s, 256), 0);
    EXPECT_EQ(s.FocalLength, focal);
    SurfaceClear(s, 10);  // none of these may touch the freed memory
    PutPixel(s, 5, 5, 1);
    LineTo(s, 30, 20, 1);
    FillDisc(s, 10, 10, 5, 1);
    PresentedFrame frame;
    EXPECT_FALSE(SurfacePresent(s, 0, frame));
    SurfaceDestroy(s);
}

TEST(EngineAllocDeathTest, ZeroedBlocksAndFatalFailure) {
    auto* block = static_cast<unsigned char*>(EngineAlloc(64));
    EXPECT_TRUE(block[0] == 0 && block[63] == 0);
    EngineFree(block);
    EngineFree(EngineAlloc(0));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EngineAlloc(SIZE_MAX / 2), ::testing::ExitedWithCode(EXIT_FAILURE), "FATAL: SIN MEMORIA");
}

}  // namespace
