#pragma once

#include <stdexcept>
#include <string_view>

namespace zirev1 {

enum class FaultKind { Overflow, DivisionByZero };

// The one error the calculation raises. It is thrown before any result exists, so a caller that
// catches it has nothing half-written to undo. what() is the Italian name shown to the user.
class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(FaultKind kind);

    FaultKind kind() const noexcept { return m_kind; }

private:
    FaultKind m_kind;
};

// "Overflow" or "Divisione per zero".
std::string_view faultName(FaultKind kind) noexcept;

} // namespace zirev1
