#include <gtest/gtest.h>

#include "framework/format.h"
#include "framework/text.h"

TEST(Text, Utf16RoundTripAndMalformedInput) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("Andrómeda α 𝄞")), "Andrómeda α 𝄞");
    EXPECT_EQ(Utf8ToUtf16("𝄞").size(), 2u);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf32("a\xC3"), U"a\uFFFD");       // truncated sequence
    EXPECT_EQ(Utf8ToUtf32("\xFF" "b"), U"\uFFFD" "b");  // invalid lead byte
}

TEST(Text, FoldCaseCoversLatinGreekAndCyrillic) {
    EXPECT_EQ(FoldCase("SIRIUS"), "sirius");
    EXPECT_EQ(FoldCase("BOÖTES Ñ"), "boötes ñ");
    EXPECT_EQ(FoldCase("ΑΛΦΑ Ω"), "αλφα ω");
    EXPECT_EQ(FoldCase("МОСКВА"), "москва");
    EXPECT_EQ(FoldCase("ŁÓDŹ"), "łódź");
    EXPECT_TRUE(EqualNoCase("Planets/EARTH.OB3", "planets/earth.ob3"));
    EXPECT_FALSE(EqualNoCase("Earth", "Earth "));
}

TEST(Text, FormatsLikePrintf) {
    EXPECT_EQ(Format("Magnitud: %f", 1.5), "Magnitud: 1.500000");
    EXPECT_EQ(Format("%c%.0fh %.3fm", '-', 6.0, 30.0), "-6h 30.000m");
    EXPECT_EQ(Format("%s", std::string(500, 'x').c_str()).size(), 500u);
}
