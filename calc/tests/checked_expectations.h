// SPDX-License-Identifier: MIT
#pragma once

#include "checked.h"

#include <gtest/gtest.h>

#include <optional>

namespace zirev1::testing {

// The fault a result ended in, or nothing.
template <typename T> std::optional<FaultKind> faultOf(const Checked<T>& result) {
    return result.faulted() ? std::optional<FaultKind>(result.fault()) : std::nullopt;
}

// The value of a result that must not have faulted; a fault fails the test.
template <typename T> T valueOf(const Checked<T>& result) {
    if (result.faulted()) {
        ADD_FAILURE() << "unexpected fault " << static_cast<int>(result.fault());
        return T{};
    }
    return *result;
}

} // namespace zirev1::testing
