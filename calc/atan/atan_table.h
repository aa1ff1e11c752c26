// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bit>
#include <cstdint>

// The table points Y of the arctangent's reduction with atan(Y) to about 2^-159, and the series
// coefficients of its accurate path.
namespace zirev1::atan_detail {

#include "atan_tables.inc"

constexpr int FIRST_BINADE = -7;
constexpr int LAST_BINADE = 52;

// Internal linkage: the file of three-at-once compiles its own copies for AVX2.
namespace {

// Buckets per binade are 2^m, m = max(0, 6 - |e|): then |y - Y| / (1 + yY) <= 2^-7 everywhere,
// because the denominator grows as fast as the buckets widen away from 1.
constexpr int bucketBits(int binade) {
    return binade >= 6 || binade <= -6 ? 0 : 6 - (binade < 0 ? -binade : binade);
}

// For each binade from 2^-27 up: where its points start in ATAN_POINTS and how many leading
// significand bits pick its bucket. Below 2^-7 every binade has the one point Y = 0 (entry 0).
struct Binade {
    int start;
    int bucketBits;
};
constexpr int LOWEST_BINADE = -27;
constexpr auto BINADES = [] {
    std::array<Binade, LAST_BINADE - LOWEST_BINADE + 2> binades{};
    int next = 1;
    for (int e = FIRST_BINADE; e <= LAST_BINADE + 1; ++e) {
        binades[e - LOWEST_BINADE] = {next, bucketBits(e)};
        next += 1 << bucketBits(e);
    }
    return binades;
}();
static_assert(BINADES.back().start == sizeof(ATAN_POINTS) / sizeof(ATAN_POINTS[0]),
              "the table holds one point per bucket");

// The entry for 2^-27 <= y < 2^53: the midpoint of y's bucket, which lies in y's binade.
constexpr int tableIndex(double y) {
    const auto bits = std::bit_cast<std::uint64_t>(y);
    const Binade& binade = BINADES[(bits >> 52) - (1023 + LOWEST_BINADE)];
    const auto bucket =
        static_cast<int>((bits & ((std::uint64_t{1} << 52) - 1)) >> (52 - binade.bucketBits));
    return binade.start + bucket;
}

} // namespace
} // namespace zirev1::atan_detail
