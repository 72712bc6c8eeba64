#include "engine/palette.h"

#include <gtest/gtest.h>

namespace {

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override { BuildMasterPalette(); }
    void TearDown() override { BuildMasterPalette(); }
};

void ExpectColour(const PaletteEntry& e, int r, int g, int b) {
    EXPECT_EQ(e.Red, r);
    EXPECT_EQ(e.Green, g);
    EXPECT_EQ(e.Blue, b);
}

TEST_F(PaletteTest, HuesAtLevels) {
    ExpectColour(MasterPalette[10], 0, 0, 0);         // hue 0, level 0
    ExpectColour(MasterPalette[11], 255, 255, 255);   // colour number 1: white
    ExpectColour(MasterPalette[12], 230, 27, 10);     // colour number 2: red
    ExpectColour(MasterPalette[19], 128, 128, 128);   // colour number 9: grey
    ExpectColour(MasterPalette[PaletteIndexOf(1, 1)], 237, 237, 237);  // 255 x 0.93182
    ExpectColour(MasterPalette[PaletteIndexOf(6, 1)], 150, 150, 150);  // 255 x 0.59091
    ExpectColour(MasterPalette[PaletteIndexOf(10, 1)], 81, 81, 81);    // 255 x 0.31818
    ExpectColour(MasterPalette[PaletteIndexOf(11, 1)], 219, 219, 219); // 255 x 0.862
    // 220 x 41 / 44 is exactly 205: no rounding loss.
    ExpectColour(MasterPalette[PaletteIndexOf(1, 5)], 207, 205, 91);
    ExpectColour(MasterPalette[PaletteIndexOf(10, 18)], 77, 42, 5);
    ExpectColour(MasterPalette[237], 209, 114, 13);  // hue 18 at level 11
    for (int32_t hue = 0; hue < kHueCount; ++hue) {
        const PaletteEntry& base = kBaseHues[hue];
        ExpectColour(MasterPalette[PaletteIndexOf(0, hue)], base.Red, base.Green, base.Blue);
        for (int32_t level = 1; level <= 10; ++level) {
            const PaletteEntry& brighter = MasterPalette[PaletteIndexOf(level - 1, hue)];
            const PaletteEntry& e = MasterPalette[PaletteIndexOf(level, hue)];
            EXPECT_LE(e.Red, brighter.Red);
            EXPECT_LE(e.Green, brighter.Green);
            EXPECT_LE(e.Blue, brighter.Blue);
            EXPECT_EQ(e.Flags, 0);
        }
    }
}

TEST_F(PaletteTest, FixedAndStaticEntries) {
    ExpectColour(MasterPalette[1], 0, 0, 0);
    EXPECT_EQ(MasterPalette[0].Flags, 0);
    EXPECT_EQ(MasterPalette[1].Flags, 0);
    for (int32_t hue = 0; hue < 8; ++hue) {
        const PaletteEntry& base = kBaseHues[hue];
        ExpectColour(MasterPalette[238 + hue], base.Red, base.Green, base.Blue);
    }
    ExpectColour(MasterPalette[247], 208, 255, 255);
    ExpectColour(MasterPalette[250], 149, 255, 255);
    ExpectColour(MasterPalette[251], 170, 255, 255);
    ExpectColour(MasterPalette[252], 191, 255, 255);
    ExpectColour(MasterPalette[253], 212, 255, 255);
    for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9, 246, 248, 249, 254, 255}) {
        ExpectColour(MasterPalette[i], kSystemPalette[i].Red, kSystemPalette[i].Green,
                     kSystemPalette[i].Blue);
    }
    ExpectColour(MasterPalette[249], 255, 0, 0);
    ExpectColour(MasterPalette[254], 0, 255, 255);
    ExpectColour(MasterPalette[255], 255, 255, 255);
}

