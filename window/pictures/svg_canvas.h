// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

#include <string>

namespace zirev1 {

// A canvas that writes an SVG document: the web page shows the pictures this way. Lines end flat
// and join mitred with SVG's default miter limit of 4, as in Qt's painter; texts are bold
// "DejaVu Sans", placed by their advances alone (no kerning), with every blank kept.
class SvgCanvas final : public Canvas {
public:
    // Standalone: the document has the picture's pixel size. Inline: it fills the box of the
    // page element it sits in and is hidden from screen readers, since that box has the name.
    enum class Embedding { Standalone, Inline };

    SvgCanvas(double width, double height, Embedding embedding = Embedding::Standalone);

    void fillRect(Point topLeft, Point bottomRight, Colour colour) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void polygon(std::span<const Point> points, const Pen& pen) override;
    void arc(Point centre, double radius, double startDegrees, double spanDegrees,
             const Pen& pen) override;

    // The whole document, from <svg> to </svg>, as UTF-8.
    std::string document() const;
    // Every text drawn so far, one after the other, as the document shows it.
    const std::string& textsShown() const { return m_texts; }

protected:
    void textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                        Colour colour) override;

private:
    void points(std::span<const Point> points);

    double m_width;
    double m_height;
    Embedding m_embedding;
    std::string m_body;
    std::string m_texts;
};

// A number for SVG or JSON: at most three decimals, no trailing zeros, no "-0".
//   2 -> "2"   1.5 -> "1.5"   0.15625 -> "0.156"   -0.0001 -> "0"
std::string compactNumber(double value);

// "#rrggbb"
std::string hexColour(Colour colour);

// UTF-8 text made safe inside an XML element or attribute: &, <, >, " and ' as entities, and
// what XML cannot hold (malformed bytes, control characters) as U+FFFD.
std::string xmlText(std::string_view utf8);

} // namespace zirev1
