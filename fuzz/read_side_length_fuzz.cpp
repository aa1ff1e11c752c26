// SPDX-License-Identifier: MIT
// Property: the side read from any text is the correctly rounded value of its leading number,
// or an overflow exactly when that number lies beyond the double range.

#include "arithmetic_fault.h"
#include "read_side_length.h"
#include "reference_reading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double expected = zirev1::fuzz::referenceValue(text);
    const bool beyondRange = std::isinf(expected);
    const zirev1::Checked<double> read = zirev1::readSideLength(text);
    if (read.faulted()) {
        if (!beyondRange || read.fault() != zirev1::FaultKind::Overflow) {
            std::abort();
        }
        return 0;
    }
    const double value = *read;
    if (beyondRange || std::memcmp(&value, &expected, sizeof value) != 0) {
        // -0 and +0 differ here on purpose: the sign is read too.
        if (!(value == 0 && expected == 0 && std::signbit(value) == std::signbit(expected))) {
            std::abort();
        }
    }
    return 0;
}
