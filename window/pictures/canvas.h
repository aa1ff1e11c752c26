// SPDX-License-Identifier: MIT
#pragma once

#include "layout_units.h"

#include <span>
#include <string_view>

namespace zirev1 {

// Picture coordinates are pixels at 96 dpi (15 twips each), from the picture's top left, with y
// growing downwards. Angles are in degrees, counter-clockwise as seen on the screen.
struct Point {
    double x = 0, y = 0;
};

struct Pen {
    Colour colour;
    double width = 1; // lines end flat and join mitred, in every back end
};

// Where a text stands relative to its anchor point.
enum class HorizontalAnchor { Left, Centre };
enum class VerticalAnchor { Baseline, Top, Middle };
struct TextAnchor {
    HorizontalAnchor horizontal = HorizontalAnchor::Left;
    VerticalAnchor vertical = VerticalAnchor::Baseline;
};

// What the three pictures are drawn on. Each back end (Qt's painter, the SVG writer, GDI+)
// implements the primitives; texts are placed here, from the stand-in typeface's own metrics, so
// that every back end puts each text at the same baseline.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void fillRect(Point topLeft, Point bottomRight, Colour colour) = 0;
    virtual void polyline(std::span<const Point> points, const Pen& pen) = 0;
    virtual void polygon(std::span<const Point> points, const Pen& pen) = 0; // closed, unfilled
    // An arc of the circle around centre, from startDegrees through spanDegrees (negative:
    // clockwise).
    virtual void arc(Point centre, double radius, double startDegrees, double spanDegrees,
                     const Pen& pen) = 0;

    // One line of UTF-8 text in the stand-in typeface, bold, pixelSize high.
    void text(Point anchor, TextAnchor how, std::string_view utf8, double pixelSize, Colour colour);

    void line(Point from, Point to, const Pen& pen) {
        const Point points[] = {from, to};
        polyline(points, pen);
    }

protected:
    // The text with its baseline starting at origin.
    virtual void textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                                Colour colour) = 0;
};

} // namespace zirev1
