// SPDX-License-Identifier: MIT
#include "angle_dms.h"

namespace zirev1 {

// Seconds never exceed 60 and minutes never exceed 59, so one carry of each kind is enough.
AngleDms carriedDms(AngleDms dms) {
    if (dms.seconds == 60) {
        dms.seconds = 0;
        dms.minutes += 1;
    }
    if (dms.minutes == 60) {
        dms.minutes = 0;
        dms.degrees += 1;
    }
    return dms;
}

} // namespace zirev1
