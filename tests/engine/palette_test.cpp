#include "engine/palette.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override { BuildMasterPalette(); }
    void TearDown() override { BuildMasterPalette(); }
};

MATCHER_P3(IsColour, r, g, b, "") { return arg.Red == r && arg.Green == g && arg.Blue == b; }

TEST_F(PaletteTest, Entries) {
    EXPECT_THAT(MasterPalette[11], IsColour(255, 255, 255));  // colour number 1: white
    EXPECT_THAT(MasterPalette[PaletteIndexOf(1, 1)], IsColour(237, 237, 237));   // x 0.93182
    EXPECT_THAT(MasterPalette[PaletteIndexOf(11, 1)], IsColour(219, 219, 219));  // x 0.862
    EXPECT_THAT(MasterPalette[PaletteIndexOf(1, 5)], IsColour(207, 205, 91));  // 220 x 41/44 = 205 exactly
    EXPECT_THAT(MasterPalette[237], IsColour(209, 114, 13));  // hue 18 at level 11
    for (int32_t hue = 0; hue < kHueCount; ++hue) {
        const PaletteEntry& base = kBaseHues[hue];
        EXPECT_THAT(MasterPalette[PaletteIndexOf(0, hue)], IsColour(base.Red, base.Green, base.Blue));
        for (int32_t level = 1; level <= 10; ++level) {  // each level darker than the one before
            EXPECT_LE(MasterPalette[PaletteIndexOf(level, hue)].Red,
                      MasterPalette[PaletteIndexOf(level - 1, hue)].Red);
        }
    }
    EXPECT_THAT(MasterPalette[1], IsColour(0, 0, 0));
}

TEST_F(PaletteTest, ShadeTables) {
    EXPECT_EQ(ShadeBase[247], 200);  // level 10 up to k = 247
    EXPECT_EQ(ShadeBase[248], 181);
    EXPECT_EQ(ShadeBase[320], 124);  // level 6 for a surface lit edge-on
    EXPECT_EQ(ShadeBase[457], 10);   // level 0 from k = 457
    EXPECT_EQ(ShadeBase[638], 10);
    EXPECT_EQ(ShadeBase[330] + 1, 125);  // the star bands: white at levels 6, 5, 4
    EXPECT_EQ(ShadeBase[343] + 1, 106);
    EXPECT_EQ(ShadeBase[384] + 1, 87);
    BuildShadeBase(3);  // a depth-cue minimum keeps distant objects dimmer
    EXPECT_EQ(ShadeBase[638], PaletteIndexOf(3, 0));
    EXPECT_EQ(ShadeBase[384], PaletteIndexOf(4, 0));
    EXPECT_EQ(ShadeClamp[219], 200);  // hue 0 at level 11 folds to level 10
    EXPECT_EQ(ShadeClamp[511], 207);
    for (int32_t i = 219; i < kShadeClampSize; ++i) {
        ASSERT_TRUE(ShadeClamp[i] >= 200 && ShadeClamp[i] <= 218);
        ASSERT_EQ((ShadeClamp[i] - 10) % kHueCount, (i - 10) % kHueCount);
    }
}

TEST_F(PaletteTest, TintChangesThePaletteObjectOnlyWhenNew) {
    const uint32_t start = PaletteRevision();
    PaletteApplyTint(0, 0, 0);  // the first tint is always applied
    EXPECT_EQ(PaletteRevision(), start + 1);
    EXPECT_THAT(CurrentPalette()[12], IsColour(230, 27, 10));
    PaletteApplyTint(0, 0, 0);
    EXPECT_EQ(PaletteRevision(), start + 1);
    PaletteApplyTint(255, 0, 100);
    EXPECT_EQ(PaletteRevision(), start + 2);
    EXPECT_THAT(CurrentPalette()[10], IsColour(255, 0, 100));
    EXPECT_THAT(CurrentPalette()[16], IsColour(255, 100, 160));  // 100 + 100 x 155 / 255
    EXPECT_THAT(CurrentPalette()[9], IsColour(166, 202, 240));   // outside 10..245
    EXPECT_THAT(MasterPalette[10], IsColour(0, 0, 0));           // the master is kept
    BuildMasterPalette();  // as every new surface does
    EXPECT_THAT(CurrentPalette()[10], IsColour(0, 0, 0));
    PaletteApplyTint(255, 0, 100);  // and the same tint is applied again
    EXPECT_THAT(CurrentPalette()[10], IsColour(255, 0, 100));
}

}  // namespace
