// SPDX-License-Identifier: MIT
#include "zirev1_elements.h"

#include "calculate_with_elements.h"

#include <cstring>
#include <string_view>

namespace {

// Each text followed by a line feed, as many as fit; the total length needed either way.
template <typename Texts>
void putLines(const Texts& texts, char*& out, size_t& needed, size_t capacity) {
    for (const std::string& text : texts) {
        needed += text.size() + 1;
        if (needed <= capacity) {
            std::memcpy(out, text.data(), text.size());
            out += text.size();
            *out++ = '\n';
        }
    }
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
    size_t needed = 0;
    putLines((*result)->results.texts, out, needed, outCapacity);
    putLines((*result)->elements.texts, out, needed, outCapacity);
    *outLength = needed;
    return needed > outCapacity ? ZIREV1_OUT_TOO_SMALL : ZIREV1_RESULTS;
}
