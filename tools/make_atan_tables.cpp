// SPDX-License-Identifier: MIT
// Writes calc/atan/atan_tables.inc: the points Y the arctangent reduces its argument to, with
// atan(Y) as three doubles whose sum is the value to about 2^-159, and the series coefficients
// 1/(2k+1) for k = 0..11 the same way. Computed with MPFR at 400 bits; run by hand when the tables
// change:
//
//   g++ -std=c++20 tools/make_atan_tables.cpp -lmpfr -o make_atan_tables
//   ./make_atan_tables > calc/atan/atan_tables.inc
//
// The points: Y = 0 for y < 2^-7; in each binade [2^e, 2^(e+1)), e = -7..52, the midpoints of
// 2^m equal buckets, m = max(0, 6 - |e|), in increasing order.

#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr mpfr_prec_t WORKING_BITS = 400;

// Prints v as h, m, l: h = RN(v), m = RN(v - h), l = RN(v - h - m).
void printParts(mpfr_t v) {
    mpfr_t rest;
    mpfr_init2(rest, WORKING_BITS);
    mpfr_set(rest, v, MPFR_RNDN);
    for (int part = 0; part < 3; ++part) {
        const double d = mpfr_get_d(rest, MPFR_RNDN);
        mpfr_sub_d(rest, rest, d, MPFR_RNDN);
        std::printf("%s%a", part == 0 ? "" : ", ", d);
    }
    mpfr_clear(rest);
}

void printPoint(mpfr_t v, double point) {
    mpfr_set_d(v, point, MPFR_RNDN);
    mpfr_atan(v, v, MPFR_RNDN);
    std::printf("    {%a, ", point);
    printParts(v);
    std::printf("},\n");
}

} // namespace

int main() {
    mpfr_t v;
    mpfr_init2(v, WORKING_BITS);
    std::printf("// SPDX-License-Identifier: MIT\n");
    std::printf("// Written by tools/make_atan_tables.cpp; do not edit.\n\n");
    std::printf("// {Y, atan(Y) as three parts}, in increasing Y.\n");
    std::printf("inline constexpr double ATAN_POINTS[][4] = {\n");
    printPoint(v, 0);
    for (int e = -7; e <= 52; ++e) {
        const int m = std::max(0, 6 - std::abs(e));
        for (int k = 0; k < (1 << m); ++k) {
            printPoint(v, std::ldexp(1 + (k + 0.5) / (1 << m), e));
        }
    }
    std::printf("};\n\n// 1/(2k+1) as three parts.\ninline constexpr double SERIES[12][3] = {\n");
    for (int k = 0; k < 12; ++k) {
        mpfr_set_si(v, 1, MPFR_RNDN);
        mpfr_div_si(v, v, 2 * k + 1, MPFR_RNDN);
        std::printf("    {");
        printParts(v);
        std::printf("},\n");
    }
    std::printf("};\n");
    mpfr_clear(v);
    return 0;
}
