#include <benchmark/benchmark.h>

#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "layout/BetSpotCatalogue.h"
#include "results/ResultHistory.h"
#include "ui/Screen.h"

// The cost of the game logic alone: a screen that draws nothing and a clock
// that stands still, so only drawing, settling and recording are measured.

namespace {

class SilentScreen final : public Screen {
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
    void showHistory(const ResultHistory&, const NumberHitCounts&) override {}
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
