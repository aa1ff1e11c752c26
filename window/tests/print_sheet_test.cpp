// SPDX-License-Identifier: MIT
#include "print_sheet.h"
#include "text_metrics.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

TEST(FittedText, AFittingTextStaysWhole) {
    EXPECT_EQ(fittedText("a = 3", 200, 13), "a = 3");
    EXPECT_EQ(fittedText("", 10, 13), "");
}

// A cut is shown, falls between characters, and leaves the text within its width.
TEST(FittedText, ALongTextIsCutVisiblyBetweenCharacters) {
    const std::string xs(400, 'x');
    const std::string text = "α" + xs + "γγγγ";
    for (const double width : {20.0, 57.5, 300.0}) {
        const std::string fitted = fittedText(text, width, 13);
        ASSERT_TRUE(fitted.ends_with("…")) << width;
        EXPECT_LE(textWidth(fitted, 13), width);
        EXPECT_TRUE(text.starts_with(fitted.substr(0, fitted.size() - std::string("…").size())));
    }
    const std::string huge = "3" + std::string(10'000'000, '0');
    EXPECT_EQ(fittedText(huge, 100, 13).size(), fittedText(huge.substr(0, 100), 100, 13).size());
}

TEST(ItalianDate, NamesTheMonth) {
    EXPECT_EQ(italianDate(9, 12, 2026), "9 dicembre 2026");
    EXPECT_EQ(italianDate(1, 1, 2027), "1 gennaio 2027");
}

} // namespace
} // namespace zirev1
