#include "arithmetic_fault.h"

#include <string>

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

ArithmeticFault::ArithmeticFault(FaultKind kind)
    : std::runtime_error(std::string(faultName(kind))), m_kind(kind) {}

} // namespace zirev1
