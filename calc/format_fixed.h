// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zirev1 {

// Writes a value with exactly `decimals` decimals (0 to 6), trailing zeros kept, rounded as
// formatMeasure rounds: from the double's exact binary value, an exact tie away from zero. At
// least one integer digit, all the integer digits of the double, no grouping; the separator is
// written when decimals follow.
//
//   formatFixed(36.86989764584402, 4, ".") -> "36.8699"
//   formatFixed(1, 6, ",")                 -> "1,000000"
//   formatFixed(0.03125, 4, ".")           -> "0.0313"   (an exact tie rounds away from zero)
//   formatFixed(-0.00001, 4, ".")          -> "0.0000"   (never "-0.0000")
//
// Only finite values: the elements never hold others.
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator);

} // namespace zirev1