TEST_F(PaletteTest, ShadeBaseLevels) {
    EXPECT_EQ(ShadeBase[0], 200);
    EXPECT_EQ(ShadeBase[247], 200);  // level 10 up to k = 247
    EXPECT_EQ(ShadeBase[248], 181);
    EXPECT_EQ(ShadeBase[320], 124);  // level 6 for a surface lit edge-on
    EXPECT_EQ(ShadeBase[456], 29);
    EXPECT_EQ(ShadeBase[457], 10);   // level 0 from k = 457
    EXPECT_EQ(ShadeBase[638], 10);
    // The star brightness bands: white at levels 6, 5 and 4.
    EXPECT_EQ(ShadeBase[330] + 1, 125);
    EXPECT_EQ(ShadeBase[343] + 1, 106);
    EXPECT_EQ(ShadeBase[384] + 1, 87);
    // The body marker colour: one level darker.
    EXPECT_EQ(ShadeBase[448], 29);
    for (int32_t k = 1; k < kShadeBaseSize; ++k) ASSERT_LE(ShadeBase[k], ShadeBase[k - 1]);
}

TEST_F(PaletteTest, DepthCueRaisesTheBrightLevels) {
    BuildShadeBase(3);
    EXPECT_EQ(ShadeBase[638], PaletteIndexOf(3, 0));
    EXPECT_EQ(ShadeBase[457], PaletteIndexOf(3, 0));
    EXPECT_EQ(ShadeBase[384], PaletteIndexOf(4, 0));
    EXPECT_EQ(ShadeBase[100], 200);
    BuildShadeBase(0);
    EXPECT_EQ(ShadeBase[457], 10);
}

TEST_F(PaletteTest, ShadeClampFoldsOntoLevelTen) {
    EXPECT_EQ(ShadeClamp[0], 0);
    EXPECT_EQ(ShadeClamp[218], 218);
    EXPECT_EQ(ShadeClamp[219], 200);  // hue 0 at level 11 -> level 10
    EXPECT_EQ(ShadeClamp[237], 218);
    EXPECT_EQ(ShadeClamp[238], 200);
    EXPECT_EQ(ShadeClamp[511], 207);
    for (int32_t i = 219; i < kShadeClampSize; ++i) {
        ASSERT_GE(ShadeClamp[i], 200);
        ASSERT_LE(ShadeClamp[i], 218);
        ASSERT_EQ((ShadeClamp[i] - 10) % kHueCount, (i - 10) % kHueCount);
    }
}

TEST_F(PaletteTest, TintChangesThePaletteObjectOnlyWhenNew) {
    const uint32_t start = PaletteRevision();
    PaletteApplyTint(0, 0, 0);  // first tint is always applied
    EXPECT_EQ(PaletteRevision(), start + 1);
    for (int i = 0; i < kPaletteSize; ++i) {
        ASSERT_EQ(CurrentPalette()[i].Red, MasterPalette[i].Red);
        ASSERT_EQ(CurrentPalette()[i].Blue, MasterPalette[i].Blue);
    }
    PaletteApplyTint(0, 0, 0);
    EXPECT_EQ(PaletteRevision(), start + 1);

    PaletteApplyTint(255, 0, 100);
    EXPECT_EQ(PaletteRevision(), start + 2);
    ExpectColour(CurrentPalette()[10], 255, 0, 100);       // black under the tint
    ExpectColour(CurrentPalette()[11], 255, 255, 255);     // white stays white
    ExpectColour(CurrentPalette()[16], 255, 100, 160);     // grey 100: 100 + 100 x 155 / 255
    ExpectColour(CurrentPalette()[9], 166, 202, 240);      // outside 10..245: untouched
    ExpectColour(CurrentPalette()[247], 208, 255, 255);
    ExpectColour(MasterPalette[10], 0, 0, 0);              // the master is not changed

    BuildMasterPalette();  // as every new surface does: back to the master colours
    ExpectColour(CurrentPalette()[10], 0, 0, 0);
    const uint32_t rebuilt = PaletteRevision();
    PaletteApplyTint(255, 0, 100);  // and the next tint is applied again
    EXPECT_EQ(PaletteRevision(), rebuilt + 1);
    ExpectColour(CurrentPalette()[10], 255, 0, 100);
}

}  // namespace
