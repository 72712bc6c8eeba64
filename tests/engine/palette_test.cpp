#include "engine/palette.h"

#include <gtest/gtest.h>

namespace {

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override { BuildMasterPalette(); }
    void TearDown() override { BuildMasterPalette(); }
};

bool Is(const PaletteEntry& e, int r, int g, int b) { return e.Red == r && e.Green == g && e.Blue == b; }

TEST_F(PaletteTest, LevelsDarkenEachHueAndFoldAtTheBottom) {
    for (int32_t hue = 0; hue < kHueCount; ++hue) {
        const PaletteEntry& base = kBaseHues[hue];
        EXPECT_TRUE(Is(MasterPalette[PaletteIndexOf(0, hue)], base.Red, base.Green, base.Blue));
        for (int32_t level = 1; level <= 10; ++level)
            EXPECT_LE(MasterPalette[PaletteIndexOf(level, hue)].Red,
                      MasterPalette[PaletteIndexOf(level - 1, hue)].Red);
    }
    BuildShadeBase(3);  // a depth-cue minimum keeps distant objects dimmer
    EXPECT_EQ(ShadeBase[kShadeBaseSize - 1], PaletteIndexOf(3, 0));
    for (int32_t i = 1; i < kShadeBaseSize; ++i) ASSERT_LE(ShadeBase[i], ShadeBase[i - 1]) << i;
    BuildShadeBase(0);
    for (int32_t i = 219; i < kShadeClampSize; ++i) {  // past level 10: back onto level 10
        ASSERT_TRUE(ShadeClamp[i] >= 200 && ShadeClamp[i] <= 218);
        ASSERT_EQ((ShadeClamp[i] - 10) % kHueCount, (i - 10) % kHueCount);
    }
}

}  // namespace
