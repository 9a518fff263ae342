#include <benchmark/benchmark.h>

#include "bench/SilentScreen.h"
#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "layout/BetSpotCatalogue.h"
#include "results/ResultHistory.h"
#include "ui/Screen.h"

// The cost of the game logic alone: a screen that draws nothing and a clock
// that stands still, so only drawing, settling and recording are measured.

namespace {

// Runs while the table loads, so start-up's sweep ends; stands still after.
class StoppableClock final : public Clock {
public:
    double now() override { return running ? (seconds += 0.01) : seconds; }
    double seconds = 1000.0;
    bool running = true;
};

constexpr int kLeftButton = 1;

void BM_SettledRecordedQuickSpin(benchmark::State& state) {
    SilentScreen screen;
    StoppableClock clock;
    RandomGenerator random(2024);
    QueltaGame game(screen, clock, random);
    game.Form_Load();
    clock.running = false;
    // A chip on every spot the European wheel takes; the few spots of the
    // American zero area refuse chips on this wheel.
    for (int slot = 0; slot < kSpotCount; ++slot)
        game.BetSpotMouseUp(slot, kLeftButton);
    game.cmdStart_Click(); // loads the history window

    for (auto _ : state) {
        game.cmdStart_Click();
        benchmark::DoNotOptimize(game.state().Winnings);
    }
    state.counters["spins/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SettledRecordedQuickSpin);

} // namespace

BENCHMARK_MAIN();
