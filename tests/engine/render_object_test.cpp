// RenderObject: visibility, detail by distance, part order, moving parts,
// the face kinds and the faces that are never drawn.

#include "engine/render_object.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/engine_alloc.h"
#include "engine/light_band.h"
#include "engine/render_settings.h"
#include "engine/trig_tables.h"
#include "tests/engine/frame_check.h"
#include "tests/engine/scene_models.h"

namespace {

class RenderObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        EngineTablesInit();
        s.LightVector = {0, 0, 127};  // from behind the viewer: facing faces at level 0
        Begin(100, 80, 100);
        Clear();
    }
    void TearDown() override { BuildShadeBase(0); }
    void Begin(int32_t width, int32_t height, int32_t focal) {
        ASSERT_EQ(SurfaceCreate(s, width, height), 1);
        s.FocalLength = focal;
    }
    // Every byte, the last column of each row too.
    void Clear() { std::memset(s.Bits, kBackground, static_cast<size_t>(s.Stride) * s.Height); }
    int32_t Render(int32_t tx, int32_t ty, int32_t tz) {
        return RenderObject(s, model.obj, kMatQ15Identity, tx, ty, tz);
    }
    void Start(int faceCount) { StartObject(obj, faceCount); }  // the model, in obj
    Surface s;
    EngineObject obj;
    OwnedObject model;
};

TEST_F(RenderObjectTest, NearObjectsIgnoreTheViewConeFarOnesMustBeInIt) {
    Start(1);
    SetFacingSquare(obj.Faces[0], 3000, 0, 3);
    ASSERT_TRUE(Finish(obj, model.obj));
    // 80 degrees off the axis but near: clipped to the view, filled whole;
    // 70 degrees and far: not drawn although it covers the view; 63.4
    // degrees: inside the cone; behind the viewer: never.
    const struct {
        int32_t tx, tz, drawn;
    } cases[] = {{1134, 200, 1}, {2747, 1000, 0}, {2000, 1000, 1}, {0, -1000, 0}};
    for (const auto& c : cases) {
        Clear();
        EXPECT_EQ(Render(c.tx, 0, c.tz), c.drawn) << c.tx;
        EXPECT_EQ(CountIndex(s, PaletteIndexOf(0, 3)), c.drawn ? 100 * 80 : 0) << c.tx;
    }
    Clear();  // beyond the point distance: a single pixel
    ASSERT_EQ(Render(0, 0, PointDistance + 1), 1);
    EXPECT_EQ(CountIndex(s, kBackground), 100 * 80 - 1);
    // A near surface taller than the old 1024-row tables, and no surface at all.
    Begin(40, 1300, 100);
    ASSERT_EQ(Render(0, 0, 100), 1);
    EXPECT_EQ(CountIndex(s, PaletteIndexOf(0, 3)), 40 * 1300);
    Surface empty;
    EXPECT_EQ(RenderObject(empty, model.obj, kMatQ15Identity, 0, 0, 100), 0);
}

TEST_F(RenderObjectTest, FacesThatAreNeverDrawn) {
    Start(5);
    SetFacingSquare(obj.Faces[0], 100, 0, kColourNoPolygon);
    SetFacingSquare(obj.Faces[1], 100, 0, 3);
    obj.Faces[1].SlotKey = kSlotKeyHidden;
    SetFacingSquare(obj.Faces[2], 100, 0, 3);
    obj.Faces[2].Normal[2] = 128;  // turned away
    SetFacingSquare(obj.Faces[3], 100, 0, 3);
    obj.Faces[3].Flags = 0x10;  // outline only, not filled
    obj.Faces[4].Kind = kFaceDot;
    obj.Faces[4].VertexCount = 1;
    obj.Faces[4].TexHeight = 100;
    obj.Faces[4].Colour = 3;
    obj.Faces[4].SlotKey = kSlotKeyHidden;
    ASSERT_TRUE(Finish(obj, model.obj));
    ASSERT_EQ(Render(0, 0, 1000), 1);
    EXPECT_EQ(CountIndex(s, kBackground), s.Stride * s.Height);
}

TEST_F(RenderObjectTest, DotsKeepTheirRadiusWithinOneToAHundred) {
    Start(1);
    obj.Faces[0].Kind = kFaceDot;
    obj.Faces[0].VertexCount = 1;
    obj.Faces[0].Colour = 3;
    ASSERT_TRUE(Finish(obj, model.obj));
    Begin(320, 240, 100);
    // Radius TexHeight x F / tz: 0.5 becomes 1, 150 becomes 100, 40 stays.
    for (auto [size, width] : {std::pair{5, 2}, {1500, 200}, {400, 80}}) {
        model.obj.Faces[0].TexHeight = size;
        Clear();
        ASSERT_EQ(Render(0, 0, 1000), 1);
        int n = 0;  // a body disc, one level darker, along the centre row
        for (int32_t x = 0; x < s.Stride; ++x) n += PixelOf(s, x, s.CentreY) == ShadeBase[448] + 3;
        EXPECT_EQ(n, width) << size;
    }
}

