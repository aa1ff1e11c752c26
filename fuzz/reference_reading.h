// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

namespace zirev1::fuzz {

// The leading number of a field's text as the reading rule describes it, rebuilt independently
// of the code under test: blanks, tabs and line feeds dropped, then a sign, digits and one point.
// Empty when no digit was read.
inline std::string leadingNumber(std::string_view text) {
    std::string number;
    bool point = false;
    bool digits = false;
    for (const char ch : text) {
        if (ch == ' ' || ch == '\t' || ch == '\n') {
            continue;
        }
        if ((ch == '+' || ch == '-') && number.empty()) {
            number += ch;
        } else if (ch >= '0' && ch <= '9') {
            number += ch;
            digits = true;
        } else if (ch == '.' && !point) {
            number += ch;
            point = true;
        } else {
            break;
        }
    }
    return digits ? number : std::string();
}

// The value a text means: glibc's correctly rounded strtod on its leading number (the process
// keeps the "C" locale, so the point is the decimal point); infinite when beyond range.
inline double referenceValue(std::string_view text) {
    const std::string number = leadingNumber(text);
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

} // namespace zirev1::fuzz
