// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zirev1 {

// zirev1.exe told that high contrast has come on, under a black, white and cyan scheme: its
// ground, a blue caption, the fields and the pictures must show only the scheme's colours. The
// system's colours are restored after. Saves the screen to `screenshot` (a BMP) unless empty.
// Returns the number of failed checks.
int checkHighContrast(const std::wstring& program, const std::wstring& shim,
                      const std::wstring& screenshot);

} // namespace zirev1
