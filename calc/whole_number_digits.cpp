// SPDX-License-Identifier: MIT
#include "whole_number_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zirev1 {

std::string wholeNumberDigits(double wholeValue) {
    const double magnitude = std::fabs(wholeValue);
    std::array<char, 330> buffer; // 309 digits and room to spare
    char* const last = buffer.data() + buffer.size();
    if (magnitude < 0x1p64) {
        const auto integer = static_cast<std::uint64_t>(magnitude);
        return std::string(buffer.data(), std::to_chars(buffer.data(), last, integer).ptr);
    }
    // magnitude = significand * 2^shift exactly; the integer goes into 32-bit limbs, lowest
    // first, and comes out in base 10^9 by repeated division.
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = exponent - 53;       // >= 11 here
    std::array<std::uint32_t, 34> limbs{}; // 1024 bits and one more limb
    const int limbShift = shift / 32;
    const int bitShift = shift % 32;
    const std::uint64_t low = significand << bitShift; // the top bits spill into `high`
    const std::uint64_t high = bitShift == 0 ? 0 : significand >> (64 - bitShift);
    limbs[limbShift] = static_cast<std::uint32_t>(low);
    limbs[limbShift + 1] = static_cast<std::uint32_t>(low >> 32);
    limbs[limbShift + 2] = static_cast<std::uint32_t>(high);
    int used = limbShift + 3;

    char* first = last;
    while (used > 0) {
        std::uint64_t remainder = 0;
        for (int i = used - 1; i >= 0; --i) {
            const std::uint64_t current = (remainder << 32) | limbs[i];
            limbs[i] = static_cast<std::uint32_t>(current / 1'000'000'000);
            remainder = current % 1'000'000'000;
        }
        while (used > 0 && limbs[used - 1] == 0) {
            --used;
        }
        // Nine digits per step, zero-padded except for the leading group.
        for (int digit = 0; digit < 9 && (used > 0 || remainder != 0); ++digit) {
            *--first = static_cast<char>('0' + remainder % 10);
            remainder /= 10;
        }
    }
    return std::string(first, last);
}

} // namespace zirev1
