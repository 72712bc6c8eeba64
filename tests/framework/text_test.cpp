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

TEST(Text, EveryCodePointRoundTripsInItsPublishedLength) {
    // RFC 3629: 1 byte to U+007F, 2 to U+07FF, 3 to U+FFFF, 4 beyond.
    EXPECT_EQ(Utf32ToUtf8(U"\u00E9"), "\xC3\xA9");
    EXPECT_EQ(Utf32ToUtf8(U"\u20AC"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf32ToUtf8(U"\U0001D11E"), "\xF0\x9D\x84\x9E");
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::u32string one(1, c);
        const std::string utf8 = Utf32ToUtf8(one);
        ASSERT_EQ(utf8.size(), c < 0x80 ? 1u : c < 0x800 ? 2u : c < 0x10000 ? 3u : 4u) << uint32_t(c);
        ASSERT_EQ(Utf8ToUtf32(utf8), one) << uint32_t(c);
        ASSERT_EQ(Utf16ToUtf8(Utf8ToUtf16(utf8)), utf8) << uint32_t(c);
    }
}

TEST(Text, SurrogatesAndCodePointsPastTheRangeAreReplaced) {
    EXPECT_EQ(Utf8ToUtf32("\xED\x9F\xBF"), U"\uD7FF");
    EXPECT_EQ(Utf8ToUtf32("\xED\xA0\x80"), U"\uFFFD" "\uFFFD" "\uFFFD");  // U+D800
    EXPECT_EQ(Utf8ToUtf32("\xED\xBF\xBF").front(), U'\uFFFD');               // U+DFFF
    EXPECT_EQ(Utf8ToUtf32("\xEE\x80\x80"), U"\uE000");
    EXPECT_EQ(Utf8ToUtf32("\xF4\x8F\xBF\xBF"), U"\U0010FFFF");
    EXPECT_EQ(Utf8ToUtf32("\xF4\x90\x80\x80").front(), U'\uFFFD');  // past U+10FFFF
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD800), u'a'}), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDBFF), char16_t(0xDFFF)}), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(Utf16ToUtf8(u"\uD7FF\uE000"), "\xED\x9F\xBF\xEE\x80\x80");
}

TEST(Text, FoldCaseCoversLatinGreekAndCyrillic) {
    EXPECT_EQ(FoldCase("SIRIUS"), "sirius");
    EXPECT_EQ(FoldCase("BOÖTES Ñ"), "boötes ñ");
    // The whole Greek and Cyrillic capitals, accented ones included.
    const std::string greek = "αβγδεζηθικλμνξοπρστυφχψωϊϋ άέήίόύώ";
    EXPECT_EQ(FoldCase("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩΪΫ ΆΈΉΊΌΎΏ"), greek);
    const std::string cyrillic = "абвгдежзийклмнопрстуфхцчшщъыьэюя ѐёђѓєѕіїјљњћќѝўџ";
    EXPECT_EQ(FoldCase("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏ"), cyrillic);
    EXPECT_EQ(FoldCase(greek), greek);
    EXPECT_EQ(FoldCase(cyrillic), cyrillic);
    EXPECT_EQ(FoldCase("ŁÓDŹ ĄĆĘŚ"), "łódź ąćęś");
    EXPECT_TRUE(EqualNoCase("Planets/EARTH.OB3", "planets/earth.ob3"));
    EXPECT_FALSE(EqualNoCase("Earth", "Earth "));
}

TEST(Text, FormatsLikePrintf) {
    EXPECT_EQ(Format("Magnitud: %f", 1.5), "Magnitud: 1.500000");
    EXPECT_EQ(Format("%c%.0fh %.3fm", '-', 6.0, 30.0), "-6h 30.000m");
    EXPECT_EQ(Format("%s", std::string(500, 'x').c_str()).size(), 500u);
}
