// SPDX-License-Identifier: MIT
#pragma once

#include "arithmetic_fault.h"
#include "zirev1_calculate.h"

#include <cstring>
#include <initializer_list>
#include <span>
#include <string>

namespace zirev1 {

// What the C entries return for a fault.
constexpr int faultOutcome(FaultKind fault) {
    return fault == FaultKind::Overflow ? ZIREV1_OVERFLOW : ZIREV1_DIVISION_BY_ZERO;
}

// The texts of every group, each followed by a line feed, into out: ZIREV1_RESULTS, or
// ZIREV1_OUT_TOO_SMALL when they do not fit; *outLength says how many bytes they take.
inline int writeLines(std::initializer_list<std::span<const std::string>> groups, char* out,
                      size_t outCapacity, size_t* outLength) {
    size_t needed = 0;
    for (const auto group : groups) {
        for (const std::string& text : group) {
            needed += text.size() + 1;
        }
    }
    *outLength = needed;
    if (needed > outCapacity) {
        return ZIREV1_OUT_TOO_SMALL;
    }
    for (const auto group : groups) {
        for (const std::string& text : group) {
            std::memcpy(out, text.data(), text.size());
            out += text.size();
            *out++ = '\n';
        }
    }
    return ZIREV1_RESULTS;
}

} // namespace zirev1
