// VR mode on hand-made skies: which bodies become models, the limits of
// their placement and the model cache. The models are small spheres written
// by the model builder into a scratch program folder ("planets/<name>.ob3").
// How a model looks (size, light, turn) is shown by the VR golden scenes.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "catalogue/cmp_file.h"
#include "engine/palette.h"
#include "engine/vector_q15.h"
#include "framework/file.h"
#include "sky/body_models.h"
#include "sky/sky_paint.h"
#include "tests/sky/sky_fixture.h"
#include "tests/temp_dir.h"
#include "tools/model_builder.h"

namespace {

constexpr uint8_t kUnlitYellowTexel = 209 + 5;  // drawn as palette index 15 whatever the light
constexpr uint8_t kWhiteTexel = 1;              // lit white

class VrTest : public SkyWindowTest {
protected:
    void SetUp() override {
        SkyWindowTest::SetUp();
        Size(320, 240);  // stride 324, centre (162, 120), F = 259
        EmptySky();
        wnd.m_pModels = &models;
        doc.m_pAim = Body("Earth");
        doc.m_bObserverOnBody = 1;
    }

    // A sphere model of one texel colour for a body, in the scratch folder.
    void WriteModel(const std::string& body, int32_t radius, uint8_t texel) {
        Texture t;
        t.width = 16;
        t.height = 8;
        t.texels.assign(16 * 8, texel);
        ModelBuilder model;
        model.AddSphere(radius, t, 1, {0, 0, 0}, +1);
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(model.Write(bytes, error)) << error;
        std::filesystem::create_directories(folder.File("planets"));
        ASSERT_TRUE(WriteFileAtomic(ModelRequestPath(folder.Path(), body), bytes, error)) << error;
    }

    TempDir folder;
    CBodyModels models{nullptr, folder.Path()};
};

TEST_F(VrTest, EachModelIsLoadedOnceInVrOnlyAndAMissingOrBrokenOneLeavesTheMarker) {
    WriteModel("Moon", 300, kUnlitYellowTexel);
    PlaceBody("Moon", 4e5, 0, 0);
    doc.m_bObserverOnBody = 0;
    wnd.PaintSky();
    EXPECT_EQ(models.Loads(), 0);  // outside VR no model is ever loaded
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Moon"))));
    doc.m_bObserverOnBody = 1;
    wnd.PaintSky();
    EXPECT_EQ(models.Loads(), 2);  // the Moon, and the Earth (missing)
    EXPECT_FALSE(OnScreen(ScreenOf(Body("Moon"))));  // a model keeps no tap position
    // The aimed body without a model: its marker (the blue disc) at the
    // centre, drawn after the Moon's model and not darkened by it.
    EXPECT_EQ(PixelOf(S(), 162, 120), PaletteIndexOf(1, 4));
    const int drawn = CountVisible(15);
    EXPECT_GT(drawn, 0);
    // The Moon's file goes and the Earth's comes: nothing changes.
    std::filesystem::remove(ModelRequestPath(folder.Path(), "Moon"));
    WriteModel("Earth", 400, kWhiteTexel);
    wnd.PaintSky();
    wnd.PaintSky();
    EXPECT_EQ(models.Loads(), 2);
    EXPECT_EQ(CountVisible(15), drawn);
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Earth"))));
    // A file that is not a model counts as missing.
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(ModelRequestPath(folder.Path(), "Mars"), {1, 2, 3}, error));
    EXPECT_EQ(models.FindModel("Mars"), nullptr);
}

TEST_F(VrTest, ModelsOnlyNearerThanTenMillionKilometres) {
    WriteModel("Moon", 8000, kUnlitYellowTexel);
    // (96000, 28000) units of 100 km: d = 1e10 exactly, a marker.
    PlaceBody("Moon", 9.6e6, 2.8e6, 0);
    wnd.PaintSky();
    EXPECT_EQ(Body("Moon")->m_dDistance, 1e10);
    EXPECT_TRUE(OnScreen(ScreenOf(Body("Moon"))));
    EXPECT_EQ(CountVisible(15), 0);
    EXPECT_EQ(models.Loads(), 1);  // the Earth's, not found
    PlaceBody("Moon", 9.6e6, 2.79e6, 0);
    wnd.PaintSky();
    EXPECT_FALSE(OnScreen(ScreenOf(Body("Moon"))));
    // Depth about a million (d / 10000 + 4000): a disc of radius 2.
    EXPECT_GT(CountVisible(15), 4);
    EXPECT_LT(CountVisible(15), 30);
}

TEST_F(VrTest, AModelLeavesTheWindowsFocalLengthForTheRestOfThePaint) {
    Size(100, 100);  // stride 104, centre (52, 50), F = 83
    WriteModel("Moon", 300, kUnlitYellowTexel);
    PlaceBody("Moon", 5e6, 0, 0);    // far: drawn first
    PlaceBody("Mars", 1e6, 4e5, 0);  // nearer, no model: its marker after the Moon
    wnd.PaintSky();
    EXPECT_EQ(S().FocalLength, 83);
    // Mars, 21.8 degrees up, projects with the window's F = 83.
    const Vec3i u =
        Normalize({Body("Mars")->m_vView[0], Body("Mars")->m_vView[1], Body("Mars")->m_vView[2]});
    const int32_t Y = wnd.m_Camera.ToCamera(u.x, u.y, u.z).y;
    EXPECT_EQ(ScreenOf(Body("Mars"))[1], 100 - (50 + 83 * Y / 32768));
}

TEST(ModelPlacementTest, SpinAngleAndOffsets) {
    EXPECT_EQ(SpinAngle(0.1), -7670);  // trunc(-7670.3)
    // The spin angle is a quarter turn less, within one turn whatever comes in.
    EXPECT_NEAR(SpinAngle(1e6 * 2 * std::numbers::pi + std::numbers::pi), 8192, 1);
    EXPECT_LT(std::abs(SpinAngle(1e300)), 32768);
    EXPECT_EQ(SpinAngle(std::nan("")), 0);
    // Offsets are formed in 64 bits: 6000 pixels off centre at a depth near the 10-million-km limit.
    EXPECT_EQ(ModelOffset(-6000, 1003999, 5000), -1204798);
    EXPECT_EQ(ModelOffset(-7, 4000, 259), -108);  // truncated toward zero
    EXPECT_EQ(ModelOffset(5, 4000, 0), 20000);    // no division by zero
}

}  // namespace
