// SPDX-License-Identifier: MIT
#include "scale_triangle.h"

#include "form_style.h"
#include "triangle_figure.h"

#include <algorithm>
#include <cmath>

namespace zirev1 {
namespace {

using namespace scale_triangle;

Point minus(Point p, Point q) {
    return {p.x - q.x, p.y - q.y};
}
double length(Point v) {
    return std::hypot(v.x, v.y);
}
// The unit vector along v, or nothing useful for a null one.
Point unit(Point v) {
    const double l = length(v);
    return l > 0 ? Point{v.x / l, v.y / l} : Point{0, -1};
}

// A letter beside the middle of a side, across it from the opposite corner; below a side that
// the opposite corner lies on (a needle's), or above it when downwards is false.
Point besideSide(Point from, Point to, Point opposite, double distance, bool downwards) {
    const Point middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    Point across = unit({from.y - to.y, to.x - from.x});
    const Point toOpposite = minus(opposite, middle);
    const double side = across.x * toOpposite.x + across.y * toOpposite.y;
    if (side > 1e-9 || (std::abs(side) <= 1e-9 && (across.y > 0) != downwards)) {
        across = {-across.x, -across.y};
    }
    return {middle.x + across.x * distance, middle.y + across.y * distance};
}

// A letter outside the corner, on its bisector: inside, a narrow corner could not hold it.
Point outsideCorner(Point corner, Point first, Point second, double distance) {
    const Point u = unit(minus(first, corner));
    const Point v = unit(minus(second, corner));
    const Point bisector = unit({u.x + v.x, u.y + v.y});
    return {corner.x - bisector.x * distance, corner.y - bisector.y * distance};
}

void drawLetter(Canvas& canvas, Point centre, std::string_view letter, const ControlFont& font,
                Colour colour) {
    canvas.text(centre, {HorizontalAnchor::Centre, VerticalAnchor::Middle}, letter,
                font.pixelSize(), colour);
}

} // namespace

ScaleCorners scaleCorners(const std::array<double, 3>& sides) {
    // In units of the longest side, so that no square below leaves the double range.
    const double longest = std::max({sides[0], sides[1], sides[2]});
    const double a = sides[0] / longest, b = sides[1] / longest, c = sides[2] / longest;
    // The apex over the line of a: its foot from C, and its height by Heron's formula, which
    // keeps a needle's small height where b² − x² would cancel it away.
    const double x = (a * a + b * b - c * c) / (2 * a);
    const double p = (a + b + c) / 2;
    const double area = std::sqrt(std::max(0.0, p * (p - a) * (p - b) * (p - c)));
    const double height = 2 * area / a;

    const double left = std::min(0.0, x), right = std::max(a, x);
    const double width = right - left;
    const double scale = std::min((SIZE.x - 2 * MARGIN) / width,
                                  height > 0 ? (SIZE.y - 2 * MARGIN) / height : INFINITY);
    // Centred in the box, the base at the bottom.
    const double offsetX = (SIZE.x - width * scale) / 2 - left * scale;
    const double baseY = SIZE.y / 2 + height * scale / 2;
    return {{offsetX, baseY},
            {offsetX + a * scale, baseY},
            {offsetX + x * scale, baseY - height * scale}};
}

void drawScaleTriangle(Canvas& canvas, const std::optional<std::array<double, 3>>& sides) {
    using namespace triangle_figure;
    canvas.fillRect({0, 0}, SIZE, {255, 255, 255});
    if (!sides) {
        canvas.text({SIZE.x / 2, SIZE.y / 2}, {HorizontalAnchor::Centre, VerticalAnchor::Middle},
                    "Nessun triangolo calcolato", SMALL_FONT.pixelSize(), DEFAULT_TEXT);
        return;
    }
    const auto [c, b, a] = scaleCorners(*sides);
    const Point corners[] = {c, b, a};
    canvas.polygon(corners, Pen{LINE_BLUE, 1.5});

    // The altitude onto a, over a's line drawn on where the foot lies beyond the side.
    const Point foot{a.x, c.y};
    const Pen red{ARC_RED, 1};
    canvas.line(a, foot, red);
    if (foot.x < c.x || foot.x > b.x) {
        canvas.line({std::min(foot.x, c.x), c.y}, {std::max(foot.x, b.x), c.y}, red);
    }
    // The corners marked, so that a needle still shows three of them.
    for (const Point corner : corners) {
        canvas.arc(corner, 2.5, 0, 360, Pen{LINE_BLUE, 2});
    }

    drawLetter(canvas, besideSide(c, b, a, 14, true), "a", WINDOW_FONT, LETTER_BLUE);
    drawLetter(canvas, besideSide(c, a, b, 14, false), "b", WINDOW_FONT, LETTER_BLUE);
    drawLetter(canvas, besideSide(b, a, c, 14, false), "c", WINDOW_FONT, LETTER_BLUE);
    drawLetter(canvas, {foot.x + 10, (a.y + foot.y) / 2}, "h", WINDOW_FONT, ARC_RED);
    drawLetter(canvas, outsideCorner(a, c, b, 16), "α", GREEK_FONT, LETTER_BLUE);
    drawLetter(canvas, outsideCorner(b, a, c, 16), "β", GREEK_FONT, LETTER_BLUE);
    drawLetter(canvas, outsideCorner(c, b, a, 16), "γ", GREEK_FONT, LETTER_BLUE);
}

} // namespace zirev1
