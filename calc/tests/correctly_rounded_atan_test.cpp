// SPDX-License-Identifier: MIT
// The arctangent against MPFR, bit for bit.
#include "atan/atan_parts.h"
#include "atan_arguments.h"
#include "correctly_rounded_atan.h"
#include "mpfr_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zirev1 {
namespace {

using testing::MpfrAtan;

// Compares every argument with MPFR, bit for bit (signed zeros included), and reports the first
// few differences.
void expectCorrectlyRounded(const std::vector<double>& arguments) {
    MpfrAtan reference;
    int differences = 0;
    for (const double x : arguments) {
        const double expected = reference(x);
        const double actual = correctlyRoundedAtan(x);
        const bool same = actual == expected && std::signbit(actual) == std::signbit(expected);
        if (!same && ++differences <= 5) {
            ADD_FAILURE() << std::hexfloat << "atan(" << x << ") = " << actual << ", expected "
                          << expected;
        }
    }
    EXPECT_EQ(differences, 0) << "of " << arguments.size() << " arguments";
}

TEST(CorrectlyRoundedAtan, ExtremeArguments) {
    expectCorrectlyRounded({1, -1, std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(), -0x1p-1074, 0x1p53,
                            0x1.fffffffffffffp52, 0x1p-27, 0x1.fffffffffffffp-28});
}

TEST(CorrectlyRoundedAtan, EveryPowerOfTwo) {
    std::vector<double> arguments;
    for (int e = -1074; e <= 1023; ++e) {
        arguments.push_back(std::ldexp(1.0, e));
        arguments.push_back(-std::ldexp(1.0, e));
        arguments.push_back(std::nextafter(std::ldexp(1.0, e), 0.0));
    }
    expectCorrectlyRounded(arguments);
}

TEST(CorrectlyRoundedAtan, TableBoundariesAndEitherSideOfOne) {
    std::vector<double> arguments = testing::tableBoundaries();
    testing::addNeighbours(arguments, 1, 1000);
    testing::addNeighbours(arguments, 0x1p-27, 100);
    testing::addNeighbours(arguments, 0x1p53, 100);
    expectCorrectlyRounded(arguments);
}

TEST(CorrectlyRoundedAtan, AMillionRandomDoublesOverTheExponentRange) {
    // Most where the reduction works (2^-30 .. 2^56), the rest over the whole range.
    testing::SpreadDoubles working(1, -30, 56);
    testing::SpreadDoubles whole(2, -1022, 1023);
    std::vector<double> arguments;
    for (int i = 0; i < 1'000'000; ++i) {
        arguments.push_back(i % 10 == 0 ? whole() : working());
    }
    expectCorrectlyRounded(arguments);
}

// The fast path's margin must hold its real error, with either way of forming products: the
// rounding test is only as sound as that.
class FastPathMargin : public ::testing::TestWithParam<atan_detail::Products> {};

TEST_P(FastPathMargin, ErrorStaysWithinTheMargin) {
    MpfrAtan reference;
    testing::SpreadDoubles spread(3, -28, 54);
    std::vector<double> arguments = testing::tableBoundaries();
    for (int i = 0; i < 200'000; ++i) {
        arguments.push_back(spread());
    }
    double worstShare = 0; // error / margin
    for (const double x : arguments) {
        const double y = std::fabs(x);
        if (y < 0x1p-27 || y >= 0x1p53) {
            continue;
        }
        const auto fast = atan_detail::approximateFast(y, GetParam());
        const double error =
            std::fabs(reference.relativeError(y, fast.high, fast.low)) * std::fabs(fast.high);
        worstShare = std::max(worstShare, error / fast.margin);
    }
    EXPECT_LT(worstShare, 1.0);
    RecordProperty("worstErrorShareOfMargin", std::to_string(worstShare));
}

INSTANTIATE_TEST_SUITE_P(BothProducts, FastPathMargin,
                         ::testing::Values(atan_detail::Products::Fma,
                                           atan_detail::Products::Dekker));

TEST(CorrectlyRoundedAtan, AccuratePathAloneIsCorrectAndDecides) {
    MpfrAtan reference;
    testing::SpreadDoubles arguments(4, -27, 52);
    int undecided = 0;
    int wrong = 0;
    for (int i = 0; i < 20'000; ++i) {
        const double y = std::fabs(arguments());
        const auto accurate = atan_detail::atanAccurate(y);
        undecided += accurate.decided ? 0 : 1;
        wrong += accurate.value == reference(y) ? 0 : 1;
    }
    EXPECT_EQ(undecided, 0);
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace zirev1
