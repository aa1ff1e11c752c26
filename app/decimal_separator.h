// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zirev1 {

// The decimal separator of the user's locale: on Windows, the one of the user's regional
// settings; elsewhere, chosen as the C library chooses it (LC_ALL, then LC_NUMERIC, then LANG),
// and "." when that locale is not installed, leaving the C locale in force.
std::string userDecimalSeparator();

} // namespace zirev1
