// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// The exact sums and products that double-double and expansion arithmetic are built on. Each is
// exact under round-to-nearest, barring overflow (and, for the product, underflow of the error).
namespace zirev1::atan_detail {
// Internal linkage: the file of three-at-once compiles its own copies for AVX2.
namespace {

template <typename Real> struct PairOf {
    Real value;
    Real error;
};
using Sum = PairOf<double>;

// value + error == a + b exactly, value = RN(a + b), whatever their magnitudes.
inline Sum twoSum(double a, double b) {
    const double s = a + b;
    const double bVirtual = s - a;
    const double aVirtual = s - bVirtual;
    return {s, (a - aVirtual) + (b - bVirtual)};
}

// The same when |a| >= |b| or a == 0, in three operations; also lane by lane.
template <typename Real> inline PairOf<Real> fastTwoSum(Real a, Real b) {
    const Real s = a + b;
    return {s, b - (s - a)};
}

// Veltkamp's split: high has the leading 26 bits of a, low = a - high the rest (|a| < 2^995).
inline Sum split(double a) {
    const double scaled = a * 0x1.0000002p27; // 2^27 + 1
    const double high = scaled - (scaled - a);
    return {high, a - high};
}

// Dekker's product: value + error == a * b exactly, value = RN(a * b), with no fma, which
// targets without the instruction emulate slowly. Needs no overflow in the split, and no
// underflow in the partial products.
inline Sum dekkerProduct(double a, double b) {
    const double p = a * b;
    const Sum x = split(a);
    const Sum y = split(b);
    return {p,
            ((x.value * y.value - p) + x.value * y.error + x.error * y.value) + x.error * y.error};
}

// value + error == a * b exactly, value = RN(a * b).
inline Sum twoProduct(double a, double b) {
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

} // namespace
} // namespace zirev1::atan_detail
