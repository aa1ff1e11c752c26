// SPDX-License-Identifier: MIT
#include "decimal_squares.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace zirev1 {
namespace {

// significand · 10^exponent, with no trailing zero in the significand.
struct Decimal {
    std::uint64_t significand = 0;
    int exponent = 0;
};

// The shortest decimal that reads back as the double: what to_chars writes with no precision
// given, as "0.3", "123" or "1.5e-07".
Decimal shortestDecimal(double value) {
    std::array<char, 32> buffer;
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    Decimal d;
    const char* it = buffer.data();
    bool afterPoint = false;
    for (; it != end && *it != 'e'; ++it) {
        if (*it == '.') {
            afterPoint = true;
            continue;
        }
        d.significand = d.significand * 10 + static_cast<std::uint64_t>(*it - '0');
        d.exponent -= afterPoint ? 1 : 0;
    }
    if (it != end) {
        int written = 0;
        std::from_chars(it + (it[1] == '+' ? 2 : 1), end, written);
        d.exponent += written;
    }
    while (d.significand % 10 == 0) {
        d.significand /= 10;
        ++d.exponent;
    }
    return d;
}

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
    const Decimal dx = shortestDecimal(x);
    const Decimal dy = shortestDecimal(y);
    const Decimal dz = shortestDecimal(z);
    const int lowest = std::min({dx.exponent, dy.exponent, dz.exponent});
    return compare(sum(scaledSquare(dx, lowest), scaledSquare(dy, lowest)),
                   scaledSquare(dz, lowest));
}

} // namespace zirev1
