// SPDX-License-Identifier: MIT
// The calculation per call, and the floor it cannot beat: the four square roots and three
// arctangents of the system library that one solution needs; and the arctangent itself against
// the system library's.
//
//   build/bench/zirev1_calc_bench --benchmark_min_time=0.5

#include "calculate_from_texts.h"
#include "correctly_rounded_atan.h"
#include "result_texts.h"
#include "triangle_solution.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

// A few triangles, cycled so that no input is a compile-time constant.
constexpr std::array<std::array<double, 3>, 4> SIDES{
    {{3, 4, 5}, {7, 8, 9}, {2, 3, 4}, {1, 1, 1.9}}};
constexpr std::array<std::array<const char*, 3>, 4> TEXTS{
    {{"3", "4", "5"}, {"7", "8", "9"}, {"2", "3", "4"}, {"1", "1", "1.9"}}};

void floorSqrtAtan(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& s = SIDES[i++ % SIDES.size()];
        double x = s[0], y = s[1], z = s[2];
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(z);
        const double r1 = std::sqrt(x), r2 = std::sqrt(y), r3 = std::sqrt(z), r4 = std::sqrt(x + y);
        const double t1 = std::atan(r1), t2 = std::atan(r2), t3 = std::atan(r3);
        benchmark::DoNotOptimize(r4);
        benchmark::DoNotOptimize(t1);
        benchmark::DoNotOptimize(t2);
        benchmark::DoNotOptimize(t3);
    }
}
BENCHMARK(floorSqrtAtan);

// Half-angle tangents as triangles give them: spread over 10^-3 .. 10^3 on a log scale.
std::vector<double> halfAngleTangents() {
    std::mt19937_64 engine(1);
    std::uniform_real_distribution<double> exponent(-3, 3);
    std::vector<double> tangents(4096); // a power of two: the index wraps by a mask
    for (double& t : tangents) {
        t = std::pow(10.0, exponent(engine));
    }
    return tangents;
}

template <double (*Atan)(double)> void arctangent(benchmark::State& state) {
    const std::vector<double> tangents = halfAngleTangents();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Atan(tangents[i++ & (tangents.size() - 1)]));
    }
}
double libmAtan(double x) {
    return std::atan(x);
}
BENCHMARK(arctangent<libmAtan>)->Name("atan/libm");
BENCHMARK(arctangent<zirev1::correctlyRoundedAtan>)->Name("atan/correctlyRounded");

void solveTriangle(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& s = SIDES[i++ % SIDES.size()];
        double a = s[0], b = s[1], c = s[2];
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(zirev1::solveTriangle(a, b, c));
    }
}
BENCHMARK(solveTriangle);

void makeResultTexts(benchmark::State& state) {
    std::array<zirev1::TriangleSolution, SIDES.size()> solutions;
    for (std::size_t k = 0; k < SIDES.size(); ++k) {
        solutions[k] = **zirev1::solveTriangle(SIDES[k][0], SIDES[k][1], SIDES[k][2]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zirev1::makeResultTexts(solutions[i++ % solutions.size()], "."));
    }
}
BENCHMARK(makeResultTexts);

void calculateFromTexts(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& t = TEXTS[i++ % TEXTS.size()];
        benchmark::DoNotOptimize(zirev1::calculateFromTexts(t[0], t[1], t[2], "."));
    }
}
BENCHMARK(calculateFromTexts);

} // namespace

BENCHMARK_MAIN();
