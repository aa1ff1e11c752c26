// SPDX-License-Identifier: MIT
// zirev1.exe: the window.

#include "form2_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    return zirev1::runForm2(instance, show);
}
