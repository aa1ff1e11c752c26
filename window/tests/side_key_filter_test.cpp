// SPDX-License-Identifier: MIT
#include "side_key_filter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zirev1 {
namespace {

std::int16_t filtered(std::int16_t keyAscii, DecimalSeparator separator) {
    filterSideKey(keyAscii, separator);
    return keyAscii;
}

// The keys a field enters for a whole text typed one key at a time.
std::u16string typed(std::u16string_view keys, DecimalSeparator separator) {
    std::u16string entered;
    for (const char16_t key : keys) {
        if (const std::int16_t out = filtered(static_cast<std::int16_t>(key), separator)) {
            entered += static_cast<char16_t>(out);
        }
    }
    return entered;
}

// What a number is written with: the ten digits, a sign and the point; and backspace, which
// deletes. Stated here apart from the filter's own table, which it is checked against.
bool numberCharacter(int code) {
    return (code >= '0' && code <= '9') || code == '+' || code == '-' || code == '.' || code == 8;
}

// Every 16-bit code: where the separator is the point, exactly a number's characters pass,
// unchanged.
TEST(SideKeyFilter, PointLocaleKeepsExactlyTheCharactersOfANumber) {
    for (int code = -32768; code <= 32767; ++code) {
        const auto key = static_cast<std::int16_t>(code);
        ASSERT_EQ(isSideKeyAllowed(key), numberCharacter(code)) << code;
        ASSERT_EQ(filtered(key, DecimalSeparator::Point), numberCharacter(code) ? key : 0) << code;
    }
}

// Every 16-bit code: where it is the comma, the comma is entered as the point, and every other
// code as where the separator is the point.
TEST(SideKeyFilter, CommaLocaleEntersTheCommaAsThePoint) {
    for (int code = -32768; code <= 32767; ++code) {
        const auto key = static_cast<std::int16_t>(code);
        const std::int16_t expected = code == ',' ? '.' : numberCharacter(code) ? key : 0;
        ASSERT_EQ(filtered(key, DecimalSeparator::Comma), expected) << code;
    }
}

// Whatever is typed, in either locale, only characters of a number are entered.
TEST(SideKeyFilter, OnlyNumberCharactersAreEntered) {
    for (const auto separator : {DecimalSeparator::Point, DecimalSeparator::Comma}) {
        for (int code = -32768; code <= 32767; ++code) {
            const std::int16_t out = filtered(static_cast<std::int16_t>(code), separator);
            ASSERT_TRUE(out == 0 || isSideKeyAllowed(out)) << code;
        }
    }
}

TEST(SideKeyFilter, TypedTexts) {
    EXPECT_EQ(typed(u"12,5", DecimalSeparator::Point), u"125");
    EXPECT_EQ(typed(u"12,5", DecimalSeparator::Comma), u"12.5");
    EXPECT_EQ(typed(u"1,250", DecimalSeparator::Point), u"1250");
    EXPECT_EQ(typed(u"3,5", DecimalSeparator::Comma), typed(u"3.5", DecimalSeparator::Comma));
    // Other separators of other locales stay outside the set.
    EXPECT_EQ(typed(u"3\u066B5 3\u00B75 3'5", DecimalSeparator::Comma), u"353535");
    EXPECT_EQ(typed(u",,", DecimalSeparator::Comma), u"..");
}

} // namespace
} // namespace zirev1
