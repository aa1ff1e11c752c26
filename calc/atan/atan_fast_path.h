// SPDX-License-Identifier: MIT
#pragma once

#include "atan_parts.h"
#include "atan_table.h"
#include "error_free.h"

#include <cfloat>
#include <cmath>

// The arctangent's fast path, a template over the number type: one double, or the lanes of a
// vector (atan_lanes.cpp), with the same operations lane by lane.

// Every operation must round once to double: excess precision (x87) would break the exact sums
// and products the method rests on.
static_assert(FLT_EVAL_METHOD == 0, "the arctangent needs operations rounded to double");

// Where the compiler may not assume the fma instruction but the processor may have it, the fast
// path is also compiled for it and chosen at run time; elsewhere one variant is compiled.
#if defined(__FMA__) || defined(__ARM_FEATURE_FMA)
#define ZIREV1_ATAN_PRODUCTS Products::Fma
#elif defined(__x86_64__) && defined(__GNUC__)
#define ZIREV1_ATAN_CHOOSES_AT_RUN_TIME 1
#else
#define ZIREV1_ATAN_PRODUCTS Products::Dekker
#endif

namespace zirev1::atan_detail {
// Internal linkage: the file of three-at-once compiles its own copies for AVX2.
namespace {

// Taylor coefficients of (atan(t) - t) / t in powers of u = t².
inline constexpr double C3 = -0x1.5555555555555p-2;
inline constexpr double C5 = 0x1.999999999999ap-3;
inline constexpr double C7 = -0x1.2492492492492p-3;
inline constexpr double C9 = 0x1.c71c71c71c71cp-4;
inline constexpr double C11 = -0x1.745d1745d1746p-4;

// The fast path's value high + low and the margin its error is below, for one argument or for
// several lanes at once.
template <typename Real> struct FastParts {
    Real high;
    Real low;
    Real margin;
};

inline double fusedMultiplyAdd(double a, double b, double c) {
    return std::fma(a, b, c);
}
inline double magnitude(double x) {
    return std::fabs(x);
}
inline double select(bool condition, double ifTrue, double ifFalse) {
    return condition ? ifTrue : ifFalse;
}

// The fast path for 2^-27 <= y < 2^53 (see correctly_rounded_atan.h for the error analysis),
// given y's table point Y and atan(Y) in two parts. Real is double, or a vector of doubles
// with the same operations lane by lane (the fma variant only).
template <Products P, typename Real>
inline FastParts<Real> fastPathFor(Real y, Real point, Real atanHigh, Real atanLow) {
    // Y has at most 8 significant bits and lies in y's binade, so y - Y is exact (Sterbenz).
    const Real numerator = y - point;

    // The denominator 1 + yY as d0 + d1 to 2^-105, and t = th + tl: th from the reciprocal,
    // tl from the remainder numerator - th·d0, computed exactly.
    Real d0;
    Real d1;
    if constexpr (P == Products::Fma) {
        d0 = fusedMultiplyAdd(y, point, Real{} + 1.0);
        // d1 = (yY + 1) - d0 with one rounding: 1 - d0 is exact below 2^53; from there on
        // yY - d0 is, and the 1 is added after.
        d1 = select(d0 < 0x1p53, fusedMultiplyAdd(y, point, 1.0 - d0),
                    fusedMultiplyAdd(y, point, -d0) + 1.0);
    } else {
        // Y has few bits: y·Y splits exactly with y alone split.
        const double p = y * point;
        const Sum halves = split(y);
        const double pError = (halves.value * point - p) + halves.error * point;
        const Sum sum = twoSum(1, p);
        d0 = sum.value;
        d1 = sum.error + pError;
    }
    const Real inverse = 1.0 / d0;
    const Real th = numerator * inverse;
    Real remainder;
    if constexpr (P == Products::Fma) {
        remainder = fusedMultiplyAdd(-th, d0, numerator) - th * d1;
    } else {
        // th·d0 is within a few ulps of the numerator: the leading difference is exact.
        const Sum product = dekkerProduct(th, d0);
        remainder = ((numerator - product.value) - product.error) - th * d1;
    }
    const Real tl = remainder * inverse;

    // Estrin's scheme: a shorter chain of dependent operations than Horner's; with fma, each
    // step rounds once instead of twice, which only lowers the error the margin allows for.
    const Real u = th * th;
    const Real u2 = u * u;
    Real tailOfT; // tl + th·q
    if constexpr (P == Products::Fma) {
        const Real inner = fusedMultiplyAdd(
            u2, fusedMultiplyAdd(u2, Real{} + C11, fusedMultiplyAdd(u, Real{} + C9, Real{} + C7)),
            fusedMultiplyAdd(u, Real{} + C5, Real{} + C3));
        tailOfT = fusedMultiplyAdd(th * u, inner, tl);
    } else {
        const Real q = u * ((C3 + u * C5) + u2 * ((C7 + u * C9) + u2 * C11));
        tailOfT = tl + th * q;
    }

    const PairOf<Real> s = fastTwoSum(atanHigh, th);
    const Real low = (s.error + atanLow) + tailOfT;
    // |correction| <= |th|·u/3, so this bounds 2^-48 |correction| without waiting for it.
    const Real margin = 0x1.6p-50 * magnitude(th) * u + 0x1p-85 * magnitude(s.value);
    return {s.value, low, margin};
}

template <Products P> inline FastApproximation fastPath(double y) {
    const double* const entry = ATAN_POINTS[tableIndex(y)];
    const FastParts<double> fast = fastPathFor<P>(y, entry[0], entry[1], entry[2]);
    return {fast.high, fast.low, fast.margin};
}

template <Products P> inline double atanOf(double x) {
    const double y = std::fabs(x);
    if (!(y >= 0x1p-27)) {
        return x; // NaN, zeros and tiny arguments
    }
    if (y >= 0x1p53) {
        return std::copysign(0x1.921fb54442d18p0, x); // pi/2 rounded
    }
    const FastApproximation fast = fastPath<P>(y);
    const double low = fast.high + (fast.low - fast.margin);
    const double high = fast.high + (fast.low + fast.margin);
    const double result = low == high ? low : atanAccurate(y).value;
    return std::copysign(result, x);
}

} // namespace
} // namespace zirev1::atan_detail
