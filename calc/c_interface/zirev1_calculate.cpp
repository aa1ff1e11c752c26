// SPDX-License-Identifier: MIT
#include "zirev1_calculate.h"

#include "calculate_from_texts.h"

#include <cstring>
#include <string_view>

int zirev1_calculate(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                     size_t cLength, const char* decimalSeparator, size_t separatorLength,
                     char* out, size_t outCapacity, size_t* outLength) {
    *outLength = 0;
    const auto result = zirev1::calculateFromTexts({a, aLength}, {b, bLength}, {c, cLength},
                                                   {decimalSeparator, separatorLength});
    if (result.faulted()) {
        return result.fault() == zirev1::FaultKind::Overflow ? ZIREV1_OVERFLOW
                                                             : ZIREV1_DIVISION_BY_ZERO;
    }
    if (!*result) {
        return ZIREV1_NO_TRIANGLE;
    }
    size_t needed = 0;
    for (const std::string& text : (*result)->texts) {
        needed += text.size() + 1;
    }
    *outLength = needed;
    if (needed > outCapacity) {
        return ZIREV1_OUT_TOO_SMALL;
    }
    for (const std::string& text : (*result)->texts) {
        std::memcpy(out, text.data(), text.size());
        out += text.size();
        *out++ = '\n';
    }
    return ZIREV1_RESULTS;
}
