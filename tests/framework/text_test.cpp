// Text encodings, case folding, formatting, and dates and times.

#include <gtest/gtest.h>

#include "framework/datetime.h"
#include "framework/format.h"
#include "framework/text.h"
#include "tests/fixed_clock.h"

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

TEST(Text, MalformedInputSurrogatesAndCodePointsPastTheRangeAreReplaced) {
    EXPECT_EQ(Utf8ToUtf16("𝄞").size(), 2u);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToUtf32("a\xC3"), U"a\uFFFD");       // truncated sequence
    EXPECT_EQ(Utf8ToUtf32("\xFF" "b"), U"\uFFFD" "b");  // invalid lead byte
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
    EXPECT_EQ(FoldCase(greek + cyrillic), greek + cyrillic);  // small letters stay
    EXPECT_EQ(FoldCase("ŁÓDŹ ĄĆĘŚ"), "łódź ąćęś");
    EXPECT_TRUE(EqualNoCase("Planets/EARTH.OB3", "planets/earth.ob3"));
    EXPECT_FALSE(EqualNoCase("Earth", "Earth "));
}

TEST(Text, FormatsLikePrintf) {
    EXPECT_EQ(Format("%c%.0fh %.3fm", '-', 6.0, 30.0), "-6h 30.000m");
    EXPECT_EQ(Format("%s", std::string(500, 'x').c_str()).size(), 500u);
}

TEST(DateTime, FieldsRoundTripAndInvalidFields) {
    CDateTime t(2026, 12, 6, 22, 15, 30);
    ASSERT_TRUE(t.IsValid());
    EXPECT_TRUE(t.GetYear() == 2026 && t.GetMonth() == 12 && t.GetDay() == 6);
    EXPECT_TRUE(t.GetHour() == 22 && t.GetMinute() == 15 && t.GetSecond() == 30);
    EXPECT_EQ(t.GetDayOfWeek(), 0);  // a Sunday
    EXPECT_TRUE(CDateTime(2024, 2, 29, 0, 0, 0).IsValid());
    EXPECT_TRUE(CDateTime(100, 1, 1, 0, 0, 0).IsValid());
    EXPECT_TRUE(CDateTime(9999, 12, 31, 23, 59, 59).IsValid());
    for (CDateTime bad : {CDateTime(2025, 2, 29, 0, 0, 0), CDateTime(2026, 13, 1, 0, 0, 0),
                          CDateTime(2026, 1, 1, 24, 0, 0), CDateTime(99, 12, 31, 0, 0, 0)})
        EXPECT_FALSE(bad.IsValid()) << bad.GetYear();
    for (int m = 1; m <= 12; ++m) {  // each month's last day is followed by the next's first
        const CDateTime last(2025, m, DaysInMonth(2025, m), 12, 0, 0);
        EXPECT_EQ((last + CTimeSpan(1, 0, 0, 0)).GetDay(), 1) << m;
    }
}

TEST(DateTime, SpansAddAndSubtractAcrossMonthsYearsAndTheRange) {
    CDateTime t(2026, 12, 31, 23, 30, 0);
    CDateTime n = t + CTimeSpan(0, 1, 0, 0);
    EXPECT_EQ(n, CDateTime(2027, 1, 1, 0, 30, 0));
    EXPECT_EQ(n - CTimeSpan(0, 1, 0, 0), t);
    EXPECT_EQ((CDateTime(2024, 3, 1, 0, 0, 0) - CTimeSpan(1, 0, 0, 0)).GetDay(), 29);
    EXPECT_EQ((n - t).GetTotalSeconds(), 3600);
    EXPECT_EQ((CDateTime(1582, 10, 15, 0, 0, 0) - CDateTime(1582, 10, 4, 0, 0, 0)).GetTotalDays(),
              11.0);  // proleptic Gregorian: no calendar switch here
    EXPECT_FALSE((CDateTime(9999, 12, 31, 0, 0, 0) + CTimeSpan(1, 0, 0, 0)).IsValid());
    EXPECT_FALSE((CDateTime(100, 1, 1, 0, 0, 0) - CTimeSpan(0, 0, 0, 1)).IsValid());
}

TEST(DateTime, CurrentTimeIsTheClockInTheZone) {
    FixedClock clock(kHalfPastMidnight, "America/New_York");  // the day before
    EXPECT_EQ(CDateTime::GetCurrentTime(), CDateTime(2026, 12, 6, 19, 30, 0));
    EXPECT_EQ(CDateTime::GetCurrentUniversalTime(), CDateTime(2026, 12, 7, 0, 30, 0));
}
