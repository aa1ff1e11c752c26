// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace zirev1 {

// The arctangent of x, correctly rounded: the double nearest to the exact atan(x) (round to
// nearest), for every double x. NaN gives NaN, +-0 gives +-0, +-inf gives +-pi/2 rounded.
// Built only from IEEE +, -, *, / and fma, each exactly rounded, so it returns
// the same bits on every processor, compiler and C library.
//
//   correctlyRoundedAtan(1)                      -> 0x1.921fb54442d18p-1 (pi/4)
//   correctlyRoundedAtan(0x1.4ab2a29f3766p-4)    -> 0x1.49fb67829b50bp-4
//   correctlyRoundedAtan(0x1.87a0f68ebda33p-1)   -> 0x1.4e51f5fe031d3p-1
//
// Method. atan is odd, so y = |x|. For y < 2^-27 the result is x itself (atan(y) = y(1 - y²/3 ...)
// lies within half an ulp of y); for y >= 2^53 it is pi/2 rounded (the gap 1/y <= 2^-53 is under
// half an ulp of pi/2 minus the 6.1e-17 by which that double falls short of pi/2). Between, y is
// reduced to a table point Y (238 points, atan(Y) known to three doubles, about 2^-159):
//   atan(y) = atan(Y) + atan(t),   t = (y - Y) / (1 + yY).
// Y = 0 below 2^-7; in the binade [2^e, 2^(e+1)) the points are the midpoints of 2^m equal
// buckets, m = max(0, 6 - |e|), so |t| <= 2^-7 everywhere (the denominator grows as the buckets
// widen away from 1). Y has at most 8 significant bits and lies in y's binade, so y - Y is exact
// (Sterbenz) and 1 + yY is held to 2^-105 in two doubles.
//
// Fast path (double-double). t = th + tl with th = (y - Y)·RN(1/d0) and tl from the exact
// remainder (y - Y) - th·d0, so |t - (th + tl)| < 2^-100 |t|. atan(t) = t + t·q(t²), q the
// Taylor polynomial -u/3 + u²/5 - u³/7 + u⁴/9 - u⁵/11 in u = th², truncated with error below
// t^13/13 <= 2^-87.7 |t|. The result is high + low: high + e = atan(Y).hi + th exactly
// (|atan(Y).hi| >= |th| whenever Y != 0), low = (e + atan(Y).mid) + (tl + th·q). Its error is
// bounded by
//   - th·q: the polynomial's roundings (at most 7 operations on a value whose leading term is
//     -u/3, together below 2^-50.7 relative) and the use of th for t inside q (u·|tl| <=
//     2^-50.4 |th·q|), below 2^-49.5 |th·q| in all;
//   - the additions forming low: below 3·2^-53 (|th·q| + 2^-51 |high|);
//   - t itself, atan(Y)'s dropped third part and the truncated series: below 2^-87 |high|
//     (|t| <= |high|, because atan(Y) >= 2|t| when Y != 0).
// So |high + low - atan(y)| < 2^-48.8 |th·q| + 2^-86 |high|. Since |th·q| <= |th|·u/3, the fast
// path uses the margin e = 2^-49.5 |th|·u + 2^-85 |high|, which is ready before q and also covers
// the rounding of low +- e. The tests check the bound against MPFR: the largest error seen is
// under a third of the margin.
//
// The exact products come from the fma instruction or, where there is none, from Dekker's
// splitting (Veltkamp); on x86-64 the choice is made at run time. Either way the result is the
// correctly rounded one, so every processor prints the same digits.
//
// Ziv's rounding test. If RN(high + RN(low - e)) == RN(high + RN(low + e)), every value within e
// of high + low rounds to that double, because rounding is monotonic and the two computed sums
// enclose [high + low - e, high + low + e]; atan(y) lies in that interval, so the double is the
// correctly rounded atan(y). The test fails only when atan(y) lies within about e of a midpoint
// between two doubles: for random arguments about once in 10^5 calls.
//
// Accurate path. The same reduction redone in exact expansion arithmetic (Shewchuk's expansions,
// truncated to 180 bits after each operation), t by long division to 2^-200 and the series to
// u^11/23 (truncation below 2^-172 |t|), with atan(Y) to 2^-159: the value is good to better than
// 2^-150 relative, and the same rounding test runs with e = 2^-145 |value|.
//
// If even that test failed, atan(y) would lie within 2^-145 of a midpoint, that is, the 87 bits
// after the rounding bit would all be equal. Searches for the hardest-to-round arguments of the
// binary64 arctangent (Lefevre and Muller's, and the exhaustive ones of the correctly rounded
// libraries) report no run nearly that long; and atan(y) is never exactly a midpoint for y != 0
// (it is transcendental for every non-zero rational y). The result is then the double nearest
// the 150-bit value, which could differ from the correct one only for an argument that those
// searches would have found.
double correctlyRoundedAtan(double x);

// The same for three arguments at once, as a triangle's three half angles need: on x86-64
// processors with AVX2 and fma the three run side by side in the lanes of one vector, at about
// the cost of one; the bits are those of three calls.
std::array<double, 3> correctlyRoundedAtan3(const std::array<double, 3>& x);

} // namespace zirev1
