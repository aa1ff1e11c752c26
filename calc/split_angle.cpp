#include "angle_dms.h"

#include "arithmetic_fault.h"

#include <cmath>

namespace zirev1 {
namespace {

// Rounds to the nearest integer with ties to even, as the conversion to a 16-bit integer does.
std::int16_t roundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace

AngleDms splitAngle(double radians) {
    // Multiply by 180 first, then divide: the order fixes the last bits.
    const double totalDegrees = (radians * 180) / PI_APPROX;
    const double degrees = std::floor(totalDegrees);
    const double totalMinutes = (totalDegrees - degrees) * 60;
    const double minutes = std::floor(totalMinutes);
    return {degrees, minutes, roundToInt16((totalMinutes - minutes) * 60)};
}

} // namespace zirev1
