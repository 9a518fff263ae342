#include <benchmark/benchmark.h>

#include "bench/BenchClockAndRandom.h"
#include "bench/SilentScreen.h"
#include "game/QueltaGame.h"
#include "results/Settlement.h"
#include "ui/Screen.h"

namespace {

// The pure settlement of a busy layout: every spot that takes chips holds some.
void BM_SettleChipsBusyLayout(benchmark::State& state) {
    std::array<ChipCount, kSpotCount> stakes{};
    for (const BetSpot& spot : betSpots())
        stakes[static_cast<std::size_t>(spot.slot)] = spot.takesChipsOn(Wheel::American) ? 3 : 0;
    PocketCode pocket = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(settleOutsideChips(Wheel::American, pocket, stakes));
        benchmark::DoNotOptimize(settleInsideChips(Wheel::American, pocket, stakes));
        pocket = static_cast<PocketCode>((pocket + 1) % kPocketCount);
    }
}
BENCHMARK(BM_SettleChipsBusyLayout);

// One whole quick spin of a run: draw, settle, record into the history, show.
// The target is under 2 microseconds per spin.
void BM_SettledAndRecordedSpin(benchmark::State& state) {
    SilentScreen screen;
    SteppingClock clock;
    FastRandom random;
    QueltaGame game(screen, clock, random);
    game.Form_Load();
    for (int slot : {12, 19, 41, slot::lblRed, slot::lblFirstDoz, slot::lblThirdColumn})
        game.BetSpotMouseUp(slot, 1);
    game.cmdStart_Click(); // clears FreshWheel, so every spin below is recorded
    for (auto _ : state)
        game.SpinWheel();
    benchmark::DoNotOptimize(game.state().Winnings);
}
BENCHMARK(BM_SettledAndRecordedSpin);

} // namespace

BENCHMARK_MAIN();
