// SPDX-License-Identifier: MIT
#include "calculate_for_window.h"

#include "calculate_from_texts.h"

namespace zirev1 {

Checked<WindowCalculation> calculateForWindow(std::string_view textA, std::string_view textB,
                                              std::string_view textC,
                                              std::string_view decimalSeparator) {
    const auto solution = solveFromTexts(textA, textB, textC);
    if (solution.faulted()) {
        return solution.fault();
    }
    WindowCalculation calculation;
    if (*solution) {
        const TriangleSolution& solved = **solution;
        const Checked<ResultTexts> results = makeResultTexts(solved, decimalSeparator);
        if (results.faulted()) {
            return results.fault();
        }
        calculation.results = *results;
        calculation.sides = {solved.a, solved.b, solved.c};
        const Checked<TriangleElements> elements = triangleElements(solved);
        if (!elements.faulted()) {
            calculation.elements = makeElementTexts(*elements, decimalSeparator);
        }
    }
    // The texts were read once already without a fault, so reading them again cannot fault.
    const Checked<InputReport> report =
        inputReport(textA, textB, textC, calculation.results.has_value());
    if (!report.faulted()) {
        calculation.report = *report;
    }
    return calculation;
}

} // namespace zirev1
