// SPDX-License-Identifier: MIT
#include "correctly_rounded_atan.h"

#include "atan/atan_fast_path.h"

namespace zirev1 {
namespace atan_detail {
namespace {

#ifdef ZIREV1_ATAN_CHOOSES_AT_RUN_TIME
__attribute__((target("fma"), flatten)) double atanWithFmaInstruction(double x) {
    return atanOf<Products::Fma>(x);
}
#endif

} // namespace

FastApproximation approximateFast(double y, Products products) {
    return products == Products::Fma ? fastPath<Products::Fma>(y) : fastPath<Products::Dekker>(y);
}

double atanUsing(Products products, double x) {
    return products == Products::Fma ? atanOf<Products::Fma>(x) : atanOf<Products::Dekker>(x);
}

double tablePoint(double y) {
    return ATAN_POINTS[tableIndex(y)][0];
}

} // namespace atan_detail

double correctlyRoundedAtan(double x) {
    using namespace atan_detail;
#ifdef ZIREV1_ATAN_CHOOSES_AT_RUN_TIME
    return __builtin_cpu_supports("fma") ? atanWithFmaInstruction(x) : atanOf<Products::Dekker>(x);
#else
    return atanOf<ZIREV1_ATAN_PRODUCTS>(x);
#endif
}

} // namespace zirev1
