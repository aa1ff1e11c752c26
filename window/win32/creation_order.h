// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

#include <cstddef>
#include <vector>

namespace zirev1 {

// The order to create a form's controls in, as indices into its stacking. The Win32 dialog
// manager moves the focus through the stacking, top first, and each control made goes to the
// bottom; so the controls are made top first, and the focusable ones together, in Tab order, at
// the place of the topmost of them. They do not overlap one another, so every overlap is still
// stacked as the form describes it.
std::vector<std::size_t> creationOrder(const FormDescription& form);

} // namespace zirev1
