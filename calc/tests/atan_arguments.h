// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

// Arguments that exercise the arctangent: random doubles spread evenly over binary exponents, and
// the neighbourhoods where its reduction changes table entry.
namespace zirev1::testing {

inline double fromBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// A double with a uniformly random significand and sign and a binary exponent uniform in
// [minExponent, maxExponent].
class SpreadDoubles {
public:
    SpreadDoubles(std::uint64_t seed, int minExponent, int maxExponent)
        : m_engine(seed), m_exponent(minExponent, maxExponent) {}

    double operator()() {
        const std::uint64_t significand = m_engine() & ((std::uint64_t{1} << 52) - 1);
        const std::uint64_t sign = m_engine() & 1;
        const auto biased = static_cast<std::uint64_t>(m_exponent(m_engine) + 1023);
        return fromBits(sign << 63 | biased << 52 | significand);
    }

private:
    std::mt19937_64 m_engine;
    std::uniform_int_distribution<int> m_exponent;
};

// The doubles within `steps` ulps either side of x.
inline void addNeighbours(std::vector<double>& out, double x, int steps) {
    double below = x;
    double above = x;
    out.push_back(x);
    for (int i = 0; i < steps; ++i) {
        below = std::nextafter(below, -INFINITY);
        above = std::nextafter(above, INFINITY);
        out.push_back(below);
        out.push_back(above);
    }
}

// Where the reduction switches table point, the points themselves, and the binade edges: in
// binade e the 2^m buckets (m = max(0, 6 - |e|)) have their edges at 2^e (1 + k/2^m).
inline std::vector<double> tableBoundaries() {
    std::vector<double> out;
    for (int e = -8; e <= 53; ++e) {
        const int m = e >= 6 || e <= -6 ? 0 : 6 - (e < 0 ? -e : e);
        for (int k = 0; k < (1 << m); ++k) {
            addNeighbours(out, std::ldexp(1 + static_cast<double>(k) / (1 << m), e), 3);
            addNeighbours(out, std::ldexp(1 + (k + 0.5) / (1 << m), e), 3);
        }
    }
    return out;
}

} // namespace zirev1::testing
