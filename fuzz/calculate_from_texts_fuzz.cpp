// SPDX-License-Identifier: MIT
// Properties of the whole command on three arbitrary field texts: the twelve texts are
// deterministic and well formed, each angle lies in (0, 180) degrees, and a fault comes only from
// the conditions that raise it.

#include "arithmetic_fault.h"
#include "calculate_from_texts.h"
#include "reference_reading.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool isWhole(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), isDigit)) {
        return false;
    }
    const int value = std::stoi(text);
    return value >= low && value <= high && std::to_string(value) == text;
}

bool isMeasure(const std::string& text) {
    const auto point = text.find('.');
    return point != std::string::npos && point > 0 && text.size() - point - 1 <= 6 &&
           std::all_of(text.begin(), text.begin() + point, isDigit) &&
           std::all_of(text.begin() + point + 1, text.end(), isDigit) && text.back() != '0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string a = provider.ConsumeRandomLengthString(400);
    const std::string b = provider.ConsumeRandomLengthString(400);
    const std::string c = provider.ConsumeRemainingBytesAsString();

    const double sides[] = {zirev1::fuzz::referenceValue(a), zirev1::fuzz::referenceValue(b),
                            zirev1::fuzz::referenceValue(c)};
    const bool cReached = sides[1] != 0 || std::isinf(sides[0]);
    double largest = 0;
    for (int i = 0; i < (cReached ? 3 : 2); ++i) {
        largest = std::max(largest, std::fabs(sides[i]));
    }

    const auto outcome = [&]() -> std::pair<std::optional<zirev1::ResultTexts>, int> {
        const auto checked = zirev1::calculateFromTexts(a, b, c, ".");
        if (checked.faulted()) {
            return {std::nullopt, static_cast<int>(checked.fault())};
        }
        return {*checked, -1};
    };
    const auto [result, fault] = outcome();
    require(outcome() == std::make_pair(result, fault)); // deterministic, faults included
    if (fault == static_cast<int>(zirev1::FaultKind::Overflow)) {
        // Heron's product needs sides near 1e77; a side beyond range is infinite here.
        require(largest > 1e76);
        return 0;
    }
    if (fault == static_cast<int>(zirev1::FaultKind::DivisionByZero)) {
        // p (p - x) underflows to zero only when every side is below about 1e-154.
        require(largest < 1e-150);
        return 0;
    }
    if (!result) {
        return 0;
    }
    const auto& t = result->texts;
    for (int angle = 0; angle < 3; ++angle) {
        require(isWhole(t[3 * angle], 0, 179));
        require(isWhole(t[3 * angle + 1], 0, 59));
        require(isWhole(t[3 * angle + 2], 0, 60));
    }
    for (int i = 9; i < 12; ++i) {
        require(isMeasure(t[i]));
    }
    return 0;
}
