// SPDX-License-Identifier: MIT
#include "checked_expectations.h"
#include "decimal_squares.h"
#include "triangle_elements.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zirev1 {
namespace {

using testing::faultOf;
using testing::valueOf;

TriangleElements elementsOf(double a, double b, double c) {
    const auto solution = valueOf(solveTriangle(a, b, c));
    if (!solution) {
        ADD_FAILURE() << a << ", " << b << ", " << c << " make no triangle";
        return {};
    }
    return valueOf(triangleElements(*solution));
}

void expectRelative(double value, double expected, double tolerance = 4e-16) {
    EXPECT_NEAR(value / expected, 1, tolerance) << value << " against " << expected;
}

TEST(TriangleElements, RightTriangle345) {
    const TriangleElements e = elementsOf(3, 4, 5);
    EXPECT_EQ(e.p, 6);
    EXPECT_EQ(e.pMinusA, 3);
    EXPECT_EQ(e.pMinusB, 2);
    EXPECT_EQ(e.pMinusC, 1);
    EXPECT_EQ(e.altitudes[0], 4);
    EXPECT_EQ(e.altitudes[1], 3);
    EXPECT_EQ(e.altitudes[2], 2.4);
    expectRelative(e.medians[0], std::sqrt(73.0) / 2);
    expectRelative(e.medians[1], std::sqrt(13.0));
    EXPECT_EQ(e.medians[2], 2.5); // onto the hypotenuse: half of it
    EXPECT_EQ(e.inradius, 1);
    EXPECT_EQ(e.circumradius, 2.5);
    EXPECT_EQ(e.exradii[0], 2);
    EXPECT_EQ(e.exradii[1], 3);
    EXPECT_EQ(e.exradii[2], 6);
    EXPECT_EQ(e.angleKind, AngleKind::Right);
    EXPECT_EQ(e.sidesKind, SidesKind::Scalene);
}

// Identities that hold in every triangle, each reached by another road than the code's:
// r = (p − a) tan(α/2), r_a = p tan(α/2), R by the law of sines with sin α = 2t / (1 + t²),
// the bisector as 2bc cos(α/2) / (b + c), Apollonius' sum of the medians' squares.
TEST(TriangleElements, AgreeWithTheIdentitiesOfEveryTriangle) {
    const double triangles[][3] = {{7, 8, 9}, {2, 3, 4}, {3, 5, 7}, {1, 1, 1.9}, {13, 14, 15}};
    for (const auto& [a, b, c] : triangles) {
        SCOPED_TRACE(::testing::Message() << a << ", " << b << ", " << c);
        const TriangleElements e = elementsOf(a, b, c);
        const double sides[] = {a, b, c};
        const double pMinus[] = {e.pMinusA, e.pMinusB, e.pMinusC};
        double squaresOfMedians = 0;
        for (int i = 0; i < 3; ++i) {
            const double t = e.angles[i].tanHalf;
            const double first = sides[(i + 1) % 3];
            const double second = sides[(i + 2) % 3];
            expectRelative(e.inradius, pMinus[i] * t, 1e-15);
            expectRelative(e.exradii[i], e.p * t, 1e-15);
            expectRelative(e.circumradius, sides[i] / (2 * (2 * t / (1 + t * t))), 1e-15);
            expectRelative(e.bisectors[i],
                           2 * first * second / std::sqrt(1 + t * t) / (first + second), 1e-15);
            expectRelative(e.altitudes[i] * sides[i], 2 * e.area, 1e-15);
            squaresOfMedians += e.medians[i] * e.medians[i];
        }
        expectRelative(squaresOfMedians, 0.75 * (a * a + b * b + c * c), 1e-15);
        EXPECT_GE(e.circumradius, 2 * e.inradius); // Euler: OI² = R(R − 2r)
    }
}

TEST(TriangleElements, AnglesAsTheWindowTakesThem) {
    const TriangleElements e = elementsOf(7, 8, 9);
    const auto solution = *valueOf(solveTriangle(7, 8, 9));
    const AngleElements& alpha = e.angles[0];
    EXPECT_EQ(alpha.radians, solution.alpha);
    EXPECT_EQ(alpha.half + alpha.half, alpha.radians);
    EXPECT_EQ(alpha.degrees, (solution.alpha * 180) / PI_APPROX);
    EXPECT_EQ(alpha.gon, (solution.alpha * 200) / PI_APPROX);
    EXPECT_EQ(alpha.halfDegrees * 2, alpha.degrees);
    const AngleDms shown = valueOf(splitAngle(solution.alpha));
    EXPECT_EQ(alpha.carried.degrees, shown.degrees); // 48 11 23: nothing to carry
    EXPECT_EQ(alpha.carried.seconds, shown.seconds);
    // The sum stays a hair below 180 because PI_APPROX exceeds pi.
    EXPECT_NEAR(e.degreesSum, 180 * (std::acos(-1.0) / PI_APPROX), 1e-12);
    EXPECT_LT(e.degreesSum, 180);
    EXPECT_NEAR(e.gonSum, e.degreesSum * 200 / 180, 1e-12);
}

TEST(TriangleElements, EquilateralElementsAreEqual) {
    const TriangleElements e = elementsOf(1, 1, 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e.medians[i], e.altitudes[0]);
        EXPECT_EQ(e.bisectors[i], e.altitudes[0]);
        EXPECT_EQ(e.exradii[i], e.exradii[0]);
        EXPECT_EQ(e.angles[i].carried.degrees, 60);
        EXPECT_EQ(e.angles[i].carried.seconds, 0);
    }
    expectRelative(e.circumradius, 2 * e.inradius, 1e-15);
    EXPECT_EQ(e.sidesKind, SidesKind::Equilateral);
    EXPECT_EQ(e.angleKind, AngleKind::Acute);
}

