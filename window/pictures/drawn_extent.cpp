// SPDX-License-Identifier: MIT
#include "drawn_extent.h"

#include "text_metrics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zirev1 {
namespace {

// A canvas that draws nothing and notes the farthest point each primitive reaches.
class ExtentCanvas final : public Canvas {
public:
    void fillRect(Point topLeft, Point bottomRight, Colour) override {
        reach(topLeft, 0);
        reach(bottomRight, 0);
    }
    void polyline(std::span<const Point> points, const Pen& pen) override {
        for (const Point point : points) {
            reach(point, pen.width / 2);
        }
    }
    void polygon(std::span<const Point> points, const Pen& pen) override { polyline(points, pen); }
    // The arc's ends, and each quarter of the circle it passes.
    void arc(Point centre, double radius, double startDegrees, double spanDegrees,
             const Pen& pen) override {
        const auto at = [&](double degrees) {
            const double radians = degrees * std::numbers::pi / 180;
            reach({centre.x + radius * std::cos(radians), centre.y - radius * std::sin(radians)},
                  pen.width / 2);
        };
        const double from = std::min(startDegrees, startDegrees + spanDegrees);
        const double to = std::max(startDegrees, startDegrees + spanDegrees);
        at(from);
        at(to);
        for (double quarter = std::ceil(from / 90) * 90; quarter < to; quarter += 90) {
            at(quarter);
        }
    }

    DrawnExtent extent() const { return m_extent; }

protected:
    void textAtBaseline(Point origin, std::string_view utf8, double pixelSize, Colour) override {
        reach({origin.x + textWidth(utf8, pixelSize), origin.y + descentOf(pixelSize)}, 0);
    }

private:
    void reach(Point point, double halfWidth) {
        m_extent.right = std::max(m_extent.right, point.x + halfWidth);
        m_extent.bottom = std::max(m_extent.bottom, point.y + halfWidth);
    }

    DrawnExtent m_extent;
};

} // namespace

DrawnExtent drawnExtent(Drawing drawing) {
    ExtentCanvas canvas;
    draw(drawing, canvas);
    return canvas.extent();
}

} // namespace zirev1
