// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace zirev1 {

class Canvas;

// The pictures' drawings, in pixels at 96 dpi from the picture's top left.
enum class Drawing { None, TriangleFigure, BriggsFormulas, ValidityConditions, ScaleTriangle };

// What a drawing shows of the last calculation: the validity condition that failed (0, 1, 2 for
// p − a, p − b, p − c), and the sides of the last valid triangle. The fixed pictures ignore what
// they do not show.
struct DrawingInput {
    std::optional<std::size_t> markedCondition;
    std::optional<std::array<double, 3>> sides;
};

void draw(Drawing drawing, Canvas& canvas, const DrawingInput& input = {});

} // namespace zirev1
