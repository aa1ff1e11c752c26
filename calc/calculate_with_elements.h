// SPDX-License-Identifier: MIT
#pragma once

#include "element_texts.h"
#include "result_texts.h"

#include <optional>
#include <string_view>

namespace zirev1 {

// The twelve texts the window shows and, after them, every element.
struct TextsWithElements {
    ResultTexts results;
    ElementTexts elements;
};

// calculateFromTexts with the elements too: the same stops for b = 0 and for sides that make no
// triangle, and the same faults, and besides them the faults of the elements (a zero area, for
// sides of about 1e-81 and less). A fault leaves no text at all, not even the twelve.
//
//   calculateWithElements("3", "4", "5", ".") -> the twelve; "6." "3." "2." "1." ...
Checked<std::optional<TextsWithElements>> calculateWithElements(std::string_view textA,
                                                                std::string_view textB,
                                                                std::string_view textC,
                                                                std::string_view decimalSeparator);

} // namespace zirev1
