// SPDX-License-Identifier: MIT
// The arctangent's properties that need no reference: special values, known hard cases, and the
// agreement of its internal paths with one another.
#include "atan/atan_parts.h"
#include "atan_arguments.h"
#include "correctly_rounded_atan.h"

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

TEST(CorrectlyRoundedAtan, SpecialValues) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(correctlyRoundedAtan(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(correctlyRoundedAtan(inf), 0x1.921fb54442d18p0);
    EXPECT_EQ(correctlyRoundedAtan(-inf), -0x1.921fb54442d18p0);
    EXPECT_FALSE(std::signbit(correctlyRoundedAtan(0.0)));
    EXPECT_TRUE(std::signbit(correctlyRoundedAtan(-0.0)));
}

TEST(CorrectlyRoundedAtan, InputsWhereTheSystemLibraryIsWrong) {
    EXPECT_EQ(correctlyRoundedAtan(0x1.4ab2a29f3766p-4), 0x1.49fb67829b50bp-4);
    EXPECT_EQ(correctlyRoundedAtan(0x1.87a0f68ebda33p-1), 0x1.4e51f5fe031d3p-1);
    EXPECT_EQ(correctlyRoundedAtan(0x1.cd42699d7633ep-3), 0x1.c5b0724083a08p-3);
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

} // namespace
} // namespace zirev1
