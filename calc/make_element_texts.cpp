// SPDX-License-Identifier: MIT
#include "element_texts.h"

#include "format_fixed.h"
#include "format_measure.h"
#include "whole_number_digits.h"

namespace zirev1 {
namespace {

constexpr int ANGLE_DECIMALS = 4; // degrees and gon
constexpr int RATIO_DECIMALS = 6; // radians and tangents

std::string_view angleKindName(AngleKind kind) {
    switch (kind) {
    case AngleKind::Acute:
        return "acutangolo";
    case AngleKind::Right:
        return "rettangolo";
    case AngleKind::Obtuse:
        return "ottusangolo";
    }
    return "";
}

std::string_view sidesKindName(SidesKind kind) {
    switch (kind) {
    case SidesKind::Scalene:
        return "scaleno";
    case SidesKind::Isosceles:
        return "isoscele";
    case SidesKind::Equilateral:
        return "equilatero";
    }
    return "";
}

// Appends texts in order.
class TextWriter {
public:
    TextWriter(ElementTexts& out, std::string_view separator)
        : m_out(out), m_separator(separator) {}

    void length(double value) { put(formatMeasure(value, m_separator)); }
    void angle(double value) { put(formatFixed(value, ANGLE_DECIMALS, m_separator)); }
    void ratio(double value) { put(formatFixed(value, RATIO_DECIMALS, m_separator)); }
    void whole(double value) { put(wholeNumberDigits(value)); }
    void put(std::string_view text) { m_out.texts[m_next++] = text; }

private:
    ElementTexts& m_out;
    std::string_view m_separator;
    std::size_t m_next = 0;
};

} // namespace

ElementTexts makeElementTexts(const TriangleElements& e, std::string_view decimalSeparator) {
    ElementTexts result;
    TextWriter w(result, decimalSeparator);
    for (const double length : {e.p, e.pMinusA, e.pMinusB, e.pMinusC}) {
        w.length(length);
    }
    for (const AngleElements& angle : e.angles) {
        w.ratio(angle.tanHalf);
        w.angle(angle.halfDegrees);
        w.angle(angle.halfGon);
        w.ratio(angle.half);
        w.angle(angle.degrees);
        w.angle(angle.gon);
        w.ratio(angle.radians);
        w.whole(angle.carried.degrees);
        w.whole(angle.carried.minutes);
        w.whole(angle.carried.seconds);
    }
    w.angle(e.degreesSum);
    w.angle(e.gonSum);
    for (const auto* group : {&e.altitudes, &e.medians, &e.bisectors}) {
        for (const double length : *group) {
            w.length(length);
        }
    }
    w.length(e.inradius);
    w.length(e.circumradius);
    for (const double length : e.exradii) {
        w.length(length);
    }
    w.put(angleKindName(e.angleKind));
    w.put(sidesKindName(e.sidesKind));
    return result;
}

} // namespace zirev1
