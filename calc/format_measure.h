// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zirev1 {

// Writes a measure by the pattern "0.######": rounded to six decimals, at least one integer digit,
// the decimal separator always written, trailing zeros of the decimals dropped.
//
//   formatMeasure(4, ".")                  -> "4."
//   formatMeasure(2.9047375096555625, ".") -> "2.904738"
//   formatMeasure(0.0078125, ".")          -> "0.007813"  (an exact tie rounds away from zero)
//   formatMeasure(0.0000004, ",")          -> "0,"
//
// Rounding looks at the double's exact binary value. Only a value that is exactly halfway between
// two six-decimal numbers is a tie. The double nearest to 4.0000005 lies just below that tie and
// gives "4."; the one nearest to 2.0000005 lies just above and gives "2.000001". The integer part
// is written with all the digits of the double, however many: an area of 1e20 is
// "100000000000000000000.", never cut to 15 significant digits.
std::string formatMeasure(double value, std::string_view decimalSeparator);

} // namespace zirev1
