// SPDX-License-Identifier: MIT
#include "calculate_from_texts.h"

#include "read_side_length.h"

namespace zirev1 {

Checked<std::optional<TriangleSolution>>
solveFromTexts(std::string_view textA, std::string_view textB, std::string_view textC) {
    const Checked<double> a = readSideLength(textA);
    if (a.faulted()) {
        return a.fault();
    }
    const Checked<double> b = readSideLength(textB);
    if (b.faulted()) {
        return b.fault();
    }
    if (*b == 0) {
        return std::nullopt;
    }
    const Checked<double> c = readSideLength(textC);
    if (c.faulted()) {
        return c.fault();
    }
    return solveTriangle(*a, *b, *c);
}

Checked<std::optional<ResultTexts>> calculateFromTexts(std::string_view textA,
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
    const Checked<ResultTexts> texts = makeResultTexts(**solution, decimalSeparator);
    if (texts.faulted()) {
        return texts.fault();
    }
    return *texts;
}

} // namespace zirev1
