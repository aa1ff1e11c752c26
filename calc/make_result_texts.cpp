// SPDX-License-Identifier: MIT
#include "result_texts.h"

#include "angle_dms.h"
#include "format_measure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

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

// Writes the angle's three texts, or returns the fault that splitting it met.
std::optional<FaultKind> putAngle(std::string* out, double radians) {
    const Checked<AngleDms> dms = splitAngle(radians);
    if (dms.faulted()) {
        return dms.fault();
    }
    out[0] = wholeNumberText(dms->degrees);
    out[1] = wholeNumberText(dms->minutes);
    out[2] = std::to_string(dms->seconds);
    return std::nullopt;
}

} // namespace

Checked<ResultTexts> makeResultTexts(const TriangleSolution& solution,
                                     std::string_view decimalSeparator) {
    ResultTexts result;
    auto& t = result.texts;
    const double angles[] = {solution.alpha, solution.beta, solution.gamma};
    for (int i = 0; i < 3; ++i) {
        if (const auto fault = putAngle(&t[3 * i], angles[i])) {
            return *fault;
        }
    }
    t[9] = formatMeasure(solution.altitude, decimalSeparator);
    t[10] = formatMeasure(solution.area, decimalSeparator);
    t[11] = formatMeasure(solution.perimeter, decimalSeparator);
    return result;
}

} // namespace zirev1
