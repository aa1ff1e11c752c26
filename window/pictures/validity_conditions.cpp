// SPDX-License-Identifier: MIT
#include "validity_conditions.h"

#include "form2_description.h"
#include "text_metrics.h"

#include <iterator>

namespace zirev1 {
namespace {

// The design places the runs in its own units of 2.4 twips, 0.16 pixels.
constexpr double PIXELS_PER_DESIGN_UNIT = 2.4 / TWIPS_PER_PIXEL;

struct TextRun {
    double x, y; // top left, in design units
    std::string_view text;
    const ControlFont& font; // 83 units high is about 10 points, 100 units 12 points
};

const TextRun RUNS[] = {
    {1, 1, "Condizioni di ", SMALL_FONT}, {1, 103, "validità ", SMALL_FONT},
    {1, 203, "(p - a) > 0 ", FIELD_FONT}, {1, 325, "(p - b) > 0 ", FIELD_FONT},
    {1, 446, "(p - c) > 0 ", FIELD_FONT},
};

} // namespace

void drawValidityConditions(Canvas& canvas, std::optional<std::size_t> marked) {
    constexpr std::size_t FIRST_CONDITION = 2; // the runs before are the heading
    for (std::size_t i = 0; i < std::size(RUNS); ++i) {
        const TextRun& run = RUNS[i];
        const Point topLeft{run.x * PIXELS_PER_DESIGN_UNIT, run.y * PIXELS_PER_DESIGN_UNIT};
        const bool isMarked = marked && i == FIRST_CONDITION + *marked;
        const Colour ink = isMarked ? validity_conditions::MARK_RED : Colour{0, 0, 0};
        canvas.text(topLeft, {HorizontalAnchor::Left, VerticalAnchor::Top}, run.text,
                    run.font.pixelSize(), ink);
        if (isMarked) {
            // Framed as well, so that the mark does not rest on colour alone.
            const double pixels = run.font.pixelSize();
            const double width = textWidth(run.text, pixels);
            const double height = ascentOf(pixels) + descentOf(pixels);
            const Pen pen{ink, 1.5};
            const Point frame[] = {{topLeft.x - 1, topLeft.y},
                                   {topLeft.x + width, topLeft.y},
                                   {topLeft.x + width, topLeft.y + height},
                                   {topLeft.x - 1, topLeft.y + height}};
            canvas.polygon(frame, pen);
        }
    }
}

} // namespace zirev1
