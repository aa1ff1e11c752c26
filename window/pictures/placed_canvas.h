// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

#include <vector>

namespace zirev1 {

// Draws a picture on another canvas at an offset and a scale, so that a drawing made for its own
// box can stand inside a larger one (the triangle to scale on the printed sheet).
class PlacedCanvas final : public Canvas {
public:
    PlacedCanvas(Canvas& target, Point offset, double scale)
        : m_target(target), m_offset(offset), m_scale(scale) {}

    void fillRect(Point topLeft, Point bottomRight, Colour colour) override {
        m_target.fillRect(placed(topLeft), placed(bottomRight), colour);
    }
    void polyline(std::span<const Point> points, const Pen& pen) override {
        withPlaced(points, [&](std::span<const Point> p) { m_target.polyline(p, scaled(pen)); });
    }
    void polygon(std::span<const Point> points, const Pen& pen) override {
        withPlaced(points, [&](std::span<const Point> p) { m_target.polygon(p, scaled(pen)); });
    }
    void arc(Point centre, double radius, double startDegrees, double spanDegrees,
             const Pen& pen) override {
        m_target.arc(placed(centre), radius * m_scale, startDegrees, spanDegrees, scaled(pen));
    }

protected:
    void textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                        Colour colour) override {
        m_target.text(placed(origin), {HorizontalAnchor::Left, VerticalAnchor::Baseline}, utf8,
                      pixelSize * m_scale, colour);
    }

private:
    Point placed(Point p) const { return {m_offset.x + p.x * m_scale, m_offset.y + p.y * m_scale}; }
    Pen scaled(const Pen& pen) const { return {pen.colour, pen.width * m_scale}; }
    template <typename Draw> void withPlaced(std::span<const Point> points, Draw draw) const {
        std::vector<Point> moved;
        moved.reserve(points.size());
        for (const Point p : points) {
            moved.push_back(placed(p));
        }
        draw(std::span<const Point>(moved));
    }

    Canvas& m_target;
    Point m_offset;
    double m_scale;
};

} // namespace zirev1
