// SPDX-License-Identifier: MIT
#include "gdiplus_canvas.h"

#include "text_metrics.h"
#include "unicode_text.h"

#include <vector>

namespace zirev1 {
namespace {

Gdiplus::Color gdiplusColour(Colour colour) {
    return Gdiplus::Color(255, colour.red, colour.green, colour.blue);
}

std::vector<Gdiplus::PointF> gdiplusPoints(std::span<const Point> points) {
    std::vector<Gdiplus::PointF> converted;
    converted.reserve(points.size());
    for (const Point& p : points) {
        converted.emplace_back(static_cast<Gdiplus::REAL>(p.x), static_cast<Gdiplus::REAL>(p.y));
    }
    return converted;
}

// Flat ends and mitred joins cut at SVG's limit, as the other back ends draw them.
class GdiplusPen {
public:
    explicit GdiplusPen(const Pen& pen)
        : m_pen(gdiplusColour(pen.colour), static_cast<Gdiplus::REAL>(pen.width)) {
        m_pen.SetLineCap(Gdiplus::LineCapFlat, Gdiplus::LineCapFlat, Gdiplus::DashCapFlat);
        m_pen.SetLineJoin(Gdiplus::LineJoinMiterClipped);
        m_pen.SetMiterLimit(4);
    }
    const Gdiplus::Pen* get() const { return &m_pen; }

private:
    Gdiplus::Pen m_pen;
};

} // namespace

GdiplusCanvas::GdiplusCanvas(Gdiplus::Graphics& graphics, Gdiplus::FontFamily& family, double scale)
    : m_graphics(graphics), m_family(family) {
    m_graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    m_graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    m_graphics.SetPageUnit(Gdiplus::UnitPixel);
    m_graphics.ScaleTransform(static_cast<Gdiplus::REAL>(scale), static_cast<Gdiplus::REAL>(scale));
}

void GdiplusCanvas::fillRect(Point topLeft, Point bottomRight, Colour colour) {
    const Gdiplus::SolidBrush brush(gdiplusColour(colour));
    m_graphics.FillRectangle(&brush, static_cast<Gdiplus::REAL>(topLeft.x),
                             static_cast<Gdiplus::REAL>(topLeft.y),
                             static_cast<Gdiplus::REAL>(bottomRight.x - topLeft.x),
                             static_cast<Gdiplus::REAL>(bottomRight.y - topLeft.y));
}

void GdiplusCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    const auto converted = gdiplusPoints(points);
    const GdiplusPen made(pen);
    m_graphics.DrawLines(made.get(), converted.data(), static_cast<INT>(converted.size()));
}

void GdiplusCanvas::polygon(std::span<const Point> points, const Pen& pen) {
    const auto converted = gdiplusPoints(points);
    const GdiplusPen made(pen);
    m_graphics.DrawPolygon(made.get(), converted.data(), static_cast<INT>(converted.size()));
}

// GDI+ measures angles clockwise on the screen, the canvas counter-clockwise.
void GdiplusCanvas::arc(Point centre, double radius, double startDegrees, double spanDegrees,
                        const Pen& pen) {
    const GdiplusPen made(pen);
    m_graphics.DrawArc(
        made.get(), static_cast<Gdiplus::REAL>(centre.x - radius),
        static_cast<Gdiplus::REAL>(centre.y - radius), static_cast<Gdiplus::REAL>(2 * radius),
        static_cast<Gdiplus::REAL>(2 * radius), static_cast<Gdiplus::REAL>(-startDegrees),
        static_cast<Gdiplus::REAL>(-spanDegrees));
}

// Each glyph at its origin on the baseline, by the typeface's own advances, as every other back
// end places it: laid out by GDI+, a text takes advances rounded to the device's pixels, and a
// line at 300 dpi comes out pixels longer than the page's.
void GdiplusCanvas::textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                                   Colour colour) {
    if (utf8.empty()) {
        return;
    }
    const Gdiplus::Font font(&m_family, static_cast<Gdiplus::REAL>(pixelSize),
                             Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    const Gdiplus::SolidBrush brush(gdiplusColour(colour));
    std::vector<UINT16> glyphs;
    std::vector<Gdiplus::PointF> origins;
    double x = origin.x;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = nextCodePoint(utf8, at);
        // One unit a glyph: past the Basic Multilingual Plane, which the typeface does not reach,
        // its replacement character.
        glyphs.push_back(static_cast<UINT16>(code <= 0xFFFF ? code : U'\uFFFD'));
        origins.emplace_back(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(origin.y));
        x += advanceOf(code) * pixelSize / STAND_IN_FONT.unitsPerEm;
    }
    m_graphics.DrawDriverString(glyphs.data(), static_cast<INT>(glyphs.size()), &font, &brush,
                                origins.data(), Gdiplus::DriverStringOptionsCmapLookup, nullptr);
}

} // namespace zirev1
