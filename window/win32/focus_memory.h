// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace zirev1 {

// A top-level window that is not a dialog box keeps its focused control itself: remembered as
// the window is left, given back as it is activated again (from the other window, or from another
// program). Call from WM_ACTIVATE; true when the focus has been given back.
bool keepFocusAcrossActivation(HWND window, WPARAM activation, HWND& remembered);

} // namespace zirev1
