// SPDX-License-Identifier: MIT
#pragma once

namespace zirev1 {

class Canvas;

// The pictures' drawings, in pixels at 96 dpi from the picture's top left.
enum class Drawing { None, TriangleFigure, BriggsFormulas, ValidityConditions };

void draw(Drawing drawing, Canvas& canvas);

} // namespace zirev1
