// SPDX-License-Identifier: MIT
#include "triangle_figure.h"

#include "form2_description.h"

#include <cmath>
#include <numbers>

namespace zirev1 {
namespace {

using namespace triangle_figure;

// The direction from one point to another, counter-clockwise in degrees as seen on the screen
// (y grows downwards).
double directionDegrees(Point from, Point to) {
    return std::atan2(from.y - to.y, to.x - from.x) * 180 / std::numbers::pi;
}

// The arc at a corner between its two sides, going the short way round.
void drawAngleArc(Canvas& canvas, Point corner, Point alongFirst, Point alongSecond,
                  double radius) {
    const double first = directionDegrees(corner, alongFirst);
    double span = directionDegrees(corner, alongSecond) - first;
    if (span > 180) {
        span -= 360;
    } else if (span < -180) {
        span += 360;
    }
    canvas.arc(corner, radius, first, span, Pen{ARC_RED, 1.5});
}

void drawLetter(Canvas& canvas, Point centre, std::string_view letter, const ControlFont& font) {
    canvas.text(centre, {HorizontalAnchor::Centre, VerticalAnchor::Middle}, letter,
                font.pixelSize(), LETTER_BLUE);
}

} // namespace

void drawTriangleFigure(Canvas& canvas) {
    canvas.fillRect({0, 0}, {289, 291}, {255, 255, 255});
    const Point corners[] = {BOTTOM_LEFT, BOTTOM_RIGHT, APEX};
    canvas.polygon(corners, Pen{LINE_BLUE, 1.5});

    const Point foot{APEX.x, BOTTOM_LEFT.y};
    const Pen red{ARC_RED, 1.5};
    canvas.line(APEX, foot, red);
    const Point rightAngle[] = {
        {foot.x - 9, foot.y}, {foot.x - 9, foot.y - 9}, {foot.x, foot.y - 9}};
    canvas.polyline(rightAngle, red);
    drawAngleArc(canvas, APEX, BOTTOM_LEFT, BOTTOM_RIGHT, 34);
    drawAngleArc(canvas, BOTTOM_RIGHT, APEX, BOTTOM_LEFT, 30);
    drawAngleArc(canvas, BOTTOM_LEFT, BOTTOM_RIGHT, APEX, 38);

    drawLetter(canvas, {(BOTTOM_LEFT.x + BOTTOM_RIGHT.x) / 2, 264}, "a", WINDOW_FONT);
    drawLetter(canvas, {92, 120}, "b", WINDOW_FONT);
    drawLetter(canvas, {240, 120}, "c", WINDOW_FONT);
    drawLetter(canvas, {APEX.x + 12, 140}, "h", WINDOW_FONT);
    drawLetter(canvas, {APEX.x - 2, 62}, "α", GREEK_FONT);
    drawLetter(canvas, {BOTTOM_RIGHT.x - 44, 229}, "β", GREEK_FONT);
    drawLetter(canvas, {BOTTOM_LEFT.x + 50, 230}, "γ", GREEK_FONT);
}

} // namespace zirev1
