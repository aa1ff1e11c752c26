// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

#include <windows.h>

#include <gdiplus.h>

namespace zirev1 {

// The pictures drawn by GDI+, antialiased, scaled from pixels at 96 dpi to the monitor's dpi.
class GdiplusCanvas final : public Canvas {
public:
    GdiplusCanvas(Gdiplus::Graphics& graphics, Gdiplus::FontFamily& family, double scale);

    void fillRect(Point topLeft, Point bottomRight, Colour colour) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void polygon(std::span<const Point> points, const Pen& pen) override;
    void arc(Point centre, double radius, double startDegrees, double spanDegrees,
             const Pen& pen) override;

protected:
    void textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                        Colour colour) override;

private:
    Gdiplus::Graphics& m_graphics;
    Gdiplus::FontFamily& m_family;
};

} // namespace zirev1
