#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "analysis/WheelFairness.h"

namespace {

// The wheel's report is worked out again on the window's thread after every
// spin, so it must stay well inside a frame. The hits are those of a fair
// European wheel spun state.range(0) times.
void BM_FairnessReport(benchmark::State& state) {
    NumberHitCounts hits{};
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> pocket(0, 36);
    for (std::int64_t spin = 0; spin < state.range(0); ++spin)
        ++hits[static_cast<std::size_t>(pocket(random))];
    for (auto _ : state)
        benchmark::DoNotOptimize(testFairness(Wheel::European, hits));
}
// 10 and 184 spins: the chi-square's chance simulated; 400 to 2,800: every
// chance exact; 10,000 and 100,000: the hottest's and coldest's simulated.
BENCHMARK(BM_FairnessReport)
    ->Arg(10)
    ->Arg(184)
    ->Arg(400)
    ->Arg(2'800)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
