// SPDX-License-Identifier: MIT
#include "zirev1_elements.h"

#include "calculate_with_elements.h"
#include "lines_out.h"

int zirev1_elements(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                    size_t cLength, const char* decimalSeparator, size_t separatorLength, char* out,
                    size_t outCapacity, size_t* outLength) {
    *outLength = 0;
    const auto result = zirev1::calculateWithElements({a, aLength}, {b, bLength}, {c, cLength},
                                                      {decimalSeparator, separatorLength});
    if (result.faulted()) {
        return zirev1::faultOutcome(result.fault());
    }
    if (!*result) {
        return ZIREV1_NO_TRIANGLE;
    }
    return zirev1::writeLines({(**result).results.texts, (**result).elements.texts}, out,
                              outCapacity, outLength);
}
