#include "result_texts.h"

#include "angle_dms.h"
#include "format_measure.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zirev1 {
namespace {

// Degrees and minutes are whole doubles, written with no grouping or decimal separator; through an
// integer when they fit one, which is much faster than formatting the double.
std::string wholeNumberText(double wholeValue) {
    std::array<char, 330> buffer;
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    if (std::fabs(wholeValue) < 0x1p62) {
        return std::string(first,
                           std::to_chars(first, last, static_cast<long long>(wholeValue)).ptr);
    }
    return std::string(first,
                       std::to_chars(first, last, wholeValue, std::chars_format::fixed, 0).ptr);
}

void putAngle(std::string* out, double radians) {
    const AngleDms dms = splitAngle(radians);
    out[0] = wholeNumberText(dms.degrees);
    out[1] = wholeNumberText(dms.minutes);
    out[2] = std::to_string(dms.seconds);
}

} // namespace

ResultTexts makeResultTexts(const TriangleSolution& solution, std::string_view decimalSeparator) {
    ResultTexts result;
    auto& t = result.texts;
    putAngle(&t[0], solution.alpha);
    putAngle(&t[3], solution.beta);
    putAngle(&t[6], solution.gamma);
    t[9] = formatMeasure(solution.altitude, decimalSeparator);
    t[10] = formatMeasure(solution.area, decimalSeparator);
    t[11] = formatMeasure(solution.perimeter, decimalSeparator);
    return result;
}

} // namespace zirev1
