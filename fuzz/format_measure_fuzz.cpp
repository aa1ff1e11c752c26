// SPDX-License-Identifier: MIT
// Properties of formatMeasure on any non-negative finite double: the pattern "0.######" (digits,
// the separator, at most six decimals and no trailing zero), and the exact rounding to six
// decimals with ties away from zero, checked against the double's full decimal expansion.

#include "format_measure.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Rounds the exact expansion (glibc prints every digit of a double) at the sixth decimal: the
// seventh digit and any digit after it decide, 5 and more rounds up, so an exact tie rounds away.
std::string reference(double value) {
    static char buffer[1500];
    std::snprintf(buffer, sizeof buffer, "%.1080f", value);
    std::string digits(buffer);
    const auto point = digits.find('.');
    const bool up = digits[point + 7] >= '5';
    digits.resize(point + 7);
    if (up) {
        for (auto i = digits.size(); i-- > 0;) {
            if (digits[i] == '.') {
                continue;
            }
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
            }
        }
    }
    while (digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(double)) {
        return -1;
    }
    double value;
    std::memcpy(&value, data, sizeof value);
    value = std::fabs(value);
    if (!std::isfinite(value)) {
        return -1;
    }
    const std::string text = zirev1::formatMeasure(value, ".");
    require(text == reference(value));
    const auto point = text.find('.');
    require(point != std::string::npos && point > 0 && text.size() - point - 1 <= 6);
    // Read back, it lies within half a unit of the sixth decimal (and its own rounding).
    const double back = std::strtod(text.c_str(), nullptr);
    require(std::fabs(back - value) <= 5e-7 + std::fabs(value) * 1e-15);
    require(zirev1::formatMeasure(value, ",") ==
            text.substr(0, point) + "," + text.substr(point + 1));
    return 0;
}
