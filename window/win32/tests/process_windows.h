// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace zirev1 {

// The top-level windows of a class, shown or hidden, of one process; of any process for 0.
std::vector<HWND> windowsOfClass(DWORD processId, std::wstring_view className);

} // namespace zirev1
