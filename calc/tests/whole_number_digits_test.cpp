// SPDX-License-Identifier: MIT
#include "whole_number_digits.h"

#include "atan_arguments.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zirev1 {
namespace {

// The standard library's fixed notation with no decimals writes a whole double exactly.
std::string referenceDigits(double wholeValue) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(wholeValue),
                                   std::chars_format::fixed, 0);
    return std::string(buffer, end.ptr);
}

TEST(WholeNumberDigits, SmallValuesAndLimbEdges) {
    EXPECT_EQ(wholeNumberDigits(0), "0");
    EXPECT_EQ(wholeNumberDigits(-0.0), "0");
    EXPECT_EQ(wholeNumberDigits(7), "7");
    EXPECT_EQ(wholeNumberDigits(-12), "12");
    EXPECT_EQ(wholeNumberDigits(1e9), "1000000000");
    EXPECT_EQ(wholeNumberDigits(1e20), "100000000000000000000");
}

TEST(WholeNumberDigits, EveryDigitOfLargeDoubles) {
    std::vector<double> values = {std::numeric_limits<double>::max(), 0x1p64, 0x1p96, 1e300};
    for (int e = 53; e <= 1023; ++e) {
        values.push_back(std::ldexp(1.0, e));
        values.push_back(std::nextafter(std::ldexp(1.0, e), 0.0));
    }
    testing::SpreadDoubles spread(9, 53, 1023);
    for (int i = 0; i < 20'000; ++i) {
        values.push_back(spread());
    }
    for (const double value : values) {
        ASSERT_EQ(wholeNumberDigits(value), referenceDigits(value)) << std::hexfloat << value;
    }
}

} // namespace
} // namespace zirev1
