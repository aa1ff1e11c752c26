// SPDX-License-Identifier: MIT
#pragma once

#include "element_texts.h"
#include "input_report.h"
#include "result_texts.h"

#include <array>
#include <optional>
#include <string_view>

namespace zirev1 {

// Everything one press of Calcolo gives the window: the twelve texts as calculateFromTexts gives
// them, the elements for the working, and what to say about the sides.
struct WindowCalculation {
    std::optional<ResultTexts> results;   // nothing: the labels keep what they show
    std::optional<ElementTexts> elements; // with the results, unless the elements fault (a zero
                                          // area, for sides of about 1e-81 and less)
    std::array<double, 3> sides{};        // as read, with the results
    InputReport report;
};

// calculateFromTexts's stops and faults, and nothing else: a fault of the elements alone leaves
// the twelve texts standing and the elements out.
//
//   calculateForWindow("3", "4", "9", ",") -> no results; report NoTriangle, p − c = −1
Checked<WindowCalculation> calculateForWindow(std::string_view textA, std::string_view textB,
                                              std::string_view textC,
                                              std::string_view decimalSeparator);

} // namespace zirev1
