// SPDX-License-Identifier: MIT
#pragma once

// The arctangent's two paths, apart so that tests can check each against a reference. Both take
// 2^-27 <= y < 2^53 and reduce it to atan(Y) + atan(t), t = (y - Y) / (1 + yY), Y a table point.
namespace zirev1::atan_detail {

// How the fast path forms its exact products: with the fma instruction, or with Dekker's
// splitting where there is none. The two give the same correctly rounded results.
enum class Products { Fma, Dekker };

// The fast path's value high + low and the margin its error is below.
struct FastApproximation {
    double high;
    double low;
    double margin;
};
FastApproximation approximateFast(double y, Products products);

// The whole arctangent with the fast path's products formed one way.
double atanUsing(Products products, double x);

// The accurate path: the nearest double to its 150-bit value, and whether the rounding test
// could decide it.
struct AccurateResult {
    double value;
    bool decided;
};
AccurateResult atanAccurate(double y);

// The table point Y of y; the reduction keeps |y - Y| / (1 + yY) at most 2^-7.
double tablePoint(double y);

} // namespace zirev1::atan_detail
