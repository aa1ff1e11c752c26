// SPDX-License-Identifier: MIT
#include "unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

std::u32string decoded(std::string_view utf8) {
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        out += nextCodePoint(utf8, at);
    }
    return out;
}

TEST(UnicodeText, DecodesUtf8AndReplacesWhatIsMalformed) {
    EXPECT_EQ(decoded("a ="), U"a =");
    EXPECT_EQ(decoded("α, gradi"), U"α, gradi");
    EXPECT_EQ(decoded("\xF0\x9F\x99\x82"), U"\U0001F642");
    // A lead byte with too few continuation bytes, a stray continuation byte, a cut-off end.
    EXPECT_EQ(decoded("\xCE"
                      "a"),
              U"\uFFFDa");
    EXPECT_EQ(decoded("\x80"
                      "b"),
              U"\uFFFDb");
    EXPECT_EQ(decoded("c\xE2\x82"), U"c\uFFFD\uFFFD");
    EXPECT_EQ(decoded("\xFF"), U"\uFFFD");
    // An overlong slash, an encoded surrogate and a code beyond U+10FFFF are no characters.
    EXPECT_EQ(decoded("\xC0\xAF").front(), U'\uFFFD');
    EXPECT_EQ(decoded("\xED\xA0\x80").front(), U'\uFFFD');
    EXPECT_EQ(decoded("\xF4\x90\x80\x80").front(), U'\uFFFD');
    EXPECT_EQ(decoded("\xF4\x8F\xBF\xBF"), U"\U0010FFFF");
}

TEST(UnicodeText, Utf16RoundTripsEveryCodePoint) {
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) {
            continue;
        }
        std::string utf8;
        appendUtf8(utf8, code);
        const std::u16string utf16 = toUtf16(utf8);
        ASSERT_EQ(utf16.size(), code < 0x10000 ? 1u : 2u) << static_cast<unsigned>(code);
        ASSERT_EQ(toUtf8(utf16), utf8) << static_cast<unsigned>(code);
    }
}

// A field's text may hold a surrogate without its pair; it reaches the form as U+FFFD.
TEST(UnicodeText, LoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(toUtf8(u"3\xD800"), "3\uFFFD");
    EXPECT_EQ(toUtf8(u"\xDC00"
                     "4"),
              "\uFFFD4");
    EXPECT_EQ(toUtf8(u"\xDBFF\xDFFF"), "\U0010FFFF");
    EXPECT_EQ(toUtf16("\xFF"), u"\uFFFD");
}

} // namespace
} // namespace zirev1
