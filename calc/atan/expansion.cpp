// SPDX-License-Identifier: MIT
#include "expansion.h"

#include "error_free.h"

#include <cmath>

namespace zirev1::atan_detail {
namespace {

// Parts smaller than this fraction of the value are dropped: below every accuracy the
// arctangent's accurate path relies on, and it keeps expansions to a few parts.
constexpr double KEPT_RELATIVE = 0x1p-180;

} // namespace

Expansion::Expansion(double value) {
    grow(value);
}

Expansion::Expansion(double a, double b, double c) {
    grow(a);
    grow(b);
    grow(c);
    truncate();
}

double Expansion::approximate() const {
    double sum = 0;
    for (std::size_t i = 0; i < m_count; ++i) {
        sum += m_parts[i];
    }
    return sum;
}

Expansion Expansion::operator-() const {
    Expansion negated = *this;
    for (std::size_t i = 0; i < m_count; ++i) {
        negated.m_parts[i] = -m_parts[i];
    }
    return negated;
}

// Shewchuk's Grow-Expansion with zero elimination: adds b exactly, keeping the parts
// non-overlapping and smallest first.
void Expansion::grow(double b) {
    if (m_count == CAPACITY) {
        // Unreachable: operands are truncated to 180 bits, so sums and products of them need
        // far fewer parts. Dropping the smallest part keeps memory safe if it ever were reached.
        for (std::size_t i = 1; i < m_count; ++i) {
            m_parts[i - 1] = m_parts[i];
        }
        --m_count;
    }
    double carry = b;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_count; ++i) {
        const Sum s = twoSum(carry, m_parts[i]);
        carry = s.value;
        if (s.error != 0) {
            m_parts[kept++] = s.error;
        }
    }
    if (carry != 0) {
        m_parts[kept++] = carry;
    }
    m_count = kept;
}

// Shewchuk's Scale-Expansion with zero elimination: the exact product by one double.
Expansion Expansion::scaled(double b) const {
    Expansion product;
    if (m_count == 0) {
        return product;
    }
    auto keep = [&product](double part) {
        if (part != 0) {
            product.m_parts[product.m_count++] = part;
        }
    };
    Sum first = twoProduct(m_parts[0], b);
    double carry = first.value;
    keep(first.error);
    for (std::size_t i = 1; i < m_count; ++i) {
        const Sum p = twoProduct(m_parts[i], b);
        const Sum low = twoSum(carry, p.error);
        keep(low.error);
        const Sum high = fastTwoSum(p.value, low.value);
        keep(high.error);
        carry = high.value;
    }
    keep(carry);
    return product;
}

void Expansion::truncate() {
    const double limit = std::fabs(approximate()) * KEPT_RELATIVE;
    std::size_t first = 0;
    while (first < m_count && std::fabs(m_parts[first]) < limit) {
        ++first;
    }
    if (first > 0) {
        for (std::size_t i = first; i < m_count; ++i) {
            m_parts[i - first] = m_parts[i];
        }
        m_count -= first;
    }
}

Expansion operator+(const Expansion& x, const Expansion& y) {
    Expansion sum = x;
    for (std::size_t i = 0; i < y.m_count; ++i) {
        sum.grow(y.m_parts[i]);
    }
    sum.truncate();
    return sum;
}

Expansion operator*(const Expansion& x, const Expansion& y) {
    Expansion product;
    for (std::size_t i = 0; i < y.m_count; ++i) {
        const Expansion partial = x.scaled(y.m_parts[i]);
        for (std::size_t k = 0; k < partial.m_count; ++k) {
            product.grow(partial.m_parts[k]);
        }
        product.truncate();
    }
    return product;
}

Expansion operator/(const Expansion& x, const Expansion& y) {
    // Each step divides the remainder's leading bits, gaining about 50 bits; the remainder is
    // computed exactly (up to truncation), so errors do not accumulate.
    const double divisor = y.approximate();
    Expansion quotient;
    Expansion remainder = x;
    for (int step = 0; step < 4; ++step) {
        const double digit = remainder.approximate() / divisor;
        quotient.grow(digit);
        remainder = remainder - y.scaled(digit);
    }
    quotient.truncate();
    return quotient;
}

Expansion::Rounded Expansion::roundToNearest(double relativeError) const {
    // The value is nearest + rest exactly; rest is known to a few ulps of its own, and the value
    // to relativeError. If every value in that margin rounds alike, the rounding is certain.
    const double nearest = approximate();
    const double rest = (*this - Expansion(nearest)).approximate();
    const double margin = std::fabs(rest) * 0x1p-48 + std::fabs(nearest) * relativeError;
    const double low = nearest + (rest - margin);
    const double high = nearest + (rest + margin);
    return {nearest + rest, low == high};
}

} // namespace zirev1::atan_detail
