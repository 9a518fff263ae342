#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

#include "analysis/SessionAnalysis.h"
#include "bench/BenchClockAndRandom.h"
#include "bench/SilentScreen.h"
#include "game/QueltaGame.h"

namespace {

// Red and three straights, the layout every figure here is measured on.
constexpr int kStraights[] = {7, 17, 32};

int straightSlot(int number) {
    for (const BetSpot& spot : betSpots())
        if (spot.kindOn(Wheel::European) == BetKind::Straight && spot.coversOn(Wheel::European).contains(number))
            return spot.slot;
    return -1;
}

BettingSystem redAndThreeStraights() {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    for (int number : kStraights)
        system.stakes[static_cast<std::size_t>(straightSlot(number))] = 1;
    system.rules.bankroll = Money::fromDollars(1'000);
    system.rules.spinsPerSession = 400;
    return system;
}

double gameSecondsPerSpin = 0; // measured first, for the ratio below

// The game's own settled and recorded spin of the same layout, for scale.
void BM_GameSettledSpin(benchmark::State& state) {
    SilentScreen screen;
    SteppingClock clock;
    FastRandom random;
    QueltaGame game(screen, clock, random);
    game.Form_Load();
    game.BetSpotMouseUp(slot::lblRed, 1);
    for (int number : kStraights)
        game.BetSpotMouseUp(straightSlot(number), 1);
    game.cmdStart_Click();
    const auto start = std::chrono::steady_clock::now();
    std::int64_t spins = 0;
    for (auto _ : state) {
        game.SpinWheel();
        ++spins;
    }
    gameSecondsPerSpin =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / static_cast<double>(spins);
    benchmark::DoNotOptimize(game.state().Winnings);
}
BENCHMARK(BM_GameSettledSpin);

// Simulated spins a second, 400-spin sessions with their percentile bands;
// the argument is the number of threads. timesGameSpin is how many simulated
// spins fit in the time the game takes for one settled spin.
void BM_SimulatedSpins(benchmark::State& state) {
    const BettingSystem system = redAndThreeStraights();
    const auto threads = static_cast<unsigned>(state.range(0));
    std::uint64_t seed = 1;
    double spins = 0;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        const SessionOutcome outcome = simulateSessions(system, 100'000, seed++, threads);
        spins += outcome.meanSpinsPlayed.value * static_cast<double>(outcome.sessions);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    state.counters["spins/s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
    state.counters["timesGameSpin"] = spins / seconds * gameSecondsPerSpin;
    // Spins per second of processor time over all threads: what each core
    // gives when it has nothing else to do, and the sign of any cost of
    // sharing the work (it would fall as threads are added).
    state.counters["spinsPerCpuSecond"] = spins / cpuSeconds;
}
BENCHMARK(BM_SimulatedSpins)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// One million 400-spin sessions of the same layout on two threads.
void BM_MillionSessions(benchmark::State& state) {
    const BettingSystem system = redAndThreeStraights();
    std::uint64_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(simulateSessions(system, 1'000'000, seed++, 2).meanEndChips.value);
}
BENCHMARK(BM_MillionSessions)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
