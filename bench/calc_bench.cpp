// The calculation per call, and the floor it cannot beat: the four square roots and three
// arctangents one solution needs.
//
//   build/bench/zirev1_calc_bench --benchmark_min_time=0.5

#include "calculate_from_texts.h"
#include "result_texts.h"
#include "triangle_solution.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

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
        solutions[k] = *zirev1::solveTriangle(SIDES[k][0], SIDES[k][1], SIDES[k][2]);
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
