// SPDX-License-Identifier: MIT
#include "atan_parts.h"

#include "atan_table.h"
#include "expansion.h"

namespace zirev1::atan_detail {
namespace {

Expansion fromParts(const double* parts) {
    return Expansion(parts[0], parts[1], parts[2]);
}

} // namespace

AccurateResult atanAccurate(double y) {
    const double* const entry = ATAN_POINTS[tableIndex(y)];
    const Expansion point(entry[0]);
    const Expansion t = (Expansion(y) - point) / (Expansion(1) + Expansion(y) * point);
    const Expansion u = t * t;
    // atan(t) = t (1 - u/3 + u²/5 - ...), by Horner's rule from u^11/23 down.
    constexpr int TERMS = sizeof(SERIES) / sizeof(SERIES[0]);
    Expansion sum = fromParts(SERIES[TERMS - 1]);
    for (int k = TERMS - 2; k >= 0; --k) {
        sum = fromParts(SERIES[k]) - u * sum;
    }
    const Expansion value = fromParts(entry + 1) + t * sum;
    const Expansion::Rounded rounded = value.roundToNearest(0x1p-145);
    return {rounded.value, rounded.certain};
}

} // namespace zirev1::atan_detail
