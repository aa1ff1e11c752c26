// SPDX-License-Identifier: MIT
#include "arithmetic_fault.h"

namespace zirev1 {

std::string_view faultName(FaultKind kind) noexcept {
    switch (kind) {
    case FaultKind::Overflow:
        return "Overflow";
    case FaultKind::DivisionByZero:
        return "Divisione per zero";
    }
    return "Overflow";
}

} // namespace zirev1
