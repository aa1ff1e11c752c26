// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

namespace zirev1 {

// The triangle figure: sides a, b, c, angles α, β, γ and the altitude h onto a, on white, in
// its own 289 x 291 pixels.
namespace triangle_figure {
inline constexpr Point BOTTOM_LEFT{33, 244};
inline constexpr Point BOTTOM_RIGHT{261, 244};
inline constexpr Point APEX{189, 13};
inline constexpr Colour LINE_BLUE{0, 0, 255};
inline constexpr Colour LETTER_BLUE{0, 0, 128};
inline constexpr Colour ARC_RED{255, 0, 0};
} // namespace triangle_figure

void drawTriangleFigure(Canvas& canvas);

} // namespace zirev1
