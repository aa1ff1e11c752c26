// SPDX-License-Identifier: MIT
#pragma once

#include "checked.h"

#include <optional>

namespace zirev1 {

// One solved triangle. Side a is the base, b the left side, c the right side; alpha lies opposite
// a (at the apex), beta opposite b, gamma opposite c. Angles are in radians.
struct TriangleSolution {
    double a = 0;
    double b = 0;
    double c = 0;
    double p = 0; // semi-perimeter
    double tanHalfAlpha = 0;
    double tanHalfBeta = 0;
    double tanHalfGamma = 0;
    double alpha = 0;
    double beta = 0;
    double gamma = 0;
    double area = 0;
    double altitude = 0; // onto side a
    double perimeter = 0;
};

// Solves the triangle by Briggs' half-angle formulas and Heron's formula. Returns nothing when the
// sides do not make a proper triangle (every p - side must be > 0; this rejects zero, negative and
// degenerate sides). Ends in a fault, with no partial result, at the first step that overflows or
// divides by zero.
//
//   solveTriangle(3, 4, 5)  -> p 6, area 6, altitude 4, perimeter 12, gamma ~ pi/2
//   solveTriangle(1, 2, 3)  -> nothing (p - c = 0)
//   solveTriangle(1e78, 1e78, 1e78) -> fault Overflow, in Heron's product
Checked<std::optional<TriangleSolution>> solveTriangle(double a, double b, double c);

// p and the three differences p - a, p - b, p - c of the validity test, rounded as solveTriangle
// rounds them, for saying which condition failed. Sides that overflow p give infinities here.
//
//   validityTerms(3, 4, 9) -> p 8; 5, 4, -1
struct ValidityTerms {
    double p = 0;
    double differences[3] = {};
};
ValidityTerms validityTerms(double a, double b, double c);

} // namespace zirev1
