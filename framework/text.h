#pragma once
// Text inside the program is UTF-8 std::string. These convert at the edges
// (UTF-16 in archives, 8-bit names in stores) and fold letter case.

#include <string>
#include <string_view>

// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
// 8-bit (ISO 8859-1) characters to UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);
// Decodes UTF-8 into code points; malformed bytes become U+FFFD.
std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view utf32);

// Lower-case form of a whole string (Latin, Greek and Cyrillic letters),
// used wherever names are compared without regard to case.
std::string FoldCase(std::string_view utf8);
// True when both strings are equal once folded.
bool EqualNoCase(std::string_view a, std::string_view b);
