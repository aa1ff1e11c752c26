// Property: the side read from any text is the correctly rounded value of its leading number,
// or an overflow exactly when that number lies beyond the double range.

#include "arithmetic_fault.h"
#include "read_side_length.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The leading number as the rule describes it, rebuilt independently: ignored characters
// dropped, then a sign, digits and one point.
std::string leadingNumber(std::string_view text) {
    std::string number;
    bool point = false;
    bool digits = false;
    for (const char ch : text) {
        if (ch == ' ' || ch == '\t' || ch == '\n') {
            continue;
        }
        if ((ch == '+' || ch == '-') && number.empty()) {
            number += ch;
        } else if (ch >= '0' && ch <= '9') {
            number += ch;
            digits = true;
        } else if (ch == '.' && !point) {
            number += ch;
            point = true;
        } else {
            break;
        }
    }
    return digits ? number : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string number = leadingNumber(text);
    // glibc's strtod is correctly rounded; the "C" locale of this process reads the point.
    errno = 0;
    const double expected = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
    const bool beyondRange = std::isinf(expected);
    try {
        const double value = zirev1::readSideLength(text);
        if (beyondRange || std::memcmp(&value, &expected, sizeof value) != 0) {
            // -0 and +0 differ here on purpose: the sign is read too.
            if (!(value == 0 && expected == 0 && std::signbit(value) == std::signbit(expected))) {
                std::abort();
            }
        }
    } catch (const zirev1::ArithmeticFault& fault) {
        if (!beyondRange || fault.kind() != zirev1::FaultKind::Overflow) {
            std::abort();
        }
    }
    return 0;
}
