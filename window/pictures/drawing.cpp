// SPDX-License-Identifier: MIT
#include "drawing.h"

#include "briggs_formulas.h"
#include "triangle_figure.h"
#include "validity_conditions.h"

namespace zirev1 {

void draw(Drawing drawing, Canvas& canvas) {
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
        drawValidityConditions(canvas);
        break;
    }
}

} // namespace zirev1
