// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

#include <array>
#include <optional>

namespace zirev1 {

// The triangle of the last valid sides, drawn to scale in its own 360 x 300 pixels: side a at the
// bottom, b on the left and c on the right, labelled as the form's figure is (a, b, c, α, β, γ
// and the altitude h onto a). The triangle is fitted to the box whatever its shape; a needle
// keeps its corners marked and its letters apart, so that it stays visible as a triangle.
namespace scale_triangle {
inline constexpr Point SIZE{360, 300};
inline constexpr double MARGIN = 36; // room for the letters outside the sides
} // namespace scale_triangle

// The corners C (between a and b, angle γ), B (between a and c, angle β) and A (the apex, angle
// α) of the sides fitted to the box, in the box's pixels.
struct ScaleCorners {
    Point c, b, a;
};
ScaleCorners scaleCorners(const std::array<double, 3>& sides);

// sides: nothing before the first valid triangle, and then only a caption is drawn.
void drawScaleTriangle(Canvas& canvas, const std::optional<std::array<double, 3>>& sides);

} // namespace zirev1
