#include <benchmark/benchmark.h>

#include <ctime>

#include "analysis/SessionAnalysis.h"
#include "systems/NamedSystems.h"
#include "systems/StateGraph.h"
#include "systems/SystemAnalysis.h"
#include "systems/SystemSimulation.h"

namespace {

using namespace systems;

constexpr std::int64_t kSessions = 100'000;

// Spins a second of one core: the spins sessions played over the processor
// time of the run, state table built (or tried) included.
void reportSpins(benchmark::State& state, double spins, std::clock_t cpuStart) {
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    state.counters["spins/s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
    state.counters["spinsPerCpuSecond"] = spins / cpuSeconds;
}

// The table's own analyser on Red, flat, 400-spin sessions, on one thread:
// the yardstick for the figures below.
void BM_TableAnalyserRed(benchmark::State& state) {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    system.rules.bankroll = Money::fromDollars(500);
    std::uint64_t seed = 1;
    double spins = 0;
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        const SessionOutcome o = simulateSessions(system, kSessions, seed++, 1);
        spins += o.meanSpinsPlayed.value * static_cast<double>(o.sessions);
    }
    reportSpins(state, spins, cpuStart);
}
BENCHMARK(BM_TableAnalyserRed)->Unit(benchmark::kMillisecond)->UseRealTime();

// Monte Carlo of named system number `range(0)`, 400-spin sessions, one thread.
void BM_NamedSystem(benchmark::State& state) {
    const System system = namedSystems()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(system.name);
    std::uint64_t seed = 1;
    double spins = 0;
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        const SystemOutcome o = simulateSystem(system, kSessions, seed++, 1);
        spins += o.meanSpinsPlayed.value * static_cast<double>(o.sessions);
    }
    reportSpins(state, spins, cpuStart);
}
BENCHMARK(BM_NamedSystem)->DenseRange(0, 12)->Unit(benchmark::kMillisecond)->UseRealTime();

// The exact method on a Martingale following the last colour: 500 chips,
// 400 spins, from the system to its figures (state table included).
void BM_ExactMartingaleFollowingColour(benchmark::State& state) {
    System system;
    system.bets.push_back(Bet{LastCame{OutsideGroup::Colour, Side::Follow}, Martingale{}, 1, AtCap::Stay});
    system.rules.bankroll = Money::fromDollars(500);
    system.rules.spins = 400;
    for (auto _ : state) {
        const auto graph = buildStateGraph(system, kMostGraphStates);
        benchmark::DoNotOptimize(solveExactly(system, *graph, {}, {})->meanEndChips.value);
    }
}
BENCHMARK(BM_ExactMartingaleFollowingColour)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
