// SPDX-License-Identifier: MIT
#include "format_fixed.h"
#include "format_measure.h"

#include <gtest/gtest.h>

namespace zirev1 {
namespace {

TEST(FormatFixed, KeepsExactlyTheDecimalsAsked) {
    EXPECT_EQ(formatFixed(1, 6, "."), "1.000000");
    EXPECT_EQ(formatFixed(180, 4, ","), "180,0000");
    EXPECT_EQ(formatFixed(0, 4, "."), "0.0000");
    EXPECT_EQ(formatFixed(36.86989764584402, 4, "."), "36.8699");
    EXPECT_EQ(formatFixed(0.5, 0, "."), "1"); // no decimals, no separator
}

// Exact binary ties round away from zero; a decimal tie that binary cannot hold goes by the side
// its double lies on.
TEST(FormatFixed, TiesByTheExactBinaryValue) {
    EXPECT_EQ(formatFixed(0.03125, 4, "."), "0.0313");     // 1/32, an exact tie
    EXPECT_EQ(formatFixed(0.0078125, 6, "."), "0.007813"); // 1/128
    EXPECT_EQ(formatFixed(2.5, 0, "."), "3");
    EXPECT_EQ(formatFixed(1.00005, 4, "."), "1.0001"); // the double lies above the tie
    EXPECT_EQ(formatFixed(2.00005, 4, "."), "2.0000"); // and this one below
    EXPECT_EQ(formatFixed(0.00004999, 4, "."), "0.0000");
    EXPECT_EQ(formatFixed(9.99995, 4, "."), "10.0000"); // carry into the integer part
    EXPECT_EQ(formatFixed(9.99994, 4, "."), "9.9999");
}

TEST(FormatFixed, LargeValuesKeepEveryIntegerDigit) {
    EXPECT_EQ(formatFixed(1e20, 4, "."), "100000000000000000000.0000");
    EXPECT_EQ(formatFixed(0x1p64, 6, "."), "18446744073709551616.000000");
    EXPECT_EQ(formatFixed(0x1p51 + 0.5, 6, "."), "2251799813685248.500000");
    EXPECT_EQ(formatFixed(134217728.00000003, 6, "."), "134217728.000000");
}

TEST(FormatFixed, NoSignOnAValueThatRoundsToZero) {
    EXPECT_EQ(formatFixed(-0.00001, 4, "."), "0.0000");
    EXPECT_EQ(formatFixed(-0.0, 6, "."), "0.000000");
    EXPECT_EQ(formatFixed(-1.25, 1, "."), "-1.3");
}

// The measure pattern is the same rounding with trailing zeros dropped.
TEST(FormatFixed, RoundsAsTheMeasurePatternDoes) {
    for (const double value : {2.9047375096555625, 0.0078125, 2.0000005, 4.0000005, 9.9999996,
                               123456789012345.25, 0.0000004}) {
        std::string fixed = formatFixed(value, 6, ".");
        while (fixed.back() == '0') {
            fixed.pop_back();
        }
        EXPECT_EQ(fixed, formatMeasure(value, ".")) << value;
    }
}

} // namespace
} // namespace zirev1