// In a needle the textbook ½√(2a² + 2b² − c²) takes a difference of nearly equal squares; the
// median onto c must still be good to the last bits: exactly √((1 − c/2)(1 + c/2)) here.
TEST(TriangleElements, NeedleMedianKeepsItsDigits) {
    const double c = 1.9999999;
    const TriangleElements e = elementsOf(1, 1, c);
    expectRelative(e.medians[2], std::sqrt((1 - c / 2) * (1 + c / 2)), 1e-15);
    EXPECT_EQ(e.angleKind, AngleKind::Obtuse);
    EXPECT_EQ(e.sidesKind, SidesKind::Isosceles);
}

// Sides near the largest whose Heron product fits: nothing overflows on the way, though a
// bisector taken under one square root would (a·b·p·(p − c) is about 2^1124 here).
TEST(TriangleElements, HugeSidesStayFinite) {
    const double a = 0x1p281;
    const double c = 0x1p230;
    const auto e = elementsOf(a, a, c);
    expectRelative(e.bisectors[2], a * std::sqrt(1 - (c / (2 * a)) * (c / (2 * a))), 1e-15);
    expectRelative(e.circumradius, a / 2, 1e-15);
    expectRelative(e.medians[0], std::sqrt(a * a / 4 + c * c / 2), 1e-15);
    expectRelative(e.exradii[2], e.p * e.angles[2].tanHalf, 1e-15);
}

TEST(TriangleElements, TinySides) {
    const TriangleElements e = elementsOf(1e-40, 1e-40, 1e-40);
    expectRelative(e.circumradius, 1e-40 / std::sqrt(3.0), 1e-15);
    // Below about 1e-81 Heron's product underflows, the area is 0, and R = abc / 4S divides by it.
    const auto tiny = *valueOf(solveTriangle(1e-150, 1e-150, 1e-150));
    EXPECT_EQ(tiny.area, 0);
    EXPECT_EQ(faultOf(triangleElements(tiny)), FaultKind::DivisionByZero);
}

struct KindCase {
    const char* name;
    double a, b, c;
    AngleKind angles;
    SidesKind sides;
};

class TriangleKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(TriangleKind, ByTheSidesAsDecimals) {
    const auto& t = GetParam();
    EXPECT_EQ(angleKind(t.a, t.b, t.c), t.angles);
    EXPECT_EQ(sidesKind(t.a, t.b, t.c), t.sides);
}

using enum AngleKind;
using enum SidesKind;
INSTANTIATE_TEST_SUITE_P(
    Sides, TriangleKind,
    ::testing::Values(KindCase{"s3_4_5", 3, 4, 5, Right, Scalene},
                      KindCase{"hypotenuse_first", 5, 3, 4, Right, Scalene},
                      KindCase{"hypotenuse_second", 12, 13, 5, Right, Scalene},
                      // Not exact in binary, right as typed.
                      KindCase{"s0_3_0_4_0_5", 0.3, 0.4, 0.5, Right, Scalene},
                      KindCase{"s1_5_2_2_5", 1.5, 2, 2.5, Right, Scalene},
                      KindCase{"tiny_right", 3e-200, 4e-200, 5e-200, Right, Scalene},
                      KindCase{"s2_0_2_1_2_9", 2.0, 2.1, 2.9, Right, Scalene},
                      // √2 to eight decimals falls short: 1.41421356² = 1.9999999932878736.
                      KindCase{"root2_typed", 1, 1, 1.41421356, Acute, Isosceles},
                      KindCase{"root2_double", 1, 1.4142135623730951, 1, Obtuse, Isosceles},
                      KindCase{"s7_8_9", 7, 8, 9, Acute, Scalene},
                      KindCase{"s2_3_4", 2, 3, 4, Obtuse, Scalene},
                      KindCase{"needle", 1, 1, 1.9999999, Obtuse, Isosceles},
                      KindCase{"flat_needle", 1e-8, 1, 1, Acute, Isosceles},
                      KindCase{"isosceles_a_c", 2, 3, 2, Obtuse, Isosceles},
                      KindCase{"equilateral", 0.1, 0.1, 0.1, Acute, Equilateral}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareDecimalSquares, SignOfTheExactSum) {
    EXPECT_EQ(compareDecimalSquares(3, 4, 5), 0);
    EXPECT_EQ(compareDecimalSquares(3, 4, 4.9999999999), 1);
    EXPECT_EQ(compareDecimalSquares(3, 4, 5.0000000001), -1);
    // Far apart exponents: the small square still counts.
    EXPECT_EQ(compareDecimalSquares(1e-300, 1, 1), 1);
    EXPECT_EQ(compareDecimalSquares(3e300, 4e300, 5e300), 0);
    EXPECT_EQ(compareDecimalSquares(0.5, 1.2, 1.3), 0);
}

} // namespace
} // namespace zirev1
