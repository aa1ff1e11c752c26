// SPDX-License-Identifier: MIT
#include "read_side_length.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

// The standard library's from_chars for double where it has one; fast_float, which is what the
// standard libraries build theirs on, where it has none (libc++ 14). Both round correctly and
// ignore the locale.
#if defined(__cpp_lib_to_chars)
namespace number_reading = std;
#else
#include <fast_float/fast_float.h>
namespace number_reading = fast_float;
#endif

namespace zirev1 {
namespace {

bool isIgnored(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

Checked<SideReading> readSide(std::string_view text) {
    // Gather the leading number without the ignored characters, so that from_chars, which is
    // locale-independent and correctly rounded, sees it whole.
    std::string number;
    bool negative = false;
    bool signSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    bool integerPartNonZero = false;
    bool whole = true;
    for (const char ch : text) {
        if (isIgnored(ch)) {
            continue;
        }
        if ((ch == '+' || ch == '-') && !signSeen && number.empty()) {
            signSeen = true;
            negative = ch == '-';
        } else if (isDigit(ch)) {
            digitSeen = true;
            integerPartNonZero = integerPartNonZero || (!pointSeen && ch != '0');
            number += ch;
        } else if (ch == '.' && !pointSeen) {
            pointSeen = true;
            number += ch;
        } else {
            whole = false;
            break;
        }
    }
    if (!digitSeen) {
        return SideReading{0, false, whole};
    }

    double value = 0;
    const auto [end, error] = number_reading::from_chars(
        number.data(), number.data() + number.size(), value, number_reading::chars_format::fixed);
    // Out of range is reported as an error by one library and as inf or 0 by the other.
    if (error == std::errc::result_out_of_range || std::isinf(value)) {
        if (integerPartNonZero) {
            return FaultKind::Overflow;
        }
        value = 0; // below the smallest subnormal: rounds to zero
    }
    return SideReading{negative ? -value : value, true, whole};
}

Checked<double> readSideLength(std::string_view text) {
    const Checked<SideReading> reading = readSide(text);
    if (reading.faulted()) {
        return reading.fault();
    }
    return reading->value;
}

} // namespace zirev1
