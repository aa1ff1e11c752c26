// SPDX-License-Identifier: MIT
// The arctangent against MPFR over many random arguments, for runs longer than the suite's:
//
//   zirev1_atan_long_run COUNT [SEED]
//
// Each argument goes through the one-argument arctangent and, three by three, through the
// three-argument one. Prints how many results differed (0 expected), how often the fast path's
// rounding test sent the argument to the accurate path, and how often that path could not decide.

#include "atan/atan_parts.h"
#include "atan_arguments.h"
#include "correctly_rounded_atan.h"
#include "mpfr_reference.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: zirev1_atan_long_run COUNT [SEED]\n");
        return 64;
    }
    const long long count = std::atoll(argv[1]);
    const auto seed = static_cast<std::uint64_t>(argc == 3 ? std::atoll(argv[2]) : 1);
    zirev1::testing::SpreadDoubles arguments(seed, -30, 56);
    zirev1::testing::MpfrAtan reference;
    long long wrong = 0;
    long long accurate = 0;
    long long undecided = 0;
    std::array<double, 3> triple{};
    std::array<double, 3> expected{};
    for (long long i = 0; i < count; ++i) {
        const double x = arguments();
        const double actual = zirev1::correctlyRoundedAtan(x);
        const double correct = reference(x);
        if (actual != correct) {
            ++wrong;
            std::printf("differs: atan(%a) = %a\n", x, actual);
        }
        triple[i % 3] = x;
        expected[i % 3] = correct;
        if (i % 3 == 2 && zirev1::correctlyRoundedAtan3(triple) != expected) {
            ++wrong;
            std::printf("differs: atan3(%a, %a, %a)\n", triple[0], triple[1], triple[2]);
        }
        const double y = std::fabs(x);
        if (y >= 0x1p-27 && y < 0x1p53) {
            using zirev1::atan_detail::Products;
            const auto fast = zirev1::atan_detail::approximateFast(y, Products::Fma);
            if (fast.high + (fast.low - fast.margin) != fast.high + (fast.low + fast.margin)) {
                ++accurate;
                undecided += zirev1::atan_detail::atanAccurate(y).decided ? 0 : 1;
            }
        }
    }
    std::printf("arguments %lld (seed %llu): differing %lld, accurate path %lld (%.4f%%), "
                "undecided %lld\n",
                count, static_cast<unsigned long long>(seed), wrong, accurate,
                100.0 * static_cast<double>(accurate) / static_cast<double>(count), undecided);
    return wrong == 0 && undecided == 0 ? 0 : 1;
}
