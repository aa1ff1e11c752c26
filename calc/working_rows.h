// SPDX-License-Identifier: MIT
#pragma once

#include "calculate_for_window.h"

#include <string>
#include <string_view>
#include <vector>

namespace zirev1 {

// The working's columns, as its table and the clipboard's head them.
inline constexpr std::string_view WORKING_COLUMNS[] = {"Grandezza", "Calcolo", "Valore"};

// One line of the working: what it is, the formula with the student's numbers put in (or
// nothing), and its value as the window writes it.
struct WorkingRow {
    std::string quantity; // "p", "tan(α/2)", "α in gon"
    std::string working;  // "(3 + 4 + 5) / 2"
    std::string value;    // "6."
    friend bool operator==(const WorkingRow&, const WorkingRow&) = default;
};

struct WorkingSection {
    std::string heading; // "Semiperimetro", "Angolo α", ...
    std::vector<WorkingRow> rows;
};

// The working of the last valid triangle, in Italian, with the given decimal separator: the sides,
// p and its differences, each angle by Briggs' formula (its tangent, half angle and angle in
// degrees, minutes and seconds as the window shows them, in decimal degrees, gon and radians),
// the sums, Heron's area, h and 2p, and every other element. Nothing when there are no results.
// Without the elements (a zero area) the sections that need them are left out, and one row says
// why.
std::vector<WorkingSection> workingSections(const WindowCalculation& calculation,
                                            std::string_view decimalSeparator);

// The angle as the window shows it, in degrees, minutes and seconds: 53°7'48"; where the window
// shows 60 seconds, with the carried reading beside it, in two-digit minutes and seconds:
// 89°59'60" = 90°00'00".
std::string angleReading(std::string_view degrees, std::string_view minutes,
                         std::string_view seconds, std::string_view carriedDegrees,
                         std::string_view carriedMinutes, std::string_view carriedSeconds);

} // namespace zirev1
