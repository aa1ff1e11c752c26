// SPDX-License-Identifier: MIT
#include "zirev1_calculate.h"

#include "calculate_from_texts.h"
#include "lines_out.h"

#include <string_view>

int zirev1_calculate(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                     size_t cLength, const char* decimalSeparator, size_t separatorLength,
                     char* out, size_t outCapacity, size_t* outLength) {
    *outLength = 0;
    const auto result = zirev1::calculateFromTexts({a, aLength}, {b, bLength}, {c, cLength},
                                                   {decimalSeparator, separatorLength});
    if (result.faulted()) {
        return zirev1::faultOutcome(result.fault());
    }
    if (!*result) {
        return ZIREV1_NO_TRIANGLE;
    }
    return zirev1::writeLines({(*result)->texts}, out, outCapacity, outLength);
}
