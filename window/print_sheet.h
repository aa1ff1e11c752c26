// SPDX-License-Identifier: MIT
#pragma once

#include "calculate_for_window.h"
#include "canvas.h"

#include <array>
#include <string>
#include <string_view>

namespace zirev1 {

// The printed sheet: one A4 page, portrait, in pixels at 96 dpi (210 × 297 mm), black on white,
// drawn through the pictures' canvas so that every edition prints the same sheet: the heading,
// the date and the sides as given; the window's twelve results as it shows them; the working and
// every element; and the triangle to scale. Any text too long for its place is shortened, the cut
// shown by "…", so the sheet is one page for any triangle.
namespace print_sheet {
inline constexpr Point SIZE{793.7, 1122.5};
inline constexpr double MARGIN = 38; // 1 cm
} // namespace print_sheet

struct PrintSheet {
    std::array<std::string, 3> sideTexts; // as the fields hold them
    WindowCalculation calculation;        // the last valid triangle's, with its results
    std::string date;                     // "9 dicembre 2026"
    std::string decimalSeparator;
};

void drawPrintSheet(Canvas& canvas, const PrintSheet& sheet);

// The date as the sheet writes it, in Italian: 9, 12, 2026 -> "9 dicembre 2026".
std::string italianDate(int day, int month, int year);

// The text cut to fit the width at the size, "…" ending it where it was cut.
std::string fittedText(std::string_view utf8, double width, double pixelSize);

} // namespace zirev1
