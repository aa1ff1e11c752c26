// SPDX-License-Identifier: MIT
#include "format_measure.h"

#include "whole_number_digits.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace zirev1 {
namespace {

constexpr std::uint64_t MILLION = 1'000'000;

// A magnitude split into its whole part and its fraction rounded to millionths, exactly.
struct Rounded {
    std::uint64_t whole = 0;
    std::uint64_t millionths = 0;
};

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

// The fraction f = F / 2^k is exact in binary, so F * 10^6 / 2^k is computed exactly in integers
// and rounded by its remainder: half or more (the bit below the cut set) rounds up, which makes
// an exact tie (0.0078125 is 1/128) round away from zero and a near-tie go by the side of the tie
// it really lies on. Requires 2^-21 <= magnitude < 2^64: below, everything rounds to 0; above,
// there is no fraction.
Rounded roundToMillionths(double magnitude) {
    Rounded r;
    const double whole = std::floor(magnitude);
    r.whole = static_cast<std::uint64_t>(whole);
    const double fraction = magnitude - whole; // exact
    if (fraction == 0) {
        return r;
    }
    int exponent = 0;
    const double mantissa = std::frexp(fraction, &exponent); // fraction = mantissa * 2^exponent
    const auto significand = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int shift = 53 - exponent; // 53..125: the fraction is at least 2^-73
    const Product73 scaled = Product73::of(significand, MILLION);
    r.millionths = scaled.shiftedRight(shift);
    if (scaled.bit(shift - 1)) {
        ++r.millionths;
    }
    if (r.millionths == MILLION) {
        r.millionths = 0;
        ++r.whole; // cannot wrap: a value with a fraction is below 2^53
    }
    return r;
}

} // namespace

std::string formatMeasure(double value, std::string_view decimalSeparator) {
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude)) { // never a measure
        std::string name = std::isnan(value) ? "nan" : "inf";
        if (std::signbit(value)) {
            name.insert(name.begin(), '-');
        }
        return name;
    }
    Rounded rounded;
    std::string integerDigits;
    if (magnitude >= 0x1p64) {
        // No fraction up here: every digit of the double, exactly.
        integerDigits = wholeNumberDigits(magnitude);
    } else {
        if (magnitude >= 0x1p-21) { // below 2^-21 (< 0.0000005) everything rounds to 0
            rounded = roundToMillionths(magnitude);
        }
        integerDigits = wholeNumberDigits(static_cast<double>(rounded.whole));
    }

    std::string text;
    text.reserve(integerDigits.size() + decimalSeparator.size() + 8);
    if (std::signbit(value) &&
        (rounded.whole != 0 || rounded.millionths != 0 || magnitude >= 0x1p64)) {
        text += '-'; // never "-0."
    }
    text += integerDigits;
    text += decimalSeparator;
    if (rounded.millionths != 0) {
        std::array<char, 6> decimals;
        std::uint64_t rest = rounded.millionths;
        for (auto it = decimals.rbegin(); it != decimals.rend(); ++it) {
            *it = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        std::size_t kept = decimals.size();
        while (decimals[kept - 1] == '0') {
            --kept;
        }
        text.append(decimals.data(), kept);
    }
    return text;
}

} // namespace zirev1
