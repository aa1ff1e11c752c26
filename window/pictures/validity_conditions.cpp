// SPDX-License-Identifier: MIT
#include "validity_conditions.h"

#include "form2_description.h"

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

void drawValidityConditions(Canvas& canvas) {
    for (const TextRun& run : RUNS) {
        canvas.text({run.x * PIXELS_PER_DESIGN_UNIT, run.y * PIXELS_PER_DESIGN_UNIT},
                    {HorizontalAnchor::Left, VerticalAnchor::Top}, run.text, run.font.pixelSize(),
                    {0, 0, 0});
    }
}

} // namespace zirev1
