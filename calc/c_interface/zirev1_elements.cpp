// SPDX-License-Identifier: MIT
#include "zirev1_elements.h"

#include "calculate_with_elements.h"

#include <cstring>
#include <string>

namespace {

template <typename Texts> size_t linesLength(const Texts& texts) {
    size_t length = 0;
    for (const std::string& text : texts) {
        length += text.size() + 1;
    }
    return length;
}

template <typename Texts> char* putLines(const Texts& texts, char* out) {
    for (const std::string& text : texts) {
        std::memcpy(out, text.data(), text.size());
        out += text.size();
        *out++ = '\n';
    }
    return out;
}

} // namespace

int zirev1_elements(const char* a, size_t aLength, const char* b, size_t bLength, const char* c,
                    size_t cLength, const char* decimalSeparator, size_t separatorLength, char* out,
                    size_t outCapacity, size_t* outLength) {
    *outLength = 0;
    const auto result = zirev1::calculateWithElements({a, aLength}, {b, bLength}, {c, cLength},
                                                      {decimalSeparator, separatorLength});
    if (result.faulted()) {
        return result.fault() == zirev1::FaultKind::Overflow ? ZIREV1_OVERFLOW
                                                             : ZIREV1_DIVISION_BY_ZERO;
    }
    if (!*result) {
        return ZIREV1_NO_TRIANGLE;
    }
    const auto& texts = **result;
    *outLength = linesLength(texts.results.texts) + linesLength(texts.elements.texts);
    if (*outLength > outCapacity) {
        return ZIREV1_OUT_TOO_SMALL;
    }
    putLines(texts.elements.texts, putLines(texts.results.texts, out));
    return ZIREV1_RESULTS;
}
