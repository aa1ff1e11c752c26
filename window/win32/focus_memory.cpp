// SPDX-License-Identifier: MIT
#include "focus_memory.h"

namespace zirev1 {

bool keepFocusAcrossActivation(HWND window, WPARAM activation, HWND& remembered) {
    if (LOWORD(activation) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) {
            remembered = focus;
        }
        return false;
    }
    if (remembered != nullptr && IsWindow(remembered) && IsChild(window, remembered) &&
        HIWORD(activation) == 0) {
        SetFocus(remembered);
        return true;
    }
    return false;
}

} // namespace zirev1
