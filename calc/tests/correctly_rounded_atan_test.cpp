// SPDX-License-Identifier: MIT
#include "atan/atan_parts.h"
#include "atan_arguments.h"
#include "correctly_rounded_atan.h"
#include "mpfr_reference.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
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

TEST(CorrectlyRoundedAtan, SpecialValues) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(correctlyRoundedAtan(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(correctlyRoundedAtan(inf), 0x1.921fb54442d18p0);
    EXPECT_EQ(correctlyRoundedAtan(-inf), -0x1.921fb54442d18p0);
    EXPECT_FALSE(std::signbit(correctlyRoundedAtan(0.0)));
    EXPECT_TRUE(std::signbit(correctlyRoundedAtan(-0.0)));
    expectCorrectlyRounded({1, -1, std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(), -0x1p-1074, 0x1p53,
                            0x1.fffffffffffffp52, 0x1p-27, 0x1.fffffffffffffp-28});
}

TEST(CorrectlyRoundedAtan, InputsWhereTheSystemLibraryIsWrong) {
    EXPECT_EQ(correctlyRoundedAtan(0x1.4ab2a29f3766p-4), 0x1.49fb67829b50bp-4);
    EXPECT_EQ(correctlyRoundedAtan(0x1.87a0f68ebda33p-1), 0x1.4e51f5fe031d3p-1);
    EXPECT_EQ(correctlyRoundedAtan(0x1.cd42699d7633ep-3), 0x1.c5b0724083a08p-3);
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

// Whichever way this processor forms products, the other way gives the same bits.
TEST(CorrectlyRoundedAtan, BothWaysOfFormingProductsAgree) {
    using atan_detail::Products;
    testing::SpreadDoubles spread(6, -30, 56);
    std::vector<double> arguments = testing::tableBoundaries();
    for (int i = 0; i < 300'000; ++i) {
        arguments.push_back(spread());
    }
    int differences = 0;
    for (const double x : arguments) {
        differences +=
            atan_detail::atanUsing(Products::Fma, x) == atan_detail::atanUsing(Products::Dekker, x)
                ? 0
                : 1;
    }
    EXPECT_EQ(differences, 0);
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

// Three at once gives the bits of three calls, whatever the mix of arguments: ordinary ones,
// signs, and the special ones that leave the vector path.
TEST(CorrectlyRoundedAtan, ThreeAtOnceAreThreeCalls) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double special[] = {0.0,    -0.0, 1e-300, -0x1p-27,
                              0x1p53, -inf, inf,    std::numeric_limits<double>::quiet_NaN()};
    testing::SpreadDoubles spread(7, -30, 56);
    std::vector<double> pool = testing::tableBoundaries();
    for (int i = 0; i < 30'000; ++i) {
        pool.push_back(spread());
    }
    std::mt19937_64 pick(8);
    int differences = 0;
    for (std::size_t i = 0; i < pool.size(); ++i) {
        std::array<double, 3> x{pool[i], pool[pick() % pool.size()], pool[pick() % pool.size()]};
        if (i % 16 == 0) {
            x[pick() % 3] = special[pick() % std::size(special)];
        }
        const auto three = correctlyRoundedAtan3(x);
        for (int k = 0; k < 3; ++k) {
            const double one = correctlyRoundedAtan(x[k]);
            const bool same = std::isnan(one) ? std::isnan(three[k])
                                              : std::bit_cast<std::uint64_t>(one) ==
                                                    std::bit_cast<std::uint64_t>(three[k]);
            differences += same ? 0 : 1;
        }
    }
    EXPECT_EQ(differences, 0);
}

// The reduction keeps |t| = |y - Y| / (1 + yY) within 2^-7, the range the series is sized for.
TEST(CorrectlyRoundedAtan, ReductionStaysWithinItsRange) {
    std::vector<double> arguments = testing::tableBoundaries();
    testing::SpreadDoubles spread(5, -27, 52);
    for (int i = 0; i < 100'000; ++i) {
        arguments.push_back(std::fabs(spread()));
    }
    for (const double y : arguments) {
        if (y < 0x1p-27 || y >= 0x1p53) {
            continue;
        }
        const double point = atan_detail::tablePoint(y);
        // Rounding errors here are far below the slack of 2^-60.
        ASSERT_LE(std::fabs(y - point) / (1 + y * point), 0x1p-7 * (1 + 0x1p-60))
            << std::hexfloat << y;
    }
}

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
