// SPDX-License-Identifier: MIT
#include "calculate_for_window.h"
#include "checked_expectations.h"
#include "input_report.h"

#include <gtest/gtest.h>

#include <string>

namespace zirev1 {
namespace {

using testing::faultOf;
using testing::valueOf;

InputReport reportOf(const char* a, const char* b, const char* c) {
    return valueOf(calculateForWindow(a, b, c, ".")).report;
}

// The first side that is not a positive number is named, in the order the command reads them;
// c is never read when b is 0, so nothing is said of it.
TEST(InputReport, NamesTheFirstSideThatIsNotPositive) {
    struct Case {
        const char *a, *b, *c;
        InputProblem problem;
        std::size_t side;
    };
    for (const Case& k : {Case{"", "4", "5", InputProblem::EmptySide, 0},
                          Case{"3", " ", "x", InputProblem::EmptySide, 1},
                          Case{"-", "4", "5", InputProblem::NotANumber, 0},
                          Case{"3", "4", "abc", InputProblem::NotANumber, 2},
                          Case{"3", "0", "-5", InputProblem::ZeroSide, 1},
                          Case{"-0", "4", "5", InputProblem::ZeroSide, 0},
                          Case{"3", "4", "-5", InputProblem::NegativeSide, 2}}) {
        const InputReport report = reportOf(k.a, k.b, k.c);
        EXPECT_EQ(report.problem, k.problem) << k.a << "|" << k.b << "|" << k.c;
        EXPECT_EQ(report.side, k.side) << k.a << "|" << k.b << "|" << k.c;
    }
    EXPECT_TRUE(reportOf("3", "0", "5,5").partial.empty());
}

// Positive sides that make no triangle name the first condition that fails, with p and the
// difference as the calculation rounds them.
TEST(InputReport, NamesTheFirstFailingConditionWithItsValue) {
    const InputReport pa = reportOf("9", "3", "4");
    EXPECT_EQ(pa.problem, InputProblem::NoTriangle);
    EXPECT_EQ(pa.condition, 0u);
    EXPECT_EQ(pa.p, 8);
    EXPECT_EQ(pa.difference, -1);
    EXPECT_EQ(reportOf("3", "9", "4").condition, 1u);
    EXPECT_EQ(reportOf("1", "2", "3").condition, 2u);
    EXPECT_EQ(reportOf("1", "2", "3").difference, 0);
    EXPECT_EQ(markedCondition(reportOf("3", "4", "9")), 2u);
    EXPECT_EQ(markedCondition(reportOf("3", "0", "9")), std::nullopt);
}

// Results and a problem never go together; a text read in part is noticed either way.
TEST(InputReport, PartReadingsAreNoticedWithOrWithoutResults) {
    const auto solved = valueOf(calculateForWindow("2,5", "3.5.1", "4 ", "."));
    ASSERT_TRUE(solved.results);
    EXPECT_EQ(solved.report.problem, InputProblem::None);
    EXPECT_EQ(solved.report.partial,
              (std::vector<PartialReading>{{0, "2,5", 2}, {1, "3.5.1", 3.5}}));
    EXPECT_TRUE(reportOf("1 2", "7.", "+10").partial.empty());
    EXPECT_EQ(reportOf("3,5", "3", "10z").partial.size(), 2u);
}

TEST(InputReport, MessagesUseTheSeparatorAndTheMinusSign) {
    EXPECT_EQ(windowMessage(reportOf("3", "4", "9.5"), ","),
              "Questi lati non formano un triangolo: p − c = −1,25, che non è maggiore di 0 "
              "(con p = 8,25).");
    EXPECT_EQ(windowMessage(reportOf("-2.5", "4", "5"), ","),
              "Il lato a è negativo (−2,5): ogni lato deve essere maggiore di 0.");
    EXPECT_EQ(windowMessage(reportOf("3", "4", "5"), ","), "");
    EXPECT_EQ(markedConditionText(reportOf("3", "4", "9")),
              "Condizione non soddisfatta: (p − c) > 0");
}

// A long text is shown by its start, cut between characters and marked as cut.
TEST(InputReport, LongTextsAreShortenedVisibly) {
    const std::string side = "x" + std::string(22, 'y') + "é" + std::string(4000, 'z');
    const std::string message = windowMessage(reportOf(side.c_str(), "4", "5"), ".");
    EXPECT_NE(message.find("«x" + std::string(22, 'y') + "…»"), std::string::npos) << message;
    EXPECT_LT(message.size(), 200u);
}

TEST(InputReport, FaultsAreTheCommandsAndLeaveNoReport) {
    EXPECT_EQ(faultOf(calculateForWindow(std::string(400, '9'), "4", "5", ".")),
              FaultKind::Overflow);
}

} // namespace
} // namespace zirev1
