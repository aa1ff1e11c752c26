// SPDX-License-Identifier: MIT
#include "decimal_rounding.h"

#include "whole_number_digits.h"

#include <cmath>

namespace zirev1 {
namespace {

// A product of at most 73 bits held in two 64-bit words, with the bits the rounding needs.
struct Product73 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    // a * b for a < 2^53 and b < 2^20, from 32-bit halves so that nothing overflows.
    static Product73 of(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t upper = (a >> 32) * b;         // < 2^41
        const std::uint64_t lower = (a & 0xffffffffu) * b; // < 2^52
        Product73 p;
        p.low = (upper << 32) + lower;
        p.high = (upper >> 32) + (p.low < lower ? 1 : 0);
        return p;
    }
    // The bits from `shift` up, for 53 <= shift <= 125, where they fit in 64 bits.
    std::uint64_t shiftedRight(int shift) const {
        return shift >= 64 ? high >> (shift - 64) : (low >> shift) | (high << (64 - shift));
    }
    bool bit(int index) const {
        return ((index >= 64 ? high >> (index - 64) : low >> index) & 1) != 0;
    }
};

std::uint64_t powerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

} // namespace

// The fraction f = F / 2^k is exact in binary, so F * 10^n / 2^k is computed exactly in integers
// and rounded by its remainder: half or more (the bit below the cut set) rounds up, which makes
// an exact tie (0.0078125 is 1/128) round away from zero and a near-tie go by the side of the tie
// it really lies on. Below 2^-21 (< 0.0000005) everything rounds to 0; from 2^64 up there is no
// fraction.
RoundedDecimal roundToDecimals(double magnitude, int decimals) {
    if (magnitude >= 0x1p64) {
        return {wholeNumberDigits(magnitude), 0};
    }
    if (magnitude < 0x1p-21) {
        return {wholeNumberDigits(0), 0};
    }
    const double whole = std::floor(magnitude);
    const double fraction = magnitude - whole; // exact
    auto integer = static_cast<std::uint64_t>(whole);
    std::uint64_t rounded = 0;
    if (fraction != 0) {
        const std::uint64_t unit = powerOfTen(decimals);
        int exponent = 0;
        const double mantissa = std::frexp(fraction, &exponent); // fraction = mantissa * 2^exponent
        const auto significand = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
        const int shift = 53 - exponent; // 53..125: the fraction is at least 2^-73
        const Product73 scaled = Product73::of(significand, unit);
        rounded = scaled.shiftedRight(shift);
        if (scaled.bit(shift - 1)) {
            ++rounded;
        }
        if (rounded == unit) {
            rounded = 0;
            ++integer; // cannot wrap: a value with a fraction is below 2^53
        }
    }
    return {wholeNumberDigits(static_cast<double>(integer)), rounded};
}

} // namespace zirev1
