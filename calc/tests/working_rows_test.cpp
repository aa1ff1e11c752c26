// SPDX-License-Identifier: MIT
#include "calculate_for_window.h"
#include "checked_expectations.h"
#include "working_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace zirev1 {
namespace {

using testing::valueOf;

struct Sides {
    const char *a, *b, *c, *separator;
};

class WorkingRows : public ::testing::TestWithParam<Sides> {};

// Every element and every one of the twelve is a value of the working, as written by the
// calculation; carried readings stand beside the window's only where they differ.
TEST_P(WorkingRows, ShowEveryValueAsTheCalculationWritesIt) {
    const Sides sides = GetParam();
    const WindowCalculation calculation =
        valueOf(calculateForWindow(sides.a, sides.b, sides.c, sides.separator));
    ASSERT_TRUE(calculation.results && calculation.elements);
    std::set<std::string> values;
    std::string readings;
    for (const WorkingSection& section : workingSections(calculation, sides.separator)) {
        for (const WorkingRow& row : section.rows) {
            values.insert(row.value);
            readings += row.value + "|";
        }
    }
    constexpr std::size_t FIRST_CARRIED = 11, ANGLE_STRIDE = 10;
    for (std::size_t i = 0; i < ElementTexts::count; ++i) {
        const bool carried = i >= 4 && i < 34 && (i - 4) % ANGLE_STRIDE >= FIRST_CARRIED - 4;
        if (!carried) {
            EXPECT_TRUE(values.contains(calculation.elements->texts[i]))
                << "element " << i << " " << calculation.elements->texts[i];
        }
    }
    for (std::size_t i = 9; i < ResultTexts::count; ++i) {
        EXPECT_TRUE(values.contains(calculation.results->texts[i])) << "result " << i;
    }
    const auto& shown = calculation.results->texts;
    EXPECT_NE(readings.find("|" + shown[0] + "°" + shown[1] + "'" + shown[2] + "\""),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(, WorkingRows,
                         ::testing::Values(Sides{"3", "4", "5", "."}, Sides{"3", "4", "5", ","},
                                           Sides{"7", "8", "9", "."}, Sides{"7", "8", "9", ","}));

TEST(AngleReading, CarriesOnlyWhereTheWindowShowsSixtySeconds) {
    EXPECT_EQ(angleReading("53", "7", "48", "53", "7", "48"), "53°7'48\"");
    EXPECT_EQ(angleReading("89", "59", "60", "90", "0", "0"), "89°59'60\" = 90°00'00\"");
}

TEST(WorkingSections, NothingWithoutResultsAndAReasonWithoutElements) {
    EXPECT_TRUE(workingSections(valueOf(calculateForWindow("3", "4", "9", ".")), ".").empty());
    const std::string tiny = "0." + std::string(90, '0') + "1";
    const WindowCalculation needle = valueOf(calculateForWindow(tiny, tiny, tiny, "."));
    ASSERT_TRUE(needle.results);
    EXPECT_FALSE(needle.elements);
    const std::string table = workingTabSeparated(workingSections(needle, "."));
    EXPECT_NE(table.find("non calcolabili"), std::string::npos);
}

// One cell per value: every row has three cells, a heading one, and no cell breaks a line.
TEST(WorkingTable, TabSeparatedRowsHaveThreeCells) {
    const WindowCalculation calculation = valueOf(calculateForWindow("7", "8", "9", ","));
    const auto sections = workingSections(calculation, ",");
    const std::string table = workingTabSeparated(sections);
    std::size_t lines = 0, start = 0;
    for (std::size_t end; (end = table.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = table.substr(start, end - start);
        const auto tabs = std::count(line.begin(), line.end(), '\t');
        EXPECT_TRUE(tabs == 2 || tabs == 0) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        ++lines;
    }
    std::size_t rows = 1;
    for (const WorkingSection& section : sections) {
        rows += 1 + section.rows.size();
    }
    EXPECT_EQ(lines, rows);
    EXPECT_EQ(start, table.size());
    EXPECT_NE(table.find("p\t(a + b + c) / 2 = (7 + 8 + 9) / 2\t12,\r\n"), std::string::npos);
}

TEST(WorkingTable, HtmlEscapesItsTexts) {
    const std::vector<WorkingSection> sections = {{"a < b & c", {{"\"q\"", "x > y", "1"}}}};
    const std::string html = workingHtmlTable(sections);
    EXPECT_NE(html.find("a &lt; b &amp; c"), std::string::npos);
    EXPECT_NE(html.find("&quot;q&quot;"), std::string::npos);
    EXPECT_NE(html.find("x &gt; y"), std::string::npos);
    EXPECT_EQ(html.find("x > y"), std::string::npos);
}

} // namespace
} // namespace zirev1
