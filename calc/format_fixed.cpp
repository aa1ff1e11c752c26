// SPDX-License-Identifier: MIT
#include "format_fixed.h"

#include "decimal_rounding.h"

#include <cmath>

namespace zirev1 {

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator) {
    const RoundedDecimal rounded = roundToDecimals(std::fabs(value), decimals);
    std::string text;
    if (std::signbit(value) && (rounded.integerDigits != "0" || rounded.fraction != 0)) {
        text += '-';
    }
    text += rounded.integerDigits;
    if (decimals > 0) {
        text += decimalSeparator;
        std::string digits(static_cast<std::size_t>(decimals), '0');
        std::uint64_t rest = rounded.fraction;
        for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
            *it = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        text += digits;
    }
    return text;
}

} // namespace zirev1
