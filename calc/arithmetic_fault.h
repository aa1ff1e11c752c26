// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zirev1 {

// The two arithmetic faults that end a calculation before any result exists.
enum class FaultKind { Overflow, DivisionByZero };

// The fault's Italian name as shown to the user: "Overflow" or "Divisione per zero".
std::string_view faultName(FaultKind kind) noexcept;

} // namespace zirev1
