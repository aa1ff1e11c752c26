#include "calculate_from_texts.h"

#include "read_side_length.h"

namespace zirev1 {

std::optional<ResultTexts> calculateFromTexts(std::string_view textA, std::string_view textB,
                                              std::string_view textC,
                                              std::string_view decimalSeparator) {
    const double a = readSideLength(textA);
    const double b = readSideLength(textB);
    if (b == 0) {
        return std::nullopt;
    }
    const double c = readSideLength(textC);
    const auto solution = solveTriangle(a, b, c);
    if (!solution) {
        return std::nullopt;
    }
    return makeResultTexts(*solution, decimalSeparator);
}

} // namespace zirev1
