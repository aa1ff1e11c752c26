// SPDX-License-Identifier: MIT
#pragma once

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
// half an ulp of pi/2 minus the 6.1e-17 by which that double falls short of pi/2). Between, the
// argument is reduced with a table of 129 values A_j known to three doubles (about 2^-159):
//   y <= 1: c = i/64, i = round(64y),   atan(y) = atan(c) + atan(t),   t = (y - c) / (1 + cy);
//   y > 1:  c = i/64, i = round(64/y),  atan(y) = atan(64/i) + atan(t), t = (cy - 1) / (y + c),
// with atan(64/0) = pi/2. In both |t| <= 2^-7, and the numerator and denominator of t are held
// exactly in two or three doubles (y - c and cy - 1 are exact by Sterbenz's lemma, cy is split
// exactly by an fma).
//
// Fast path (double-double). t = th + tl with th = num/den and tl from the exact remainder of
// that division (fma), so |t - (th + tl)| < 2^-100 |t|. atan(t) = t + t·q(t²) with the Taylor
// polynomial q = -u/3 + u²/5 - u³/7 + u⁴/9 - u⁵/11, u = th², truncated with error below
// t^13/13 <= 2^-87.7 |t|. The result is assembled as sh + l: sh + sl = A_j.hi + th exactly
// (|A_j.hi| >= |th| whenever A_j is not 0), l = sl + (A_j.mid + (tl + th·q)). The error of sh + l
// against atan(y) is bounded by
//   - th·q: the polynomial's roundings (5 operations on a value whose leading term is -u/3, at
//     most 2^-50.7 relative) and the use of th for t inside q (u·|tl| <= 2^-50.4 |th·q|),
//     together below 2^-49.5 |th·q|;
//   - the three additions forming l: below 3·2^-53 (|th·q| + 2^-51 |sh|);
//   - t itself, the table's dropped third part, and the truncated series: below 2^-87 |sh|
//     (|t| <= |sh| because A_j >= 2|t| when A_j is not 0).
// So |sh + l - atan(y)| < 2^-48.8 |th·q| + 2^-86 |sh|, and the fast path uses the margin
// e = 2^-48 |th·q| + 2^-85 |sh|, which also covers the rounding of l +- e (at most
// 2^-53 |l + e|).
//
// Ziv's rounding test. If RN(sh + RN(l - e)) == RN(sh + RN(l + e)), then every value within e of
// sh + l rounds to that double, because rounding is monotonic and the two computed sums enclose
// [sh + l - e, sh + l + e]; since atan(y) lies in that interval, the double is the correctly
// rounded atan(y). The test fails only when atan(y) lies within about e of a midpoint between
// two doubles: for random arguments about once in 10^4 calls, worst near y = 1/128.
//
// Accurate path. The same reduction redone in exact expansion arithmetic (Shewchuk's
// expansions, truncated to 180 bits after each operation), t by long division to 2^-200, and the
// series to u^11/23 (truncation below 2^-172 |t|), with A_j to 2^-159: the value is good to
// better than 2^-150 relative, and the same rounding test runs with e = 2^-145 |value|.
//
// If even that test failed, atan(y) would lie within 2^-145 of a midpoint, that is, the 87 bits
// after the rounding bit would all be equal. Searches for the hardest-to-round arguments of the
// binary64 arctangent (Lefevre and Muller's, and the exhaustive ones of the correctly rounded
// libraries) report runs far shorter than that, about 60 to 70 bits at most; and atan(y) is
// never exactly a midpoint for y != 0 (it is transcendental for every non-zero rational y). The
// result is then the double nearest the 150-bit value, which could differ from the correct one
// only for an argument that those searches would have found.
double correctlyRoundedAtan(double x);

} // namespace zirev1
