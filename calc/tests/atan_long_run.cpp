// SPDX-License-Identifier: MIT
// The arctangent against MPFR over many random arguments, for runs longer than the suite's:
//
//   zirev1_atan_long_run COUNT [SEED]
//
// Prints how many results differed (0 expected), how often the fast path's rounding test sent
// the argument to the accurate path, and how often that path could not decide.

#include "atan/atan_parts.h"
#include "atan_arguments.h"
#include "correctly_rounded_atan.h"
#include "mpfr_reference.h"

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
    for (long long i = 0; i < count; ++i) {
        const double x = arguments();
        const double actual = zirev1::correctlyRoundedAtan(x);
        if (actual != reference(x)) {
            ++wrong;
            std::printf("differs: atan(%a) = %a\n", x, actual);
        }
        const double y = std::fabs(x);
        if (y >= 0x1p-27 && y < 0x1p53) {
            const auto r = zirev1::atan_detail::reduce(y);
            const auto fast = zirev1::atan_detail::approximateFast(r);
            if (fast.high + (fast.low - fast.margin) != fast.high + (fast.low + fast.margin)) {
                ++accurate;
                undecided += zirev1::atan_detail::atanAccurate(r).decided ? 0 : 1;
            }
        }
    }
    std::printf("arguments %lld (seed %llu): differing %lld, accurate path %lld (%.4f%%), "
                "undecided %lld\n",
                count, static_cast<unsigned long long>(seed), wrong, accurate,
                100.0 * static_cast<double>(accurate) / static_cast<double>(count), undecided);
    return wrong == 0 && undecided == 0 ? 0 : 1;
}
