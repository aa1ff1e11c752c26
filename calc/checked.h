// SPDX-License-Identifier: MIT
#pragma once

#include "arithmetic_fault.h"

#include <concepts>
#include <optional>
#include <type_traits>
#include <utility>

namespace zirev1 {

// A result of the calculation, or the arithmetic fault that ended it before the result existed.
// Faults travel as values, not exceptions, so the calculation builds for targets without them.
//
//   Checked<double> side = readSideLength("3");    // *side == 3
//   Checked<double> huge = readSideLength("1" + std::string(400, '0'));
//                                                   // huge.faulted(), huge.fault() == Overflow
template <typename T> class Checked {
public:
    template <typename U>
    requires std::constructible_from<T, U&&> &&
        (!std::same_as<std::remove_cvref_t<U>, FaultKind>)Checked(U&& value)
        : m_value(std::in_place, std::forward<U>(value)) {}
    Checked(FaultKind fault) : m_fault(fault) {}

    bool faulted() const { return !m_value.has_value(); }
    // Only when faulted().
    FaultKind fault() const { return m_fault; }
    // Only when not faulted().
    const T& operator*() const { return *m_value; }
    const T* operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    FaultKind m_fault = FaultKind::Overflow;
};

} // namespace zirev1
