// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zirev1 {

// The exact decimal digits of a whole-valued finite double's magnitude, however large: every
// double from 2^53 up is whole, and its value is written digit for digit, never rounded to 17
// significant digits.
//
//   wholeNumberDigits(12)     -> "12"
//   wholeNumberDigits(1e20)   -> "100000000000000000000"
//   wholeNumberDigits(0x1p70) -> "1180591620717411303424"
std::string wholeNumberDigits(double wholeValue);

} // namespace zirev1
