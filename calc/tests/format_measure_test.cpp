// SPDX-License-Identifier: MIT
#include "format_measure.h"

#include <gtest/gtest.h>

namespace zirev1 {
namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};

class FormatMeasure : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatMeasure, WritesPattern) {
    EXPECT_EQ(formatMeasure(GetParam().value, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatMeasure,
    testing::Values(FormatCase{"whole_keeps_separator", 4, "4."}, FormatCase{"half", 0.5, "0.5"},
                    FormatCase{"rounds_up", 2.9047375096555625, "2.904738"},
                    FormatCase{"short_decimals", 1234567.25, "1234567.25"},
                    FormatCase{"eighth", 0.125, "0.125"},
                    FormatCase{"below_half_unit", 0.0000004, "0."}, FormatCase{"zero", 0, "0."},
                    // Exact binary ties round away from zero (to_chars alone would give 0.007812).
                    FormatCase{"exact_tie_away_from_zero", 0.0078125, "0.007813"},
                    FormatCase{"exact_tie_127_128", 0.9921875, "0.992188"},
                    FormatCase{"exact_tie_large", 7415989366539.5703125, "7415989366539.570313"},
                    // Near-ties go by the exact binary value of the double nearest the decimal tie.
                    FormatCase{"near_tie_above", 2.0000005, "2.000001"},
                    FormatCase{"near_tie_below", 4.0000005, "4."},
                    FormatCase{"near_tie_below_small", 0.1234565, "0.123456"},
                    FormatCase{"carry_into_integer", 9.9999996, "10."},
                    FormatCase{"fifteen_integer_digits_exact_decimals", 123456789012345.25,
                               "123456789012345.25"},
                    FormatCase{"all_digits_of_large_value", 1e20, "100000000000000000000."},
                    FormatCase{"all_digits_of_2_pow_70", 1180591620717411303424.0,
                               "1180591620717411303424."},
                    FormatCase{"negative_rounding_to_zero_has_no_sign", -0.0000001, "0."},
                    FormatCase{"negative", -1.5, "-1.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatMeasure, UsesTheGivenSeparator) {
    EXPECT_EQ(formatMeasure(4, ","), "4,");
    EXPECT_EQ(formatMeasure(2.9047375096555625, ","), "2,904738");
    EXPECT_EQ(formatMeasure(0.5, "\u066B"), "0\u066B5"); // Arabic decimal separator, two bytes
}

} // namespace
} // namespace zirev1
