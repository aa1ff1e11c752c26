// SPDX-License-Identifier: MIT
#pragma once

// The arctangent's two paths, apart so that tests can check each against a reference.
namespace zirev1::atan_detail {

// atan(y) for 2^-27 <= y < 2^53 reduced to atan(Y) + atan(t), t = (y - Y) / (1 + yY), with Y a
// table point; the numerator is exact in one double, the denominator in three.
struct Reduction {
    int tableIndex;
    double numerator;
    double denominator[3];
};
Reduction reduce(double y);

// The fast path's value sh + low and the margin its error is below.
struct FastApproximation {
    double high;
    double low;
    double margin;
};
FastApproximation approximateFast(const Reduction& r);

// The accurate path: the nearest double to its 150-bit value, and whether the rounding test
// could decide it.
struct AccurateResult {
    double value;
    bool decided;
};
AccurateResult atanAccurate(const Reduction& r);

} // namespace zirev1::atan_detail
