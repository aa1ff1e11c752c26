// SPDX-License-Identifier: MIT
#include "briggs_formulas.h"

#include "form2_description.h"
#include "text_metrics.h"

#include <algorithm>
#include <string>

namespace zirev1 {
namespace {

struct Formula {
    std::string_view angle;
    std::string_view numerator;
    std::string_view denominator;
};

constexpr Formula FORMULAS[] = {
    {"α", "(p-b)(p-c)", "p(p-a)"},
    {"β", "(p-a)(p-c)", "p(p-b)"},
    {"γ", "(p-a)(p-b)", "p(p-c)"},
};

constexpr Colour BLACK{0, 0, 0};

// "Tg(x/2) = " and a square root over a fraction, centred on the line at midY.
void drawFormula(Canvas& canvas, const Formula& formula, double left, double midY) {
    const double size = GREEK_FONT.pixelSize();
    const std::string lead = "Tg(" + std::string(formula.angle) + "/2) = ";
    const double ascent = ascentOf(size);
    const double descent = descentOf(size);
    canvas.text({left, midY + (ascent - descent) / 2}, {}, lead, size, BLACK);

    const double fractionWidth =
        std::max(textWidth(formula.numerator, size), textWidth(formula.denominator, size)) + 10;
    const double rootLeft = left + textWidth(lead, size);
    const double fractionLeft = rootLeft + 18;
    const double top = midY - ascent - descent - 6;
    const double bottom = midY + ascent + descent + 4;
    const Pen pen{BLACK, 1.3};
    const Point root[] = {{rootLeft, midY + 2},
                          {rootLeft + 5, midY - 1},
                          {rootLeft + 11, bottom},
                          {fractionLeft, top},
                          {fractionLeft + fractionWidth, top}};
    canvas.polyline(root, pen);
    canvas.line({fractionLeft + 3, midY}, {fractionLeft + fractionWidth - 3, midY}, pen);
    const double centre = fractionLeft + fractionWidth / 2;
    canvas.text({centre, midY - descent - 3}, {HorizontalAnchor::Centre, VerticalAnchor::Baseline},
                formula.numerator, size, BLACK);
    canvas.text({centre, midY + ascent + 2}, {HorizontalAnchor::Centre, VerticalAnchor::Baseline},
                formula.denominator, size, BLACK);
}

} // namespace

void drawBriggsFormulas(Canvas& canvas) {
    constexpr double WIDTH = 370;
    canvas.fillRect({0, 0}, {WIDTH, 268}, {255, 255, 255});
    canvas.text({WIDTH / 2, 8}, {HorizontalAnchor::Centre, VerticalAnchor::Top},
                "Soluzione mediante le formule di Briggs", SMALL_FONT.pixelSize(), BLACK);
    double midY = 84;
    for (const Formula& formula : FORMULAS) {
        drawFormula(canvas, formula, 24, midY);
        midY += 68;
    }
}

} // namespace zirev1
