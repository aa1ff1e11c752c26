// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace zirev1 {

// Polls until `found` gives a value that converts to true, or `milliseconds` have passed; returns
// the last value. A bound rather than ctest's timeout, so that a test says what it waited for.
template <typename Found> auto waitFor(Found found, ULONGLONG milliseconds = 10'000) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        auto result = found();
        if (result || GetTickCount64() >= deadline) {
            return result;
        }
        Sleep(2);
    }
}

} // namespace zirev1
