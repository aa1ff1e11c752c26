// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zirev1 {

// The decimal separator of the user's locale, chosen as the C library chooses it (LC_ALL, then
// LC_NUMERIC, then LANG); "." when that locale is not installed. Leaves the C locale in force.
std::string userDecimalSeparator();

} // namespace zirev1
