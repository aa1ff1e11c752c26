// SPDX-License-Identifier: MIT
#pragma once

#include "result_texts.h"

#include <optional>
#include <string_view>

namespace zirev1 {

// The reading and solving steps of calculateFromTexts, with the same stops and faults, up to the
// solution itself.
Checked<std::optional<TriangleSolution>>
solveFromTexts(std::string_view textA, std::string_view textB, std::string_view textC);

// What the Calculate button does, without any window: reads a, then b; stops with nothing when
// b is 0 (c is then never read); reads c, solves the triangle and returns its twelve texts, or
// nothing when the sides make no triangle. Ends in a fault on overflow (a side beyond the double
// range included) or division by zero, before any text exists.
//
//   calculateFromTexts("3", "4", "5", ".") -> 36 52 12 / 53 7 48 / 89 59 60 / "4." "6." "12."
//   calculateFromTexts("3", "0", "4", ".") -> nothing
Checked<std::optional<ResultTexts>> calculateFromTexts(std::string_view textA,
                                                       std::string_view textB,
                                                       std::string_view textC,
                                                       std::string_view decimalSeparator);

} // namespace zirev1
