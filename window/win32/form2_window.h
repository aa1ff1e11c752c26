// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace zirev1 {

// The window classes of Form2 and of its working, by which the window tests find them.
inline constexpr wchar_t FORM2_WINDOW_CLASS[] = L"zirev1.Form2";
inline constexpr wchar_t WORKING_WINDOW_CLASS[] = L"zirev1.Working";

// Creates Form2 from the form's description, maximized with the focus on Calcolo, and runs its
// messages until it is closed; returns the exit code.
int runForm2(HINSTANCE instance, int show);

} // namespace zirev1
