// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace zirev1 {

// Loads the DLL at `path` into the process that owns `window`, as the process's own thread would;
// true once it has loaded and its DllMain has said yes.
bool loadInto(HWND window, const std::wstring& path);

} // namespace zirev1
