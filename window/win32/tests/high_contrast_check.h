// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace zirev1 {

// zirev1.exe told that high contrast has come on, under a black, white and cyan scheme: its
// ground, a blue caption, the fields and the pictures must show only the scheme's colours. The
// system's colours are restored after. Saves the screen to `screenshot` (a BMP) unless empty.
// Returns what failed.
std::vector<std::string> checkHighContrast(const std::wstring& program, const std::wstring& shim,
                                           const std::wstring& screenshot);

} // namespace zirev1
