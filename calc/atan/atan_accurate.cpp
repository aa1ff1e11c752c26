// SPDX-License-Identifier: MIT
#include "atan_parts.h"

#include "expansion.h"

namespace zirev1::atan_detail {
namespace {

#include "atan_tables.inc"

Expansion fromParts(const double (&parts)[3]) {
    return Expansion(parts[0], parts[1], parts[2]);
}

} // namespace

AccurateResult atanAccurate(const Reduction& r) {
    const Expansion numerator(r.numerator);
    const Expansion denominator(r.denominator[0], r.denominator[1], r.denominator[2]);
    const Expansion t = numerator / denominator;
    const Expansion u = t * t;
    // atan(t) = t (1 - u/3 + u²/5 - ...), by Horner's rule from u^11/23 down.
    constexpr int TERMS = sizeof(SERIES) / sizeof(SERIES[0]);
    Expansion sum = fromParts(SERIES[TERMS - 1]);
    for (int k = TERMS - 2; k >= 0; --k) {
        sum = fromParts(SERIES[k]) - u * sum;
    }
    const double* const a = ATAN_POINTS[r.tableIndex] + 1;
    const Expansion value = Expansion(a[0], a[1], a[2]) + t * sum;
    const Expansion::Rounded rounded = value.roundToNearest(0x1p-145);
    return {rounded.value, rounded.certain};
}

} // namespace zirev1::atan_detail
