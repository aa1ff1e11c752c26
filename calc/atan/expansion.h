// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

// Exact arithmetic on floating-point expansions: a value held as the unevaluated sum of doubles
// whose bits do not overlap, smallest first (Shewchuk's expansions). Sums and products are exact;
// the only error is the deliberate truncation that keeps each result to about 180 significant
// bits, a relative error below 2^-179 per operation. Used by the arctangent's accurate path only,
// where a handful of values live at a time.
namespace zirev1::atan_detail {

class Expansion {
public:
    Expansion() = default;
    explicit Expansion(double value);
    // The exact sum of the given doubles.
    Expansion(double a, double b, double c = 0);

    // An approximation of the value with a relative error of a few units in the last place.
    double approximate() const;
    Expansion operator-() const;

    friend Expansion operator+(const Expansion& x, const Expansion& y);
    friend Expansion operator-(const Expansion& x, const Expansion& y) { return x + (-y); }
    friend Expansion operator*(const Expansion& x, const Expansion& y);
    // x / y to about 2^-200 relative, by long division with doubles; y must not be zero.
    friend Expansion operator/(const Expansion& x, const Expansion& y);

    // The double nearest to the value, and whether that nearest double is certain given that the
    // value itself may be off by relativeError.
    struct Rounded {
        double value;
        bool certain;
    };
    Rounded roundToNearest(double relativeError) const;

private:
    static constexpr std::size_t CAPACITY = 40;

    void grow(double b);
    Expansion scaled(double b) const;
    void truncate();

    std::array<double, CAPACITY> m_parts{};
    std::size_t m_count = 0;
};

} // namespace zirev1::atan_detail
