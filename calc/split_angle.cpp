// SPDX-License-Identifier: MIT
#include "angle_dms.h"

#include <cmath>

namespace zirev1 {
namespace {

// Rounds to the nearest integer with ties to even, as the conversion to a 16-bit integer does.
Checked<std::int16_t> roundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return FaultKind::Overflow;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace

Checked<AngleDms> splitAngle(double radians) {
    // Multiply by 180 first, then divide: the order fixes the last bits.
    const double totalDegrees = (radians * 180) / PI_APPROX;
    const double degrees = std::floor(totalDegrees);
    const double totalMinutes = (totalDegrees - degrees) * 60;
    const double minutes = std::floor(totalMinutes);
    const Checked<std::int16_t> seconds = roundToInt16((totalMinutes - minutes) * 60);
    if (seconds.faulted()) {
        return seconds.fault();
    }
    return AngleDms{degrees, minutes, *seconds};
}

} // namespace zirev1
