// SPDX-License-Identifier: MIT
#include "format_measure.h"

#include "decimal_rounding.h"

#include <array>
#include <cmath>

namespace zirev1 {

std::string formatMeasure(double value, std::string_view decimalSeparator) {
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude)) { // never a measure
        std::string name = std::isnan(value) ? "nan" : "inf";
        if (std::signbit(value)) {
            name.insert(name.begin(), '-');
        }
        return name;
    }
    const RoundedDecimal rounded = roundToDecimals(magnitude, 6);

    std::string text;
    text.reserve(rounded.integerDigits.size() + decimalSeparator.size() + 8);
    if (std::signbit(value) && (rounded.integerDigits != "0" || rounded.fraction != 0)) {
        text += '-'; // never "-0."
    }
    text += rounded.integerDigits;
    text += decimalSeparator;
    if (rounded.fraction != 0) {
        std::array<char, 6> decimals;
        std::uint64_t rest = rounded.fraction;
        for (auto it = decimals.rbegin(); it != decimals.rend(); ++it) {
            *it = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        std::size_t kept = decimals.size();
        while (decimals[kept - 1] == '0') {
            --kept;
        }
        text.append(decimals.data(), kept);
    }
    return text;
}

} // namespace zirev1
