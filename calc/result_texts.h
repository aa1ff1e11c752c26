// SPDX-License-Identifier: MIT
#pragma once

#include "triangle_solution.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zirev1 {

// The twelve texts the window shows, in the order they are written.
struct ResultTexts {
    static constexpr std::size_t count = 12;

    // alpha d m s, beta d m s, gamma d m s, altitude, area, perimeter
    std::array<std::string, count> texts;

    friend bool operator==(const ResultTexts&, const ResultTexts&) = default;
};

// Degrees, minutes and seconds of each angle as whole-number texts, then altitude, area and
// perimeter through formatMeasure with the given decimal separator. Ends in an Overflow fault for
// an angle splitAngle cannot split.
Checked<ResultTexts> makeResultTexts(const TriangleSolution& solution,
                                     std::string_view decimalSeparator);

} // namespace zirev1
