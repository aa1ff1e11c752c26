// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"
#include "system_colours.h"

namespace zirev1 {

// Draws on another canvas in the system's colours (inSystemColours), so that every picture
// follows a high-contrast or dark desktop without a second drawing.
class RecolouredCanvas final : public Canvas {
public:
    RecolouredCanvas(Canvas& target, const SystemColours& colours)
        : m_target(target), m_colours(colours) {}

    void fillRect(Point topLeft, Point bottomRight, Colour colour) override {
        m_target.fillRect(topLeft, bottomRight, inSystemColours(colour, m_colours));
    }
    void polyline(std::span<const Point> points, const Pen& pen) override {
        m_target.polyline(points, recoloured(pen));
    }
    void polygon(std::span<const Point> points, const Pen& pen) override {
        m_target.polygon(points, recoloured(pen));
    }
    void arc(Point centre, double radius, double startDegrees, double spanDegrees,
             const Pen& pen) override {
        m_target.arc(centre, radius, startDegrees, spanDegrees, recoloured(pen));
    }

protected:
    // The text is placed already: the target draws it at that baseline.
    void textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                        Colour colour) override {
        m_target.text(origin, {HorizontalAnchor::Left, VerticalAnchor::Baseline}, utf8, pixelSize,
                      inSystemColours(colour, m_colours));
    }

private:
    Pen recoloured(const Pen& pen) const {
        return {inSystemColours(pen.colour, m_colours), pen.width};
    }

    Canvas& m_target;
    SystemColours m_colours;
};

} // namespace zirev1
