// SPDX-License-Identifier: MIT
#include "correctly_rounded_atan.h"

#include "atan/atan_parts.h"
#include "atan/error_free.h"

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// Every operation must round once to double: excess precision (x87) would break the exact sums
// and products the method rests on.
static_assert(FLT_EVAL_METHOD == 0, "the arctangent needs operations rounded to double");

namespace zirev1 {
namespace atan_detail {
namespace {

#include "atan/atan_tables.inc"

// Taylor coefficients of (atan(t) - t) / t in powers of u = t².
constexpr double C3 = -0x1.5555555555555p-2;
constexpr double C5 = 0x1.999999999999ap-3;
constexpr double C7 = -0x1.2492492492492p-3;
constexpr double C9 = 0x1.c71c71c71c71cp-4;
constexpr double C11 = -0x1.745d1745d1746p-4;

constexpr int FIRST_BINADE = -7;
constexpr int LAST_BINADE = 52;

// Buckets per binade are 2^m, m = max(0, 6 - |e|): then |y - Y| / (1 + yY) <= 2^-7 everywhere,
// because the denominator grows as fast as the buckets widen away from 1.
constexpr int bucketBits(int binade) {
    return binade >= 6 || binade <= -6 ? 0 : 6 - std::abs(binade);
}

// Where each binade's points start in ATAN_POINTS (entry 0 is Y = 0).
constexpr auto BINADE_START = [] {
    std::array<int, LAST_BINADE - FIRST_BINADE + 2> start{};
    int next = 1;
    for (int e = FIRST_BINADE; e <= LAST_BINADE + 1; ++e) {
        start[e - FIRST_BINADE] = next;
        next += 1 << bucketBits(e);
    }
    return start;
}();
static_assert(BINADE_START.back() == sizeof(ATAN_POINTS) / sizeof(ATAN_POINTS[0]),
              "the table holds one point per bucket");

int tableIndex(double y) {
    if (y < 0x1p-7) {
        return 0;
    }
    const auto bits = std::bit_cast<std::uint64_t>(y);
    const int binade = static_cast<int>(bits >> 52) - 1023;
    const int m = bucketBits(binade);
    const auto bucket = static_cast<int>((bits >> (52 - m)) & ((std::uint64_t{1} << m) - 1));
    return BINADE_START[binade - FIRST_BINADE] + bucket;
}

// y·Y exactly, for a Y of at most 26 significant bits: only y needs splitting.
Sum productByPoint(double y, double point) {
    const double p = y * point;
    const Sum parts = split(y);
    return {p, (parts.value * point - p) + parts.error * point};
}

Reduction reduceArgument(double y) {
    Reduction r{};
    r.tableIndex = tableIndex(y);
    const double point = ATAN_POINTS[r.tableIndex][0];
    // Y has at most 8 significant bits and lies in y's binade: y - Y is exact (Sterbenz), and so
    // is the product y·Y split in two.
    const Sum product = productByPoint(y, point);
    const Sum denominator = twoSum(1, product.value);
    r.numerator = y - point;
    r.denominator[0] = denominator.value;
    r.denominator[1] = denominator.error;
    r.denominator[2] = product.error;
    return r;
}

FastApproximation fastPath(const Reduction& r) {
    // t = th + tl: th from the reciprocal, tl from the remainder num - th·den, whose leading
    // difference is exact because th·den is within a few ulps of num.
    const double inverse = 1 / r.denominator[0];
    const double th = r.numerator * inverse;
    const Sum thDen = dekkerProduct(th, r.denominator[0]);
    const double remainder = ((r.numerator - thDen.value) - thDen.error) -
                             th * (r.denominator[1] + r.denominator[2]);
    const double tl = remainder * inverse;

    const double u = th * th;
    const double q = u * (C3 + u * (C5 + u * (C7 + u * (C9 + u * C11))));
    const double correction = th * q;

    const double* const a = ATAN_POINTS[r.tableIndex] + 1;
    const Sum s = fastTwoSum(a[0], th);
    const double low = s.error + (a[1] + (tl + correction));
    const double margin = 0x1p-48 * std::fabs(correction) + 0x1p-85 * std::fabs(s.value);
    return {s.value, low, margin};
}

} // namespace

Reduction reduce(double y) {
    return reduceArgument(y);
}

FastApproximation approximateFast(const Reduction& r) {
    return fastPath(r);
}

} // namespace atan_detail

double correctlyRoundedAtan(double x) {
    using namespace atan_detail;
    const double y = std::fabs(x);
    if (!(y >= 0x1p-27)) {
        return x; // NaN, zeros and tiny arguments
    }
    if (y >= 0x1p53) {
        return std::copysign(0x1.921fb54442d18p0, x); // pi/2 rounded
    }
    const Reduction r = reduceArgument(y);
    const FastApproximation fast = fastPath(r);
    const double low = fast.high + (fast.low - fast.margin);
    const double high = fast.high + (fast.low + fast.margin);
    const double result = low == high ? low : atanAccurate(r).value;
    return std::copysign(result, x);
}

} // namespace zirev1
