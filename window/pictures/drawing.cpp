// SPDX-License-Identifier: MIT
#include "drawing.h"

#include "briggs_formulas.h"
#include "scale_triangle.h"
#include "triangle_figure.h"
#include "validity_conditions.h"

namespace zirev1 {

void draw(Drawing drawing, Canvas& canvas, const DrawingInput& input) {
    switch (drawing) {
    case Drawing::None:
        break;
    case Drawing::TriangleFigure:
        drawTriangleFigure(canvas);
        break;
    case Drawing::BriggsFormulas:
        drawBriggsFormulas(canvas);
        break;
    case Drawing::ValidityConditions:
        drawValidityConditions(canvas, input.markedCondition);
        break;
    case Drawing::ScaleTriangle:
        drawScaleTriangle(canvas, input.sides);
        break;
    }
}

} // namespace zirev1
