// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

namespace zirev1 {

// Briggs' formulas, black on white in 370 x 268 pixels: a heading, then the three half-angle
// tangents as square roots over fractions of the semi-perimeter's differences.
void drawBriggsFormulas(Canvas& canvas);

} // namespace zirev1
