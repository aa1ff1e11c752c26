// SPDX-License-Identifier: MIT
#pragma once

#include "form2_behaviour.h"

#include <string>

namespace zirev1 {

// Runs every scenario of the form's behaviour that holds where the user's decimal separator is
// `separator`, each on a zirev1.exe newly started from `program`, and prints each scenario's name,
// its outcome and every failing step. Returns the number of scenarios that failed.
int runBehaviour(const std::wstring& program, std::string_view separator);

} // namespace zirev1
