// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"
#include "form2_description.h"

namespace zirev1 {

// How far right and down a drawing reaches from its picture's top left, in pixels: its strokes
// with their width, its fills, and its texts by the typeface's advances, ascent and descent.
// Where a picture leaves most of its box empty, a narrow screen shows only this part.
struct DrawnExtent {
    double right = 0;
    double bottom = 0;
};

DrawnExtent drawnExtent(Drawing drawing);

} // namespace zirev1
