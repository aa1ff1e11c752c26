// SPDX-License-Identifier: MIT
#include "result_texts.h"

#include "angle_dms.h"
#include "format_measure.h"
#include "whole_number_digits.h"

#include <optional>

namespace zirev1 {
namespace {

// Degrees and minutes are whole doubles, written with no grouping or decimal separator.
std::string wholeNumberText(double wholeValue) {
    std::string text = wholeNumberDigits(wholeValue);
    if (wholeValue < 0) {
        text.insert(text.begin(), '-');
    }
    return text;
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
