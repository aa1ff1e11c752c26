// SPDX-License-Identifier: MIT
#pragma once

#include "angle_dms.h"
#include "triangle_solution.h"

#include <array>

namespace zirev1 {

// One angle and its working: Briggs' tangent of the half angle, the half angle, the angle.
struct AngleElements {
    double tanHalf = 0;     // the solution's
    double half = 0;        // radians, the arctangent of tanHalf
    double halfDegrees = 0; // (half · 180) / PI_APPROX
    double halfGon = 0;     // (half · 200) / PI_APPROX
    double radians = 0;     // the solution's angle, half + half
    double degrees = 0;     // (radians · 180) / PI_APPROX, what the window splits
    double gon = 0;         // (radians · 200) / PI_APPROX
    AngleDms carried;       // the window's reading with 60 seconds carried
};

enum class AngleKind { Acute, Right, Obtuse };
enum class SidesKind { Scalene, Isosceles, Equilateral };

// Every element of a solved triangle. Lengths in the sides' unit; alpha, beta, gamma in arrays
// are in that order, and so are the elements that belong to a, b, c.
struct TriangleElements {
    double p = 0;
    double pMinusA = 0;
    double pMinusB = 0;
    double pMinusC = 0;
    std::array<AngleElements, 3> angles;
    double degreesSum = 0; // (alpha + beta) + gamma in decimal degrees, each sum rounded
    double gonSum = 0;     // the same in gon
    double area = 0;       // the solution's
    double altitude = 0;   // the solution's, onto a
    double perimeter = 0;  // the solution's
    std::array<double, 3> altitudes{}; // onto a, b, c
    std::array<double, 3> medians{};   // from the vertices opposite a, b, c
    std::array<double, 3> bisectors{}; // of alpha, beta, gamma, from vertex to opposite side
    double inradius = 0;
    double circumradius = 0;
    std::array<double, 3> exradii{}; // of the circles beside a, b, c
    AngleKind angleKind = AngleKind::Acute;
    SidesKind sidesKind = SidesKind::Scalene;
};

// Works out every element from a solution (see triangle_elements.cpp for each formula). Ends in
// a DivisionByZero fault when the area has underflowed to 0, as it does for sides of about 1e-81
// and less (up to about 1e-73 in a needle), since the circumradius divides by it; and in an
// Overflow fault should any element leave the double range. No element is then returned.
//
//   triangleElements(3, 4, 5 solved) -> medians 4.272002, 3.605551, 2.5; r 1, R 2.5; right
Checked<TriangleElements> triangleElements(const TriangleSolution& solution);

// Acute, right or obtuse by the sides read as decimals (compareDecimalSquares): right exactly
// when the two shorter sides' squares sum to the longest one's, so 3, 4, 5 and 0.3, 0.4, 0.5 are
// right and 1, 1, 1.41421356 is acute. Scalene, isosceles or equilateral by equal doubles, which
// are equal decimals. The sides must make a triangle.
AngleKind angleKind(double a, double b, double c);
SidesKind sidesKind(double a, double b, double c);

} // namespace zirev1
