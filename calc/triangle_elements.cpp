// SPDX-License-Identifier: MIT
#include "triangle_elements.h"

#include "atan/error_free.h"
#include "decimal_squares.h"

#include <cmath>

namespace zirev1 {
namespace {

AngleElements angleElements(double tanHalf, double radians, const AngleDms& shown) {
    AngleElements e;
    e.tanHalf = tanHalf;
    e.radians = radians;
    e.half = radians / 2; // exact: the angle is its half added to itself
    e.halfDegrees = (e.half * 180) / PI_APPROX;
    e.halfGon = (e.half * 200) / PI_APPROX;
    e.degrees = (radians * 180) / PI_APPROX;
    e.gon = (radians * 200) / PI_APPROX;
    e.carried = carriedDms(shown);
    return e;
}

// (b + c − a) / 2, which is p − a, to the last bit even where a is nearly b + c: b + c is kept
// exact as a sum and its error, and the subtraction of a then either is exact (Sterbenz) or
// cancels nothing. The solution's p − a carries the rounding of p, which in a needle is a large
// part of a small difference.
double halfExcess(double opposite, double first, double second) {
    const atan_detail::Sum sum = atan_detail::twoSum(first, second);
    return ((sum.value - opposite) + sum.error) / 2;
}

// ½√(2b² + 2c² − a²) as √(p(p − a) + ((b − c)/2)²): the same value, since
// 2b² + 2c² − a² = (b + c + a)(b + c − a) + (b − c)², and a sum of two terms that are never
// negative, where the textbook form subtracts and could go below zero by rounding in a needle.
double median(double p, double opposite, double first, double second) {
    const double halfDifference = (first - second) / 2;
    return std::sqrt(p * halfExcess(opposite, first, second) + halfDifference * halfDifference);
}

// 2√(bc · p(p − a)) / (b + c), with the two square roots taken apart: the product under a single
// root reaches the fourth power of the sides and leaves the double range above 1e77, while a
// needle's sides may reach about 1e85 with all their elements in range.
double bisector(double p, double opposite, double first, double second) {
    const double root = std::sqrt(p * halfExcess(opposite, first, second));
    return (2 * (std::sqrt(first * second) * root)) / (first + second);
}

bool allFinite(const TriangleElements& e) {
    const double lengths[] = {e.circumradius, e.inradius,     e.altitudes[0], e.altitudes[1],
                              e.altitudes[2], e.medians[0],   e.medians[1],   e.medians[2],
                              e.bisectors[0], e.bisectors[1], e.bisectors[2], e.exradii[0],
                              e.exradii[1],   e.exradii[2]};
    for (const double length : lengths) {
        if (!std::isfinite(length)) {
            return false;
        }
    }
    return true;
}

} // namespace

AngleKind angleKind(double a, double b, double c) {
    // The largest angle lies opposite the longest side; its kind is the triangle's.
    int sign = 0;
    if (a >= b && a >= c) {
        sign = compareDecimalSquares(b, c, a);
    } else if (b >= c) {
        sign = compareDecimalSquares(a, c, b);
    } else {
        sign = compareDecimalSquares(a, b, c);
    }
    return sign == 0 ? AngleKind::Right : sign > 0 ? AngleKind::Acute : AngleKind::Obtuse;
}

SidesKind sidesKind(double a, double b, double c) {
    if (a == b && b == c) {
        return SidesKind::Equilateral;
    }
    return a == b || b == c || a == c ? SidesKind::Isosceles : SidesKind::Scalene;
}

// Every side of a triangle whose Heron product fits a double is below 2^284 (each p − side is at
// least 2^-54 p, and one of them at least p/3), so no product below overflows; the check at the
// end holds the promise that no infinity is ever written.
Checked<TriangleElements> triangleElements(const TriangleSolution& s) {
    TriangleElements e;
    e.p = s.p;
    e.pMinusA = s.p - s.a;
    e.pMinusB = s.p - s.b;
    e.pMinusC = s.p - s.c;

    const double tangents[] = {s.tanHalfAlpha, s.tanHalfBeta, s.tanHalfGamma};
    const double angles[] = {s.alpha, s.beta, s.gamma};
    for (int i = 0; i < 3; ++i) {
        const Checked<AngleDms> shown = splitAngle(angles[i]);
        if (shown.faulted()) {
            return shown.fault();
        }
        e.angles[i] = angleElements(tangents[i], angles[i], *shown);
    }
    // The decimal values summed as they are, not as printed: their error is near 1e-13 degrees.
    e.degreesSum = (e.angles[0].degrees + e.angles[1].degrees) + e.angles[2].degrees;
    e.gonSum = (e.angles[0].gon + e.angles[1].gon) + e.angles[2].gon;

    e.area = s.area;
    e.altitude = s.altitude;
    e.perimeter = s.perimeter;
    const double twiceArea = s.area + s.area;
    e.altitudes = {twiceArea / s.a, twiceArea / s.b, twiceArea / s.c};
    e.medians = {median(s.p, s.a, s.b, s.c), median(s.p, s.b, s.a, s.c),
                 median(s.p, s.c, s.a, s.b)};
    e.bisectors = {bisector(s.p, s.a, s.b, s.c), bisector(s.p, s.b, s.a, s.c),
                   bisector(s.p, s.c, s.a, s.b)};
    e.inradius = s.area / s.p;
    if (s.area == 0) {
        return FaultKind::DivisionByZero; // the circumradius divides by it
    }
    e.circumradius = ((s.a * s.b) * s.c) / (4 * s.area);
    e.exradii = {s.area / e.pMinusA, s.area / e.pMinusB, s.area / e.pMinusC};
    if (!allFinite(e)) {
        return FaultKind::Overflow;
    }
    e.angleKind = angleKind(s.a, s.b, s.c);
    e.sidesKind = sidesKind(s.a, s.b, s.c);
    return e;
}

} // namespace zirev1
