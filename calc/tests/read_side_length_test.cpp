// SPDX-License-Identifier: MIT
#include "checked_expectations.h"
#include "read_side_length.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace zirev1 {
namespace {

using testing::faultOf;
using testing::valueOf;

struct ParseCase {
    const char* name;
    std::string text;
    double value;
};

class ReadSideLength : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ReadSideLength, ReadsLeadingNumber) {
    const auto& t = GetParam();
    const double value = valueOf(readSideLength(t.text));
    EXPECT_EQ(value, t.value);
    EXPECT_EQ(std::signbit(value), std::signbit(t.value));
}

const std::string tinyText = std::string("0.").append(400, '0').append("1");

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadSideLength,
    ::testing::Values(
        ParseCase{"empty", "", 0}, ParseCase{"second_point_ends", "3.5.1", 3.5},
        ParseCase{"sign_alone", "-", 0}, ParseCase{"plus", "+4", 4},
        ParseCase{"blank_inside", "1 2", 12}, ParseCase{"comma_ends", "2,5", 2},
        ParseCase{"leading_point", ".5", 0.5}, ParseCase{"trailing_point", "7.", 7},
        ParseCase{"tabs_and_line_feeds", "\t3\n.\t5 ", 3.5},
        ParseCase{"blank_after_sign", "- 5", -5}, ParseCase{"negative", "-2.25", -2.25},
        ParseCase{"negative_zero", "-0", -0.0}, ParseCase{"two_signs", "+-4", 0},
        ParseCase{"double_minus", "--5", 0}, ParseCase{"sign_after", "5-", 5},
        ParseCase{"point_alone", ".", 0}, ParseCase{"carriage_return_ends", "3\r4", 3},
        ParseCase{"letters_end", "12abc", 12}, ParseCase{"letter_first", "a12", 0},
        // Exponents and radix prefixes are not read.
        ParseCase{"no_exponent", "1e3", 1}, ParseCase{"no_hex", "&H10", 0},
        ParseCase{"no_octal", "&O17", 0}, ParseCase{"leading_zeros", "000042.50", 42.5},
        // Correct rounding: 2^53 + 1 is a tie (to even), and any later digit breaks it upwards.
        ParseCase{"tie_to_even", "9007199254740993", 9007199254740992.0},
        ParseCase{"tie_broken_far_right", "9007199254740993.00000000000000000001",
                  9007199254740994.0},
        ParseCase{"one_tenth", "0.1", 0.1},
        ParseCase{"largest_double",
                  "179769313486231570814527423731704356798070567525844996598917476803157260780028"
                  "538760589558632766878171540458953514382464234321326889464182768467546703537516"
                  "986049910576551282076245490090389328944075868508455133942304583236903222948165"
                  "808559332123348274797826204144723168738177180919299881250404026184124858368",
                  1.7976931348623157e308},
        ParseCase{"below_smallest_subnormal_is_zero", tinyText, 0},
        ParseCase{"not_ascii_ends",
                  "3\xC2\xA0"
                  "4",
                  3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadSideLengthFault, NumberBeyondRangeIsOverflow) {
    const std::string digits(400, '9');
    for (const std::string& text : {digits, std::string("-").append(digits), digits + ".5",
                                    std::string("1").append(309, '0')}) {
        EXPECT_EQ(faultOf(readSideLength(text)), FaultKind::Overflow)
            << text.size() << " characters";
    }
}

TEST(ReadSideLengthLocale, PointIsTheDecimalPointInACommaLocale) {
    // Skipped where the Italian locale is not installed; scripts/test installs it.
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) {
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    }
    EXPECT_EQ(valueOf(readSideLength("3.5")), 3.5);
    EXPECT_EQ(valueOf(readSideLength("3,5")), 3);
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace zirev1
