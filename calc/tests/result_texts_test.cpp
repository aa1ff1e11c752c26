// SPDX-License-Identifier: MIT
#include "checked_expectations.h"
#include "result_texts.h"
#include "triangle_solution.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

struct WorkedTriangle {
    const char* name;
    double a, b, c;
    // alpha d m s, beta d m s, gamma d m s, altitude, area, perimeter
    std::array<const char*, 12> texts;
};

class WorkedTriangles : public ::testing::TestWithParam<WorkedTriangle> {};

TEST_P(WorkedTriangles, GiveTheTwelveTexts) {
    const auto& t = GetParam();
    const auto solution = testing::valueOf(solveTriangle(t.a, t.b, t.c));
    ASSERT_TRUE(solution);
    const ResultTexts texts = testing::valueOf(makeResultTexts(*solution, "."));
    for (std::size_t i = 0; i < ResultTexts::count; ++i) {
        EXPECT_EQ(texts.texts[i], t.texts[i]) << "text " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sides, WorkedTriangles,
    ::testing::Values(WorkedTriangle{"s3_4_5",
                                     3,
                                     4,
                                     5,
                                     {"36", "52", "12", "53", "7", "48", "89", "59", "60", "4.",
                                      "6.", "12."}},
                      WorkedTriangle{"s1_1_1",
                                     1,
                                     1,
                                     1,
                                     {"59", "59", "60", "59", "59", "60", "59", "59", "60",
                                      "0.866025", "0.433013", "3."}},
                      WorkedTriangle{"s7_8_9",
                                     7,
                                     8,
                                     9,
                                     {"48", "11", "23", "58", "24", "43", "73", "23", "54",
                                      "7.666519", "26.832816", "24."}},
                      WorkedTriangle{"s2_3_4",
                                     2,
                                     3,
                                     4,
                                     {"28", "57", "18", "46", "34", "3", "104", "28", "39",
                                      "2.904738", "2.904738", "9."}},
                      WorkedTriangle{"s1_1_1_9",
                                     1,
                                     1,
                                     1.9,
                                     {"18", "11", "42", "18", "11", "42", "143", "36", "37",
                                      "0.593275", "0.296637", "3.9"}},
                      WorkedTriangle{"s3_5_7",
                                     3,
                                     5,
                                     7,
                                     {"21", "47", "12", "38", "12", "48", "119", "59", "60",
                                      "4.330127", "6.495191", "15."}},
                      WorkedTriangle{"s5_12_13",
                                     5,
                                     12,
                                     13,
                                     {"22", "37", "12", "67", "22", "48", "89", "59", "60", "12.",
                                      "30.", "30."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MakeResultTexts, MeasuresUseTheGivenSeparator) {
    const ResultTexts texts =
        testing::valueOf(makeResultTexts(*testing::valueOf(solveTriangle(2, 3, 4)), ","));
    EXPECT_EQ(texts.texts[9], "2,904738");
    EXPECT_EQ(texts.texts[10], "2,904738");
    EXPECT_EQ(texts.texts[11], "9,");
    EXPECT_EQ(texts.texts[6], "104"); // whole numbers have no separator
}

TEST(MakeResultTexts, HugeAreaIsWrittenWithAllItsDigits) {
    const ResultTexts texts =
        testing::valueOf(makeResultTexts(*testing::valueOf(solveTriangle(3e10, 4e10, 5e10)), "."));
    EXPECT_EQ(texts.texts[10], "600000000000000000000.");
    EXPECT_EQ(texts.texts[11], "120000000000.");
}

} // namespace
} // namespace zirev1
