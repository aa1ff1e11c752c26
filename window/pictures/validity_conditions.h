// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

namespace zirev1 {

// The conditions of validity, black bold text on a transparent ground. Only the top-left corner
// holds anything: the angle results lie under the rest and show through it.
namespace validity_conditions {
// Where the text stands, in the picture's pixels: about 1560 x 1360 twips, with room for the
// wider stand-in typeface.
inline constexpr Point INK_AREA_BOTTOM_RIGHT{130, 93};
} // namespace validity_conditions

void drawValidityConditions(Canvas& canvas);

} // namespace zirev1