TEST_F(RenderObjectTest, MovingPartsTurnAboutTheirPivot) {
    Start(4);
    SetFacingSquare(obj.Faces[0], 40, 0, 3, 150, 0);  // part 3: a quarter turn about the origin
    obj.Faces[0].PartKey = 3;
    SetFacingSquare(obj.Faces[1], 40, 0, 4, -150, 0);  // part 213 hangs from part 203
    obj.Faces[1].PartKey = 213;
    SetFacingSquare(obj.Faces[2], 40, 0, 5, 150, 150);  // part 5 has no angle: stays
    obj.Faces[2].PartKey = 5;
    SetFacingSquare(obj.Faces[3], 40, 0, 6, -150, 150);  // part 7: the least angle, a far pivot
    obj.Faces[3].PartKey = 7;
    obj.PartCount = 5;
    const int32_t keys[5] = {3, 213, 203, 5, 7};
    for (int i = 0; i < 5; ++i) {
        PartTransform& p = obj.Parts[i];
        p.Key = keys[i];
        for (int k = 0; k < 3; ++k) p.Rest[k][k] = p.Current[k][k] = kQ15One;
    }
    obj.Parts[0].Angle = obj.Parts[2].Angle = kAngleQuarterTurn;
    obj.Parts[3].Current[0][0] = obj.Parts[3].Current[1][1] = -kQ15One;  // ignored without an angle
    obj.Parts[4].Angle = 1;
    obj.Parts[4].Pivot[0] = 500000;
    ASSERT_TRUE(Finish(obj, model.obj));
    ASSERT_EQ(Render(0, 0, 1000), 1);  // 15 pixels from the centre (50, 40)
    EXPECT_EQ(PixelOf(s, 65, 40), kBackground);
    EXPECT_EQ(PixelOf(s, 50, 25), PaletteIndexOf(0, 3));  // +x turned to -y
    EXPECT_EQ(PixelOf(s, 35, 40), kBackground);
    EXPECT_EQ(PixelOf(s, 50, 55), PaletteIndexOf(0, 4));  // turned by part 203
    EXPECT_EQ(PixelOf(s, 65, 55), PaletteIndexOf(0, 5));
    // The least angle still turns: Sin(1) of 32767 over a pivot 500000 file units off.
    EXPECT_TRUE(PixelOf(s, 35, 55) == kBackground && PixelOf(s, 45, 70) == PaletteIndexOf(0, 6));
}

TEST_F(RenderObjectTest, NearFacesAreClippedAtTheViewer) {
    // A floor under the eye, from behind the viewer to far ahead.
    Start(1);
    SetPolygon(obj.Faces[0],
               {{-3000, -50, -3000}, {3000, -50, -3000}, {3000, -50, 3000}, {-3000, -50, 3000}},
               {0, 128, 0});
    obj.Faces[0].Colour = 3;
    ASSERT_TRUE(Finish(obj, model.obj));
    ASSERT_EQ(Render(0, 0, 0), 1);
    const uint8_t floor = LitColour(LightBand(0), 3);  // seen from above, lit edge-on
    EXPECT_TRUE(PixelOf(s, 50, 5) == floor && PixelOf(s, 2, 36) == floor);
    EXPECT_EQ(PixelOf(s, 50, 45), kBackground);  // above the horizon
}

TEST_F(RenderObjectTest, TexturedFacesWithoutOrWithASmallerImage) {
    Start(2);
    SetFacingSquare(obj.Faces[0], 100, 0, 3, -150, 0);  // slot 9 does not exist
    obj.Faces[0].Kind = kFaceSlotTextured;
    obj.Faces[0].SlotKey = 9;
    SetFacingSquare(obj.Faces[1], 100, 0, 3, 150, 0);  // maps 64 x 64 texels from a 1 x 1 slot
    obj.Faces[1].Kind = 7;
    obj.Faces[1].SlotKey = 12;
    obj.Faces[1].TexWidth = obj.Faces[1].TexHeight = 64;
    const int32_t points[3][3] = {{50, -100, 0}, {250, -100, 0}, {50, 100, 0}};
    std::memcpy(obj.Faces[1].TexPoints, points, sizeof points);
    obj.Slots[0] = TextureSlot{12, 0, 1, 1, static_cast<uint8_t*>(EngineAlloc(1)), {}, {}};
    obj.Slots[0].Image[0] = 20;
    ASSERT_TRUE(Finish(obj, model.obj));
    ASSERT_EQ(Render(0, 0, 1000), 1);
    EXPECT_EQ(PixelOf(s, 35, 40), PaletteIndexOf(0, 3));  // drawn flat in its colour, lit
    for (int32_t y = 31; y <= 49; ++y)
        for (int32_t x = 56; x <= 74; ++x)
            ASSERT_EQ(PixelOf(s, x, y), LitColour(LightBand(254), 20)) << x << " " << y;
}

}  // namespace
