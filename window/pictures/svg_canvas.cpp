// SPDX-License-Identifier: MIT
#include "svg_canvas.h"

#include "system_colours.h"
#include "text_metrics.h"
#include "unicode_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zirev1 {
namespace {

// The characters of XML 1.0; the decoder never yields a surrogate or more than U+10FFFF.
bool xmlAllows(char32_t code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code < 0xFFFE);
}

std::string attribute(std::string_view name, std::string_view value) {
    std::string out = " ";
    out += name;
    out += "=\"";
    out += value;
    out += '"';
    return out;
}

// The colour, and its role as a class, by which a page's style can draw it in the system's
// colours.
std::string colourAttributes(std::string_view property, Colour colour) {
    constexpr std::string_view ROLE_CLASSES[] = {"drawn-ground", "drawn-text", "drawn-accent"};
    return attribute(property, hexColour(colour)) +
           attribute("class", ROLE_CLASSES[static_cast<std::size_t>(colourRole(colour))]);
}

std::string penAttributes(const Pen& pen) {
    return colourAttributes("stroke", pen.colour) +
           attribute("stroke-width", compactNumber(pen.width));
}

// The point of the circle at an angle counter-clockwise as seen, with y growing downwards.
Point onCircle(Point centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {centre.x + radius * std::cos(radians), centre.y - radius * std::sin(radians)};
}

std::string pointText(Point p) {
    return compactNumber(p.x) + ',' + compactNumber(p.y);
}

} // namespace

std::string compactNumber(double value) {
    // Whole thousandths, written by hand: the standard library's fixed-point to_chars would bring
    // 110 KB of tables into the WebAssembly module. The pictures' numbers are far below 2^53.
    const long long thousandths = std::llround(value * 1000);
    const unsigned long long magnitude =
        static_cast<unsigned long long>(thousandths < 0 ? -thousandths : thousandths);
    // Appended piece by piece: a literal put before a temporary string is an insert at its
    // front, whose inlined copy GCC 12 misjudges as overlapping at -O3 (-Wrestrict).
    std::string text;
    if (thousandths < 0) {
        text += '-';
    }
    text += std::to_string(magnitude / 1000);
    if (const unsigned long long fraction = magnitude % 1000; fraction != 0) {
        const std::string digits = std::to_string(1000 + fraction); // "1050" for .05
        text += '.';
        text += digits.substr(1, digits.find_last_not_of('0'));
    }
    return text;
}

std::string hexColour(Colour colour) {
    constexpr std::string_view DIGITS = "0123456789abcdef";
    std::string out = "#";
    for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        out += DIGITS[part >> 4];
        out += DIGITS[part & 0xF];
    }
    return out;
}

std::string xmlText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = nextCodePoint(utf8, at);
        switch (code) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        case U'"':
            out += "&quot;";
            break;
        case U'\'':
            out += "&apos;";
            break;
        default:
            appendUtf8(out, xmlAllows(code) ? code : U'\uFFFD');
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(double width, double height, Embedding embedding)
    : m_width(width), m_height(height), m_embedding(embedding) {}

void SvgCanvas::fillRect(Point topLeft, Point bottomRight, Colour colour) {
    m_body += "<rect" + attribute("x", compactNumber(std::min(topLeft.x, bottomRight.x))) +
              attribute("y", compactNumber(std::min(topLeft.y, bottomRight.y))) +
              attribute("width", compactNumber(std::abs(bottomRight.x - topLeft.x))) +
              attribute("height", compactNumber(std::abs(bottomRight.y - topLeft.y))) +
              colourAttributes("fill", colour) + "/>\n";
}

void SvgCanvas::points(std::span<const Point> points) {
    m_body += " points=\"";
    // Appended piece by piece: a literal put before a temporary string is an insert at its
    // front, whose inlined copy GCC 12 misjudges as overlapping at -O3 (-Wrestrict).
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            m_body += ' ';
        }
        m_body += pointText(points[i]);
    }
    m_body += '"';
}

void SvgCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    m_body += "<polyline";
    this->points(points);
    m_body += penAttributes(pen) + "/>\n";
}

void SvgCanvas::polygon(std::span<const Point> points, const Pen& pen) {
    m_body += "<polygon";
    this->points(points);
    m_body += penAttributes(pen) + "/>\n";
}

void SvgCanvas::arc(Point centre, double radius, double startDegrees, double spanDegrees,
                    const Pen& pen) {
    if (radius <= 0 || spanDegrees == 0) {
        return;
    }
    // One arc command cannot go all the way round (its ends would meet): a whole circle, or
    // more, is two half circles.
    const double span = std::clamp(spanDegrees, -360.0, 360.0);
    const int pieces = std::abs(span) >= 360 ? 2 : 1;
    const double piece = span / pieces;
    // SVG's sweep flag 1 turns clockwise as seen when y grows downwards.
    const std::string flags =
        std::string(std::abs(piece) > 180 ? " 1" : " 0") + (piece > 0 ? " 0 " : " 1 ");
    const std::string r = compactNumber(radius);
    std::string path = "M";
    path += pointText(onCircle(centre, radius, startDegrees));
    for (int i = 1; i <= pieces; ++i) {
        path += " A" + r + ',' + r + " 0" + flags +
                pointText(onCircle(centre, radius, startDegrees + piece * i));
    }
    m_body += "<path" + attribute("d", path) + penAttributes(pen) + "/>\n";
}

void SvgCanvas::textAtBaseline(Point origin, std::string_view utf8, double pixelSize,
                               Colour colour) {
    const std::string shown = xmlText(utf8);
    m_body += "<text" + attribute("x", compactNumber(origin.x)) +
              attribute("y", compactNumber(origin.y)) +
              attribute("font-size", compactNumber(pixelSize)) + colourAttributes("fill", colour) +
              " xml:space=\"preserve\">" + shown + "</text>\n";
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = nextCodePoint(utf8, at);
        appendUtf8(m_texts, xmlAllows(code) ? code : U'\uFFFD');
    }
}

std::string SvgCanvas::document() const {
    const std::string width = compactNumber(m_width);
    const std::string height = compactNumber(m_height);
    std::string head = "<svg xmlns=\"http://www.w3.org/2000/svg\"";
    if (m_embedding == Embedding::Inline) {
        head += " width=\"100%\" height=\"100%\" aria-hidden=\"true\" focusable=\"false\"";
    } else {
        head += attribute("width", width) + attribute("height", height);
    }
    head += attribute("viewBox", "0 0 " + width + ' ' + height) + " font-family=\"" +
            std::string(STAND_IN_TYPEFACE) +
            "\" font-weight=\"bold\" fill=\"none\" stroke-linecap=\"butt\""
            " stroke-linejoin=\"miter\" stroke-miterlimit=\"4\" style=\"font-kerning:none\">\n";
    return head + m_body + "</svg>\n";
}

} // namespace zirev1
