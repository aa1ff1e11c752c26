// SPDX-License-Identifier: MIT
#pragma once

#include "checked.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zirev1 {

// Why a calculation gave no results, and which side texts were read only in part. The results
// themselves stay as they were; this is what the window says about it.
enum class InputProblem {
    None,
    EmptySide,    // a side's field holds nothing (blanks at most)
    NotANumber,   // a side's text has no digit before its first character that ends a number
    ZeroSide,     // a side reads as 0
    NegativeSide, // a side reads as less than 0
    NoTriangle    // every side is positive, and one of p - a, p - b, p - c is not > 0
};

// A side text of which only a leading part is the number read: «2,5» is read as 2.
struct PartialReading {
    std::size_t side = 0; // 0, 1, 2 for a, b, c
    std::string text;
    double value = 0;
    friend bool operator==(const PartialReading&, const PartialReading&) = default;
};

struct InputReport {
    InputProblem problem = InputProblem::None;
    std::size_t side = 0;      // the side a problem of one side names
    std::string sideText;      // its text, for NotANumber
    double sideValue = 0;      // its value, for NegativeSide
    std::size_t condition = 0; // NoTriangle: 0, 1, 2 for p - a, p - b, p - c, the first that fails
    double p = 0;              // NoTriangle: p and the failing difference
    double difference = 0;
    std::vector<PartialReading> partial; // sides read in part, a, b, c in order; the sides read
    friend bool operator==(const InputReport&, const InputReport&) = default;
};

// What the sides' texts say, by the steps of the Calculate command: a and b are read, c only when
// b is not 0. A problem is reported only when there are no results (solved says whether there
// are); the partial readings always. Faults are the command's, and reported by it: on a fault the
// report may be incomplete and should not be shown.
//
//   inputReport("3", "4", "9", false)  -> NoTriangle, p - c (condition 2), p 8, difference -1
//   inputReport("2,5", "4", "5", true) -> None, partial: a «2,5» read as 2
//   inputReport("3", "", "5", false)   -> EmptySide b (c is not read: b is 0)
Checked<InputReport> inputReport(std::string_view textA, std::string_view textB,
                                 std::string_view textC, bool solved);

// The report as the window writes it, in Italian, with the given decimal separator; empty when
// there is nothing to say. The problem and the partial readings are two sentences, problem first.
//
//   NoTriangle p - c for 3, 4, 9 -> "Questi lati non formano un triangolo: p − c = −1, che non
//                                    è maggiore di 0 (con p = 8)."
//   partial a «2,5»              -> "Attenzione: il lato a «2,5» è letto come 2."
std::string problemMessage(const InputReport& report, std::string_view decimalSeparator);
std::string partialReadingNotice(const InputReport& report, std::string_view decimalSeparator);

// The message the window shows: the problem, then the notice, joined by a blank.
std::string windowMessage(const InputReport& report, std::string_view decimalSeparator);

// The validity condition a report marks in the window's picture of them, if any, and what a
// screen reader hears of the mark: "Condizione non soddisfatta: (p − c) > 0", or nothing.
std::optional<std::size_t> markedCondition(const InputReport& report);
std::string markedConditionText(const InputReport& report);
// The same for a condition given by its place (0, 1, 2), or nothing.
std::string unmetConditionText(std::optional<std::size_t> condition);

} // namespace zirev1
