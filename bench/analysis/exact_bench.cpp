#include <benchmark/benchmark.h>

#include "analysis/ExactPlan.h"
#include "analysis/SessionAnalysis.h"
#include "layout/BetSpotCatalogue.h"

namespace {

// The cell visits the budget counts for the system, and what each one cost.
void countUpdates(benchmark::State& state, const BettingSystem& system) {
    const double work = planExactly(system).work;
    state.counters["visits"] = work;
    state.counters["ns_per_visit"] = benchmark::Counter(work * 1e-9 * static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

std::size_t slotNamed(const char* name) { return static_cast<std::size_t>(*slotOfName(name)); }

// Flat betting on red and three straights, 200 chips, 400 spins, no limits of
// its own: the bankroll can wander anywhere the spins can carry it.
BettingSystem redAndThreeStraights() {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    for (const char* straight : {"lblSeven", "lblSeventeen", "lblTwentySeven"})
        system.stakes[slotNamed(straight)] = 1;
    system.rules.bankroll = Money::fromDollars(200);
    system.rules.spinsPerSession = 400;
    return system;
}

// A Martingale on red from 1,023 chips to a target of 100 chips more, over
// 1,000 spins.
BettingSystem martingaleOnRed() {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    system.rules.bankroll = Money::fromDollars(1'023);
    system.rules.target = Money::fromDollars(1'123);
    system.rules.spinsPerSession = 1'000;
    system.rules.progression = Progression::Martingale;
    return system;
}

void BM_ExactFlatRedAndThreeStraights(benchmark::State& state) {
    const BettingSystem system = redAndThreeStraights();
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseExactly(system));
    countUpdates(state, system);
}
BENCHMARK(BM_ExactFlatRedAndThreeStraights)->Unit(benchmark::kMillisecond);

void BM_ExactMartingaleOnRed(benchmark::State& state) {
    const BettingSystem system = martingaleOnRed();
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseExactly(system));
    countUpdates(state, system);
}
BENCHMARK(BM_ExactMartingaleOnRed)->Unit(benchmark::kMillisecond);

// D'Alembert on red and three straights to a target: 200 progression steps,
// the heaviest kind of system the exact method takes on.
void BM_ExactNearTheBudget(benchmark::State& state) {
    BettingSystem system = redAndThreeStraights();
    system.rules.spinsPerSession = static_cast<std::int32_t>(state.range(0));
    system.rules.progression = Progression::DAlembert;
    system.rules.target = Money::fromDollars(2'000);
    if (!exactMethodFits(system)) {
        state.SkipWithError("beyond the exact method's budget");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseExactly(system));
    countUpdates(state, system);
}
BENCHMARK(BM_ExactNearTheBudget)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Red alone, flat, 15,000 spins: two results a spin, every reachable
// bankroll live, close to the budget: the dearest kind of counted visit.
void BM_ExactRedAtTheBudget(benchmark::State& state) {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    system.rules.bankroll = Money::fromDollars(100'000);
    system.rules.spinsPerSession = 15'000;
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseExactly(system));
    countUpdates(state, system);
}
BENCHMARK(BM_ExactRedAtTheBudget)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
