// SPDX-License-Identifier: MIT
#include "decimal_squares.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace zirev1 {
namespace {

// A natural number in base 2^32, lowest limb first, without leading zero limbs.
using Natural = std::vector<std::uint32_t>;

Natural natural(std::uint64_t value) {
    Natural n;
    for (; value != 0; value >>= 32) {
        n.push_back(static_cast<std::uint32_t>(value));
    }
    return n;
}

void multiplyBy(Natural& n, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : n) {
        const std::uint64_t current = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(current);
        carry = current >> 32;
    }
    if (carry != 0) {
        n.push_back(static_cast<std::uint32_t>(carry));
    }
}

Natural square(const Natural& n) {
    Natural result(2 * n.size(), 0);
    for (std::size_t i = 0; i < n.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < n.size(); ++j) {
            const std::uint64_t current = std::uint64_t{n[i]} * n[j] + result[i + j] + carry;
            result[i + j] = static_cast<std::uint32_t>(current);
            carry = current >> 32;
        }
        result[i + n.size()] = static_cast<std::uint32_t>(carry);
    }
    while (!result.empty() && result.back() == 0) {
        result.pop_back();
    }
    return result;
}

Natural sum(const Natural& x, const Natural& y) {
    Natural result(std::max(x.size(), y.size()) + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const std::uint64_t current = (i < x.size() ? x[i] : 0) + carry + (i < y.size() ? y[i] : 0);
        result[i] = static_cast<std::uint32_t>(current);
        carry = current >> 32;
    }
    if (result.back() == 0) {
        result.pop_back();
    }
    return result;
}

int compare(const Natural& x, const Natural& y) {
    if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
    }
    for (std::size_t i = x.size(); i-- > 0;) {
        if (x[i] != y[i]) {
            return x[i] < y[i] ? -1 : 1;
        }
    }
    return 0;
}

// Divides in place and returns the remainder.
std::uint32_t divideBy(Natural& n, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = n.size(); i-- > 0;) {
        const std::uint64_t current = (remainder << 32) | n[i];
        n[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    while (!n.empty() && n.back() == 0) {
        n.pop_back();
    }
    return static_cast<std::uint32_t>(remainder);
}

// significand · 10^exponent, with no trailing zero in the significand.
struct Decimal {
    std::uint64_t significand = 0;
    int exponent = 0;
};

constexpr int SIGNIFICANT_DIGITS = 15;

// A positive finite double rounded to 15 significant digits, from its exact decimal expansion,
// half away from zero. Any decimal of at most 15 significant digits lies so close to the double
// it reads as (within 2^-53 of it, relative) that this gives that decimal back.
Decimal roundedToFifteenDigits(double value) {
    int binaryExponent = 0;
    const double fraction = std::frexp(value, &binaryExponent);
    Natural n = natural(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
    int exponent = 0;
    // value = n · 2^shift; a negative power of two is 5^k / 10^k.
    for (int shift = binaryExponent - 53; shift != 0; shift += shift > 0 ? -1 : 1) {
        multiplyBy(n, shift > 0 ? 2 : 5);
        exponent -= shift > 0 ? 0 : 1;
    }
    std::string digits; // lowest first
    while (!n.empty()) {
        digits += static_cast<char>('0' + divideBy(n, 10));
    }
    Decimal d;
    const int dropped = std::max(0, static_cast<int>(digits.size()) - SIGNIFICANT_DIGITS);
    for (std::size_t i = digits.size(); i-- > static_cast<std::size_t>(dropped);) {
        d.significand = d.significand * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    }
    if (dropped > 0 && digits[dropped - 1] >= '5') {
        ++d.significand;
    }
    d.exponent = exponent + dropped;
    while (d.significand % 10 == 0) {
        d.significand /= 10;
        ++d.exponent;
    }
    return d;
}

// The square of d in units of 10^(2 · lowestExponent).
Natural scaledSquare(const Decimal& d, int lowestExponent) {
    Natural n = natural(d.significand);
    for (int i = lowestExponent; i < d.exponent; ++i) {
        multiplyBy(n, 10);
    }
    return square(n);
}

} // namespace

int compareDecimalSquares(double x, double y, double z) {
    const Decimal dx = roundedToFifteenDigits(x);
    const Decimal dy = roundedToFifteenDigits(y);
    const Decimal dz = roundedToFifteenDigits(z);
    const int lowest = std::min({dx.exponent, dy.exponent, dz.exponent});
    return compare(sum(scaledSquare(dx, lowest), scaledSquare(dy, lowest)),
                   scaledSquare(dz, lowest));
}

} // namespace zirev1
