// SPDX-License-Identifier: MIT
#include "correctly_rounded_atan.h"

// Three arctangents at once. On x86-64 processors with AVX2 and fma, the fast path runs on the
// three arguments in the lanes of one vector, which costs about as much as one arctangent; the
// operations are the same IEEE operations lane by lane, so the bits are those of three calls.
// Everywhere else, and for arguments outside the fast path's range, it is three calls.

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__)
#define ZIREV1_ATAN_LANES 1
#include <immintrin.h>
// Everything from here to the matching pop is compiled for AVX2 and fma, the fast path's template
// included, and runs only after the processor was asked. The fast path's helpers have internal
// linkage, so these copies never stand in for the ones other files compile.
#ifdef __clang__
#pragma clang attribute push(__attribute__((target("avx2,fma"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma")
#endif

// The lane-by-lane operations come before the fast path's template, whose unqualified calls find
// them there (vector types bring no namespace for argument-dependent lookup).
namespace zirev1::atan_detail {
namespace {
using Lanes = double __attribute__((vector_size(32)));
using LaneMask = long long __attribute__((vector_size(32)));

inline Lanes fusedMultiplyAdd(Lanes a, Lanes b, Lanes c) {
    return _mm256_fmadd_pd(a, b, c);
}
inline Lanes magnitude(Lanes x) {
    return reinterpret_cast<Lanes>(reinterpret_cast<LaneMask>(x) & 0x7fffffffffffffffLL);
}
inline Lanes select(LaneMask condition, Lanes ifTrue, Lanes ifFalse) {
    return reinterpret_cast<Lanes>((condition & reinterpret_cast<LaneMask>(ifTrue)) |
                                   (~condition & reinterpret_cast<LaneMask>(ifFalse)));
}
} // namespace
} // namespace zirev1::atan_detail
#endif

#include "atan_fast_path.h"

namespace zirev1 {
namespace atan_detail {
namespace {

#ifdef ZIREV1_ATAN_LANES
std::array<double, 3> atan3InLanes(const std::array<double, 3>& x) {
    // The fourth lane computes atan(1), unused.
    const Lanes arguments{x[0], x[1], x[2], 1};
    const Lanes y = magnitude(arguments);
    const LaneMask inRange = (y >= 0x1p-27) & (y < 0x1p53); // false for NaN
    if (_mm256_movemask_pd(reinterpret_cast<__m256d>(inRange)) != 0xf) {
        return {correctlyRoundedAtan(x[0]), correctlyRoundedAtan(x[1]), correctlyRoundedAtan(x[2])};
    }
    // Each entry {Y, atan(Y) in three parts} is one vector; four of them transposed give the
    // lanes' points and arctangents.
    constexpr int ONE = tableIndex(1);
    const __m256d e0 = _mm256_loadu_pd(ATAN_POINTS[tableIndex(y[0])]);
    const __m256d e1 = _mm256_loadu_pd(ATAN_POINTS[tableIndex(y[1])]);
    const __m256d e2 = _mm256_loadu_pd(ATAN_POINTS[tableIndex(y[2])]);
    const __m256d e3 = _mm256_loadu_pd(ATAN_POINTS[ONE]);
    const __m256d low01 = _mm256_unpacklo_pd(e0, e1);
    const __m256d high01 = _mm256_unpackhi_pd(e0, e1);
    const __m256d low23 = _mm256_unpacklo_pd(e2, e3);
    const __m256d high23 = _mm256_unpackhi_pd(e2, e3);
    const Lanes point = _mm256_permute2f128_pd(low01, low23, 0x20);
    const Lanes atanHigh = _mm256_permute2f128_pd(high01, high23, 0x20);
    const Lanes atanLow = _mm256_permute2f128_pd(low01, low23, 0x31);
    const FastParts<Lanes> fast = fastPathFor<Products::Fma>(y, point, atanHigh, atanLow);
    Lanes result = fast.high + (fast.low - fast.margin);
    const LaneMask decided = result == fast.high + (fast.low + fast.margin);
    if (_mm256_movemask_pd(reinterpret_cast<__m256d>(decided)) != 0xf) {
        for (int k = 0; k < 3; ++k) {
            if (!decided[k]) {
                result[k] = atanAccurate(y[k]).value;
            }
        }
    }
    // atan is odd: the arguments' signs onto the results.
    const LaneMask sign = reinterpret_cast<LaneMask>(arguments) & (-0x7fffffffffffffffLL - 1);
    result = reinterpret_cast<Lanes>(reinterpret_cast<LaneMask>(result) | sign);
    return {result[0], result[1], result[2]};
}
#endif

} // namespace
} // namespace atan_detail

#ifdef ZIREV1_ATAN_LANES
#ifdef __clang__
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

std::array<double, 3> correctlyRoundedAtan3(const std::array<double, 3>& x) {
#ifdef ZIREV1_ATAN_LANES
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) {
        return atan_detail::atan3InLanes(x);
    }
#endif
    return {correctlyRoundedAtan(x[0]), correctlyRoundedAtan(x[1]), correctlyRoundedAtan(x[2])};
}

} // namespace zirev1
