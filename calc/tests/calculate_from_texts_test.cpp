// SPDX-License-Identifier: MIT
#include "calculate_from_texts.h"
#include "checked_expectations.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

using testing::faultOf;
using testing::valueOf;

const std::string overflowText(400, '9');

TEST(CalculateFromTexts, SolvesFieldTexts) {
    const auto result = valueOf(calculateFromTexts("3", "4", "5", "."));
    ASSERT_TRUE(result);
    const ResultTexts expected{
        {"36", "52", "12", "53", "7", "48", "89", "59", "60", "4.", "6.", "12."}};
    EXPECT_EQ(*result, expected);
}

TEST(CalculateFromTexts, CommaEndsAPastedNumber) {
    EXPECT_EQ(valueOf(calculateFromTexts("2,5", "3", "4", ".")),
              valueOf(calculateFromTexts("2", "3", "4", ".")));
}

TEST(CalculateFromTexts, NothingChangesForInvalidSides) {
    EXPECT_FALSE(valueOf(calculateFromTexts("", "", "", ".")));
    EXPECT_FALSE(valueOf(calculateFromTexts("3", "0", "4", ".")));
    EXPECT_FALSE(valueOf(calculateFromTexts("3", "4", "9", ".")));
    EXPECT_FALSE(valueOf(calculateFromTexts("-3", "4", "5", ".")));
    EXPECT_FALSE(valueOf(calculateFromTexts("3", "-", "5", "."))); // "-" reads as 0
}

TEST(CalculateFromTexts, ThirdFieldIsNotReadWhenBIsZero) {
    EXPECT_FALSE(valueOf(calculateFromTexts("3", "0", overflowText, ".")));
    EXPECT_FALSE(valueOf(calculateFromTexts("3", "", overflowText, ".")));
}

TEST(CalculateFromTexts, FieldsAreReadInOrder) {
    // a's overflow is reported even though b = 0 would have stopped the command.
    EXPECT_EQ(faultOf(calculateFromTexts(overflowText, "0", "4", ".")), FaultKind::Overflow);
    EXPECT_EQ(faultOf(calculateFromTexts("3", overflowText, "4", ".")), FaultKind::Overflow);
    EXPECT_EQ(faultOf(calculateFromTexts("3", "4", overflowText, ".")), FaultKind::Overflow);
}

TEST(CalculateFromTexts, FaultsOfTheSolutionPassThrough) {
    const std::string e78 = std::string("1").append(78, '0');
    const std::string e170 = std::string("0.").append(169, '0').append("1");
    EXPECT_EQ(faultOf(calculateFromTexts(e78, e78, e78, ".")), FaultKind::Overflow);
    EXPECT_EQ(faultOf(calculateFromTexts(e170, e170, e170, ".")), FaultKind::DivisionByZero);
}

} // namespace
} // namespace zirev1
