// SPDX-License-Identifier: MIT
#pragma once

#include "form2_page.h"

#include <string>
#include <vector>

namespace zirev1 {

// Stampa on the working opens the print dialog, and Escape closes it and whatever box it opened
// (Wine's, where no printer is installed), without the window saying printing failed; the
// working is then still shown, answering and taking input, and no box is left.
// Opens the working for 3, 4, 5 if it is not open. Returns what failed.
std::vector<std::string> checkPrintCancelled(const Form2Page& page);

// zirev1.exe with `shim` loaded, whose print dialog fails at once: Stampa and Salva come PDF each
// say so in a box the working owns, titled like it, and OK leaves the working going. Returns what
// failed.
std::vector<std::string> checkPrintFailure(const std::wstring& program, const std::wstring& shim);

} // namespace zirev1
