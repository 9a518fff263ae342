#include <benchmark/benchmark.h>

#include <random>

#include "game/QueltaGame.h"
#include "results/Settlement.h"
#include "ui/Screen.h"

namespace {

// A screen that does nothing, so the benchmark measures the game alone.
class SilentScreen : public Screen {
public:
    void setCaption(ControlRef, std::string_view) override {}
    void setMoneyCaption(ControlRef, Money) override {}
    void setTextColour(ControlRef, Rgb) override {}
    void setBackColour(ControlRef, Rgb) override {}
    void setVisible(ControlRef, bool) override {}
    void setEnabled(ControlRef, bool) override {}
    void repaintNow(ControlRef) override {}
    void setMenuChecked(MenuItem, bool) override {}
    void setMenuEnabled(MenuItem, bool) override {}
    void showHistory(const ResultHistory& history, const NumberHitCounts&) override {
        benchmark::DoNotOptimize(history.revision());
    }
    void loadStats() override {}
    void showStats() override {}
    void minimiseStats() override {}
    void restoreStats() override {}
    void unloadStats() override {}
    bool statsMinimised() const override { return false; }
    void showAboutSplash() override {}
    void closeAboutSplash() override {}
    void showAboutModal() override {}
    void removeBackground() override {}
    bool loadBackground(std::string_view) override { return true; }
    bool loadImage(ControlRef, std::string_view) override { return true; }
    void openHelp(std::string_view) override {}
    void centreMainWindow() override {}
    void messageBox(std::string_view, std::string_view, MessageIcon) override {}
    void yieldEvents() override {}
    [[noreturn]] void endProcess() override { std::abort(); }
};

class SteppingClock : public Clock {
public:
    double now() override { return seconds += 0.01; }
    double seconds = 0;
};

class FastRandom : public RandomSource {
public:
    void seed(double) override {}
    double fraction() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937_64 engine_{42};
};

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
