// SPDX-License-Identifier: MIT
#pragma once

#include "arithmetic_fault.h"

#include <string_view>

namespace zirev1 {

// The box that reports an arithmetic fault: titled like the window, it names the fault
// (faultName: "Overflow", "Divisione per zero") and says in a line what it means for the sides.
inline constexpr std::string_view FAULT_BOX_TITLE = "zirev1.";
inline constexpr std::string_view FAULT_BOX_BUTTON = "OK";

// The box's parts by role, with the ids by which a front end that names its parts (the page)
// names them.
struct FaultBoxIds {
    std::string_view box, title, name, explanation, button;
};
inline constexpr FaultBoxIds FAULT_BOX_IDS{"faultBox", "faultTitle", "faultName",
                                           "faultExplanation", "faultOk"};

constexpr std::string_view faultExplanation(FaultKind fault) {
    return fault == FaultKind::Overflow ? "Un lato, o un risultato intermedio, è troppo grande."
                                        : "I lati sono troppo piccoli per il calcolo.";
}

inline constexpr FaultKind ALL_FAULTS[] = {FaultKind::Overflow, FaultKind::DivisionByZero};

} // namespace zirev1
