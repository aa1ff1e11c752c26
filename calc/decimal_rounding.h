// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace zirev1 {

// A non-negative finite double rounded to a fixed number of decimals, from its exact binary value:
// only a value exactly halfway between two candidates is a tie, and a tie rounds away from zero.
//
//   roundToDecimals(0.0078125, 6)   -> "0", 7813
//   roundToDecimals(9.99996, 4)     -> "10", 0
//   roundToDecimals(1e20, 6)        -> "100000000000000000000", 0
struct RoundedDecimal {
    std::string integerDigits;  // all of them, at least one
    std::uint64_t fraction = 0; // the decimals as a whole number, below 10^decimals
};

// decimals from 0 to 6.
RoundedDecimal roundToDecimals(double magnitude, int decimals);

} // namespace zirev1
