// SPDX-License-Identifier: MIT
#pragma once

#include "triangle_elements.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zirev1 {

// The elements as texts, in this order:
//    1- 4  p, p − a, p − b, p − c
//    5-14  alpha: tan(alpha/2); alpha/2 in degrees, gon, radians; alpha in degrees, gon, radians;
//          alpha in whole degrees, minutes, seconds with 60 seconds carried
//   15-24  beta, the same
//   25-34  gamma, the same
//   35-36  alpha + beta + gamma in degrees, in gon
//   37-39  the altitudes onto a, b, c
//   40-42  the medians onto a, b, c
//   43-45  the bisectors of alpha, beta, gamma
//   46-47  the inradius r, the circumradius R
//   48-50  the exradii beside a, b, c
//   51-52  "acutangolo", "rettangolo" or "ottusangolo"; "scaleno", "isoscele" or "equilatero"
// Lengths by the window's measure pattern (formatMeasure); degrees and gon with four decimals,
// radians and tangents with six (formatFixed), all with the given decimal separator; the carried
// reading as whole numbers like the window's.
struct ElementTexts {
    static constexpr std::size_t count = 52;

    std::array<std::string, count> texts;

    friend bool operator==(const ElementTexts&, const ElementTexts&) = default;
};

ElementTexts makeElementTexts(const TriangleElements& elements, std::string_view decimalSeparator);

} // namespace zirev1
