// SPDX-License-Identifier: MIT
#pragma once

#include "checked.h"

#include <cstdint>

namespace zirev1 {

// The only value of pi the calculation uses: the double nearest to 3.1415927 (0x400921FB5A7ED197).
// It exceeds pi by about 4.6e-8, so whole-degree angles show as, say, 89 59 60 rather than 90 0 0.
inline constexpr double PI_APPROX = 3.1415927;

// One angle as shown: whole degrees and minutes (rounded down, kept as doubles) and seconds rounded
// to the nearest whole number, ties to even, as a 16-bit integer. There is no carry, so seconds
// may be 60 while the minutes stay as they are.
struct AngleDms {
    double degrees = 0;
    double minutes = 0;
    std::int16_t seconds = 0;
};

// Splits an angle in radians into degrees, minutes and seconds. Ends in an Overflow fault when the
// seconds cannot be held as a 16-bit integer, which only a non-finite angle can cause.
//
//   splitAngle(0.6435011087932844) -> 36 52 12
//   splitAngle(pi / 2)             -> 89 59 60   (no carry)
Checked<AngleDms> splitAngle(double radians);

// The same reading with the carry the window leaves out: 60 seconds become a minute, and 60
// minutes a degree. Readings without 60 seconds come back as they are.
//
//   carriedDms({89, 59, 60}) -> 90 0 0
//   carriedDms({53, 7, 60})  -> 53 8 0
//   carriedDms({36, 52, 12}) -> 36 52 12
AngleDms carriedDms(AngleDms dms);

} // namespace zirev1
