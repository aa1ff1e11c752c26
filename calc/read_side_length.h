// SPDX-License-Identifier: MIT
#pragma once

#include "checked.h"

#include <string_view>

namespace zirev1 {

// Reads a side length from a field's text, the same in every locale:
// blanks, tabs and line feeds anywhere are ignored; then the longest leading number is read (an
// optional sign, digits with at most one "." as the decimal point) and the rest is ignored; with no
// digit at all the value is 0. The result is the double nearest to the number typed.
//
//   ""      -> 0        "3.5.1" -> 3.5      "-" -> 0       "+4" -> 4
//   "1 2"   -> 12       "2,5"   -> 2        ".5" -> 0.5    "7." -> 7
//
// Only plain decimals are read: "1e3" is 1 and "&H10" is 0, because exponents and radix prefixes
// cannot be typed into the side fields and a pasted one should not mean more than it shows.
// A number beyond the double range (400 digits) is an Overflow fault; one too small for a double
// reads as 0.
Checked<double> readSideLength(std::string_view text);

// readSideLength's value, and how much of the text it took.
struct SideReading {
    double value = 0;
    bool digits = false; // a digit was read; without one the value is 0
    bool whole = false;  // every character but the ignored ones belongs to the number
};
//   "2,5" -> 2, digits, not whole     "abc" -> 0, no digits, not whole     "" -> 0, no digits,
//   whole
Checked<SideReading> readSide(std::string_view text);

} // namespace zirev1
