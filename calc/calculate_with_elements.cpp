// SPDX-License-Identifier: MIT
#include "calculate_with_elements.h"

#include "calculate_from_texts.h"

namespace zirev1 {

Checked<std::optional<TextsWithElements>> calculateWithElements(std::string_view textA,
                                                                std::string_view textB,
                                                                std::string_view textC,
                                                                std::string_view decimalSeparator) {
    const auto solution = solveFromTexts(textA, textB, textC);
    if (solution.faulted()) {
        return solution.fault();
    }
    if (!*solution) {
        return std::nullopt;
    }
    const Checked<ResultTexts> results = makeResultTexts(**solution, decimalSeparator);
    if (results.faulted()) {
        return results.fault();
    }
    const Checked<TriangleElements> elements = triangleElements(**solution);
    if (elements.faulted()) {
        return elements.fault();
    }
    return TextsWithElements{*results, makeElementTexts(*elements, decimalSeparator)};
}

} // namespace zirev1
