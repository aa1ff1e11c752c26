// SPDX-License-Identifier: MIT
#include "calculate_from_texts.h"
#include "calculate_with_elements.h"
#include "checked_expectations.h"
#include "zirev1_elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zirev1 {
namespace {

using testing::faultOf;
using testing::valueOf;

ElementTexts elementTexts(const char* a, const char* b, const char* c, const char* separator) {
    const auto result = valueOf(calculateWithElements(a, b, c, separator));
    if (!result) {
        ADD_FAILURE() << "no triangle";
        return {};
    }
    return result->elements;
}

// Positions in the documented order, counted from 0.
constexpr std::size_t P = 0, TAN_HALF_ALPHA = 4, HALF_ALPHA_DEGREES = 5, ALPHA_RADIANS = 10,
                      GAMMA_DEGREES = 28, GAMMA_CARRIED = 31, SUM_DEGREES = 34, SUM_GON = 35,
                      ALTITUDES = 36, MEDIANS = 39, INRADIUS = 45, CIRCUMRADIUS = 46, EXRADII = 47,
                      ANGLE_KIND = 50, SIDES_KIND = 51;

TEST(ElementTexts, RightTriangle345InOrder) {
    const auto t = elementTexts("3", "4", "5", ".").texts;
    EXPECT_EQ(t[P], "6.");
    EXPECT_EQ(t[P + 3], "1.");
    EXPECT_EQ(t[TAN_HALF_ALPHA], "0.333333");
    EXPECT_EQ(t[HALF_ALPHA_DEGREES], "18.4349");
    EXPECT_EQ(t[ALPHA_RADIANS], "0.643501");
    EXPECT_EQ(t[GAMMA_DEGREES], "90.0000");
    EXPECT_EQ(t[GAMMA_CARRIED], "90");
    EXPECT_EQ(t[GAMMA_CARRIED + 1], "0");
    EXPECT_EQ(t[GAMMA_CARRIED + 2], "0");
    EXPECT_EQ(t[SUM_DEGREES], "180.0000");
    EXPECT_EQ(t[SUM_GON], "200.0000");
    EXPECT_EQ(t[ALTITUDES + 2], "2.4");
    EXPECT_EQ(t[MEDIANS], "4.272002");
    EXPECT_EQ(t[INRADIUS], "1.");
    EXPECT_EQ(t[CIRCUMRADIUS], "2.5");
    EXPECT_EQ(t[EXRADII + 2], "6.");
    EXPECT_EQ(t[ANGLE_KIND], "rettangolo");
    EXPECT_EQ(t[SIDES_KIND], "scaleno");
}

TEST(ElementTexts, KindWords) {
    EXPECT_EQ(elementTexts("2", "3", "4", ".").texts[ANGLE_KIND], "ottusangolo");
    EXPECT_EQ(elementTexts("7", "8", "9", ".").texts[ANGLE_KIND], "acutangolo");
    EXPECT_EQ(elementTexts("1", "1", "1", ".").texts[SIDES_KIND], "equilatero");
    EXPECT_EQ(elementTexts("2", "2", "3", ".").texts[SIDES_KIND], "isoscele");
}

// Every number takes the separator given; angles carry four decimals, radians and tangents six.
TEST(ElementTexts, DecimalsAndSeparator) {
    const auto t = elementTexts("7", "8", "9", ",").texts;
    for (std::size_t i = 0; i < ANGLE_KIND; ++i) {
        EXPECT_EQ(t[i].find('.'), std::string::npos) << i;
    }
    for (std::size_t angle = 0; angle < 3; ++angle) {
        const std::size_t first = TAN_HALF_ALPHA + 10 * angle;
        const std::size_t decimals[] = {6, 4, 4, 6, 4, 4, 6};
        for (std::size_t k = 0; k < 7; ++k) {
            const std::string& text = t[first + k];
            ASSERT_NE(text.find(','), std::string::npos) << first + k;
            EXPECT_EQ(text.size() - text.find(',') - 1, decimals[k]) << text;
        }
    }
    EXPECT_EQ(t[SUM_DEGREES], "180,0000");
}

TEST(CalculateWithElements, StopsAndFaultsAsTheTwelveDo) {
    EXPECT_FALSE(valueOf(calculateWithElements("3", "0", "4", ".")));
    EXPECT_FALSE(valueOf(calculateWithElements("1", "2", "3", ".")));
    const std::string e78 = std::string("1").append(78, '0');
    EXPECT_EQ(faultOf(calculateWithElements(e78, e78, e78, ".")), FaultKind::Overflow);
    const auto both = valueOf(calculateWithElements("2", "3", "4", "."));
    ASSERT_TRUE(both);
    EXPECT_EQ(both->results, *valueOf(calculateFromTexts("2", "3", "4", ".")));
}

TEST(CalculateWithElements, ZeroAreaIsADivisionByZero) {
    const std::string tiny = std::string("0.").append(100, '0').append("1");
    EXPECT_TRUE(valueOf(calculateFromTexts(tiny, tiny, tiny, ".")));
    EXPECT_EQ(faultOf(calculateWithElements(tiny, tiny, tiny, ".")), FaultKind::DivisionByZero);
}

TEST(Zirev1Elements, TheTwelveThenTheElementsOneALine) {
    char out[2048];
    size_t length = 0;
    ASSERT_EQ(zirev1_elements("3", 1, "4", 1, "5", 1, ",", 1, out, sizeof out, &length),
              ZIREV1_RESULTS);
    const std::string text(out, length);
    EXPECT_EQ(text.rfind("36\n52\n12\n53\n7\n48\n89\n59\n60\n4,\n6,\n12,\n6,\n3,\n", 0), 0u);
    const std::string end = "\nrettangolo\nscaleno\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), ResultTexts::count + ElementTexts::count);

    size_t needed = 0;
    EXPECT_EQ(zirev1_elements("3", 1, "4", 1, "5", 1, ",", 1, out, length - 1, &needed),
              ZIREV1_OUT_TOO_SMALL);
    EXPECT_EQ(needed, length);
    EXPECT_EQ(zirev1_elements("1", 1, "2", 1, "3", 1, ".", 1, out, sizeof out, &needed),
              ZIREV1_NO_TRIANGLE);
    EXPECT_EQ(needed, 0u);
    const std::string tiny = std::string("0.").append(100, '0').append("1");
    EXPECT_EQ(zirev1_elements(tiny.data(), tiny.size(), tiny.data(), tiny.size(), tiny.data(),
                              tiny.size(), ".", 1, out, sizeof out, &needed),
              ZIREV1_DIVISION_BY_ZERO);
}

} // namespace
} // namespace zirev1
