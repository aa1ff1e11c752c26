// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zirev1 {

// The form's behaviour as JSON, for the page's driver: its scenarios, each step with its act,
// its target's role ("a", "b", "c", "calculate") and its text, and the known deviations.
std::string behaviourJson();

} // namespace zirev1
