// SPDX-License-Identifier: MIT
#include "checked_expectations.h"
#include "correctly_rounded_atan.h"
#include "triangle_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace zirev1 {
namespace {

using testing::faultOf;
using testing::valueOf;

TEST(SolveTriangle, RightTriangle345IsExact) {
    const auto s = valueOf(solveTriangle(3, 4, 5));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->p, 6);
    EXPECT_EQ(s->area, 6);
    EXPECT_EQ(s->altitude, 4);
    EXPECT_EQ(s->perimeter, 12);
    EXPECT_NEAR(s->alpha, 0.6435011087932844, 1e-15);
    EXPECT_NEAR(s->beta, 0.9272952180016122, 1e-15);
    EXPECT_NEAR(s->gamma, 1.5707963267948966, 1e-15);
    EXPECT_NEAR(s->tanHalfAlpha, 1.0 / 3, 1e-16);
    EXPECT_NEAR(s->tanHalfGamma, 1.0, 1e-16);
}

TEST(SolveTriangle, AltitudeEqualsAreaWhenBaseIsTwo) {
    const auto s = valueOf(solveTriangle(2, 3, 4));
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->area, 2.9047375096555625, 1e-15);
    EXPECT_EQ(s->altitude, s->area);
    EXPECT_EQ(s->perimeter, 9);
}

TEST(SolveTriangle, EquilateralAnglesAreBitForBitEqual) {
    const auto s = valueOf(solveTriangle(1, 1, 1));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->alpha, s->beta);
    EXPECT_EQ(s->beta, s->gamma);
}

TEST(SolveTriangle, AnglesAreNotForcedToSumToPi) {
    // Each angle comes from its own tangent. For 5, 6, 8 the three angles, each rounded on its
    // own, sum to one unit in the last place above std::numbers::pi; gamma taken as pi - alpha -
    // beta would bring the sum back to std::numbers::pi exactly. (For many triangles, 7, 8, 9 among
    // them, the rounded angles sum to std::numbers::pi anyway and cannot tell the two apart.)
    const auto s = valueOf(solveTriangle(5, 6, 8));
    ASSERT_TRUE(s);
    const double sum = s->alpha + s->beta + s->gamma;
    EXPECT_NE(sum, std::numbers::pi);
    EXPECT_NEAR(sum, std::numbers::pi, 4e-15);
    const double halfAlpha = correctlyRoundedAtan(s->tanHalfAlpha);
    const double halfBeta = correctlyRoundedAtan(s->tanHalfBeta);
    const double halfGamma = correctlyRoundedAtan(s->tanHalfGamma);
    EXPECT_EQ(s->alpha, halfAlpha + halfAlpha);
    EXPECT_EQ(s->beta, halfBeta + halfBeta);
    EXPECT_EQ(s->gamma, halfGamma + halfGamma);
}

TEST(SolveTriangle, TinySidesGiveZeroAreaWithoutFault) {
    const auto s = valueOf(solveTriangle(1e-150, 1e-150, 1e-150));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->area, 0);
    EXPECT_EQ(s->altitude, 0);
    EXPECT_EQ(s->alpha, s->gamma);
}

struct Sides {
    const char* name;
    double a, b, c;
};

class NoSolution : public ::testing::TestWithParam<Sides> {};

TEST_P(NoSolution, ReturnsNothingWithoutFault) {
    const auto& t = GetParam();
    EXPECT_EQ(faultOf(solveTriangle(t.a, t.b, t.c)), std::nullopt);
    EXPECT_FALSE(valueOf(solveTriangle(t.a, t.b, t.c)));
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Sides, NoSolution,
    ::testing::Values(Sides{"degenerate_1_2_3", 1, 2, 3}, Sides{"a_too_long", 5, 1, 1},
                      Sides{"b_too_long", 1, 5, 1}, Sides{"c_too_long", 1, 1, 5},
                      Sides{"zero_a", 0, 1, 1}, Sides{"zero_c", 1, 1, 0},
                      Sides{"negative_b", 1, -1, 1}, Sides{"all_zero", 0, 0, 0},
                      // The sum exceeds the largest double, p does not, and p - a < 0.
                      Sides{"sum_beyond_range", 1.5e308, 1e307, 2e307},
                      Sides{"not_a_number", NaN, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultCase {
    const char* name;
    double a, b, c;
    FaultKind kind;
};

class Fault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Fault, RaisesItsKind) {
    const auto& t = GetParam();
    EXPECT_EQ(faultOf(solveTriangle(t.a, t.b, t.c)), t.kind);
}

constexpr double MAX = std::numeric_limits<double>::max();
constexpr double INF = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Sides, Fault,
    ::testing::Values(
        FaultCase{"heron_product", 1e78, 1e78, 1e78, FaultKind::Overflow},
        FaultCase{"semi_perimeter", MAX, MAX, MAX, FaultKind::Overflow},
        // A huge negative side overflows p - a before validity can reject it.
        FaultCase{"difference", -MAX, MAX, MAX, FaultKind::Overflow},
        FaultCase{"briggs_product", 1e200, 1e200, 1e200, FaultKind::Overflow},
        FaultCase{"infinite_side", INF, 1, 1, FaultKind::Overflow},
        // p (p - a) and the numerator both underflow to zero: 0/0 counts as a division by zero.
        FaultCase{"zero_over_zero", 1e-170, 1e-170, 1e-170, FaultKind::DivisionByZero},
        // Only p (p - a) underflows; the numerator is a small non-zero number.
        FaultCase{"zero_divisor", 1.99999999e-160, 1e-160, 1e-160, FaultKind::DivisionByZero}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveTriangle, NearMissesOfOverflowSolve) {
    // Heron's product for 1e77 stays below the largest double.
    EXPECT_TRUE(valueOf(solveTriangle(1e77, 1e77, 1e77)));
    // Heron's product for 1e-150 underflows to zero, and p (p - a) does not.
    EXPECT_TRUE(valueOf(solveTriangle(1e-150, 1e-150, 1e-150)));
}

TEST(SolveTriangle, SumBeyondRangeIsNoFault) {
    // b + a overflows a double on its own, but the wide sum with c is in range, and so is p.
    // p - a < 0: not a triangle, and no fault either.
    EXPECT_FALSE(valueOf(solveTriangle(0.9 * MAX, 0.9 * MAX, -0.9 * MAX * 0.5)));
}

TEST(SolveTriangle, FaultNamesAreItalian) {
    EXPECT_EQ(faultName(FaultKind::Overflow), "Overflow");
    EXPECT_EQ(faultName(FaultKind::DivisionByZero), "Divisione per zero");
}

} // namespace
} // namespace zirev1
