// SPDX-License-Identifier: MIT
// Properties of splitAngle for any angle in (0, pi): degrees 0-179, minutes 0-59, seconds 0-60,
// and the three together within a second of the angle measured with PI_APPROX.

#include "angle_dms.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(double)) {
        return -1;
    }
    double radians;
    std::memcpy(&radians, data, sizeof radians);
    if (!(radians > 0 && radians < M_PI)) {
        return -1;
    }
    const zirev1::Checked<zirev1::AngleDms> split = zirev1::splitAngle(radians);
    if (split.faulted()) {
        std::abort(); // a finite angle always splits
    }
    const zirev1::AngleDms dms = *split;
    const bool inRange = dms.degrees >= 0 && dms.degrees <= 179 && dms.minutes >= 0 &&
                         dms.minutes <= 59 && dms.seconds >= 0 && dms.seconds <= 60 &&
                         dms.degrees == std::floor(dms.degrees) &&
                         dms.minutes == std::floor(dms.minutes);
    const double shownSeconds = dms.degrees * 3600 + dms.minutes * 60 + dms.seconds;
    const double trueSeconds = radians * 180 / zirev1::PI_APPROX * 3600;
    if (!inRange || std::fabs(shownSeconds - trueSeconds) > 0.5 + 1e-6) {
        std::abort();
    }
    return 0;
}
