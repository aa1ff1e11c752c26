// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

class QPainter;

namespace zirev1 {

// The pictures drawn by Qt's painter, antialiased, in the painter's logical pixels.
class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void fillRect(Point topLeft, Point bottomRight, Colour colour) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void polygon(std::span<const Point> points, const Pen& pen) override;
    void arc(Point centre, double radius, double startDegrees, double spanDegrees,
             const Pen& pen) override;

protected:
    void textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                        Colour colour) override;

private:
    void usePen(const Pen& pen);

    QPainter& m_painter;
};

} // namespace zirev1
