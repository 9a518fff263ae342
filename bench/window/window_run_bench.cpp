// A run of 400 quick spins through the real table window, with a chip on
// every spot that takes one and the statistics window loaded. Reports the
// run's wall time and the longest stretch without a yield to the event loop,
// which is how long a click or a repaint could have to wait. The second
// measurement runs the same day with the System Analysis window open and an
// analysis of the layout running on its threads all the while. The last ones
// play a 400-spin system session on the table, its chips clicked onto the
// layout before every spin.
//   QT_QPA_PLATFORM=offscreen window_run_bench
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "analysis/AnalysisJob.h"
#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "layout/BetSpotCatalogue.h"
#include "systems/NamedSystems.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/SteppingClock.h"

namespace {
using Steady = std::chrono::steady_clock;
constexpr double kSecondsPerClockReading = 0.05;
constexpr std::uint64_t kSeed = 400;
constexpr int kLeftButton = 1;
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr int kModalCheckMs = 20;
constexpr auto kSlowGap = std::chrono::milliseconds(16);
constexpr int kHandOffs = 50;

// Far more than a day of spins takes, so the analysis runs from the first
// spin to the last.
void startLongAnalysis(FrmAnalysis& analysis) {
    analysis.findChild<QLineEdit*>(QStringLiteral("txtSpins"))->setText(QStringLiteral("100000"));
    analysis.findChild<QLineEdit*>(QStringLiteral("txtSessions"))->setText(QStringLiteral("100000000"));
    analysis.run();
}

// What the analysis window is doing while the table spins.
enum class Beside { Nothing, RunningAnalysis, FinishedAnalysis };

// A quick analysis that ends before the day starts, so the window's charts
// are on show and the player's own session is redrawn over the bands.
void finishShortAnalysis(FrmAnalysis& analysis) {
    analysis.findChild<QLineEdit*>(QStringLiteral("txtSpins"))->setText(QStringLiteral("400"));
    analysis.findChild<QLineEdit*>(QStringLiteral("txtSessions"))->setText(QStringLiteral("10000"));
    analysis.run();
    while (analysis.running())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void dayOfQuickSpins(benchmark::State& state, Beside beside) {
    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerClockReading),
                     std::make_unique<RandomGenerator>(kSeed));
    window.start();
    QueltaGame& game = window.game();
    for (const BetSpot& spot : betSpots())
        if (spot.takesChipsOn(Wheel::European))
            game.BetSpotMouseUp(spot.slot, kLeftButton);
    window.screen().loadStats();
    game.menuClicked(MenuItem::mnuDaySpins);
    FrmAnalysis* analysis = nullptr;
    if (beside != Beside::Nothing) {
        window.openAnalysis();
        analysis = window.analysisWindow();
        if (beside == Beside::FinishedAnalysis)
            finishShortAnalysis(*analysis);
    }
    // The first paint of the whole window with its chips belongs to the set-up.
    QApplication::processEvents();

    std::optional<Steady::time_point> lastYield;
    Steady::duration longestGap{};
    long slowGaps = 0;
    window.screen().setYieldHook([&] {
        const auto now = Steady::now();
        if (lastYield) {
            longestGap = std::max(longestGap, now - *lastYield);
            if (now - *lastYield > kSlowGap)
                ++slowGaps;
        }
        lastYield = now;
    });

    double worstGapSeconds = 0;
    long analysedThroughout = 0;
    for (auto _ : state) {
        if (beside == Beside::RunningAnalysis && !analysis->running())
            startLongAnalysis(*analysis);
        lastYield = Steady::now();
        longestGap = {};
        game.cmdStart_Click();
        longestGap = std::max(longestGap, Steady::now() - *lastYield);
        worstGapSeconds = std::max(worstGapSeconds, std::chrono::duration<double>(longestGap).count());
        if (beside == Beside::RunningAnalysis && analysis->running())
            ++analysedThroughout;
    }
    if (analysis != nullptr)
        analysis->cancel();
    window.screen().setYieldHook({});
    state.counters["longest_gap_ms"] = worstGapSeconds * kMillisecondsPerSecond;
    state.counters["gaps_over_16ms"] = static_cast<double>(slowGaps);
    state.counters["spins"] = game.state().SpinCount;
    if (beside == Beside::RunningAnalysis)
        state.counters["runs_with_analysis_throughout"] = static_cast<double>(analysedThroughout);
}
BENCHMARK_CAPTURE(dayOfQuickSpins, alone, Beside::Nothing)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(dayOfQuickSpins, beside_a_running_analysis, Beside::RunningAnalysis)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(dayOfQuickSpins, beside_a_finished_analysis, Beside::FinishedAnalysis)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

double threadProcessorMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * kMillisecondsPerSecond + static_cast<double>(now.tv_nsec) * 1e-6;
}

// The window's side of starting and stopping analyses: Run on the exact
// method's most work (red, 100,000 chips, 15,000 spins), then at a random
// moment Cancel, Reset (the window hands the job over at its next look at the
// table) or closing the window, 50 times, with the argument's number of busy
// loops beside. Reports the longest time one of these calls, or one pass of
// the event loop while the analysis runs, held the window's thread.
void analysisHandOff(benchmark::State& state) {
    std::atomic<bool> stopBusy{false};
    std::vector<std::thread> busy;
    for (int i = 0; i < state.range(0); ++i)
        busy.emplace_back([&stopBusy] {
            while (!stopBusy.load(std::memory_order_relaxed)) {
            }
        });
    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerClockReading),
                     std::make_unique<RandomGenerator>(kSeed));
    window.start();
    QueltaGame& game = window.game();
    window.openAnalysis();
    FrmAnalysis* analysis = window.analysisWindow();
    QApplication::processEvents();

    std::mt19937_64 random(15);
    double longestRunMs = 0, longestCancelMs = 0, longestResetMs = 0, longestCloseMs = 0, longestPassMs = 0;
    // Wall time, and the processor time of this thread alone: on a shared
    // machine the difference is time the thread stood waiting for a core.
    double longestProcessorMs = 0;
    auto timed = [&longestProcessorMs](double& longest, auto&& action) {
        const auto start = Steady::now();
        const double processorStart = threadProcessorMs();
        action();
        longestProcessorMs = std::max(longestProcessorMs, threadProcessorMs() - processorStart);
        longest = std::max(longest, std::chrono::duration<double, std::milli>(Steady::now() - start).count());
    };
    for (auto _ : state) {
        for (int pair = 0; pair < kHandOffs; ++pair) {
            if (game.state().Stakes[slot::lblRed] == 0)
                game.BetSpotMouseUp(slot::lblRed, kLeftButton);
            analysis->findChild<QLineEdit*>(QStringLiteral("txtBankroll"))->setText(QStringLiteral("100000"));
            analysis->findChild<QLineEdit*>(QStringLiteral("txtSpins"))->setText(QStringLiteral("15000"));
            timed(longestRunMs, [&] { analysis->run(); });
            const auto until = Steady::now() + std::chrono::duration<double, std::milli>(
                                                   std::uniform_real_distribution<double>(0, 300)(random));
            while (Steady::now() < until)
                timed(longestPassMs, [] { QApplication::processEvents(QEventLoop::AllEvents, 1); });
            switch (pair % 3) {
            case 0: timed(longestCancelMs, [&] { analysis->cancel(); }); break;
            case 1:
                game.cmdReset_Click();
                timed(longestResetMs, [&] { analysis->refreshNow(); });
                break;
            default:
                timed(longestCloseMs, [&] { analysis->close(); });
                window.openAnalysis();
                break;
            }
        }
    }
    while (AnalysisJob::jobsAtWork() != 0)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    stopBusy = true;
    for (std::thread& loop : busy)
        loop.join();
    state.counters["longest_run_ms"] = longestRunMs;
    state.counters["longest_cancel_ms"] = longestCancelMs;
    state.counters["longest_reset_ms"] = longestResetMs;
    state.counters["longest_close_ms"] = longestCloseMs;
    state.counters["longest_event_pass_ms"] = longestPassMs;
    state.counters["longest_processor_ms"] = longestProcessorMs;
}
BENCHMARK(analysisHandOff)->Arg(0)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

// A session that plays all its 400 spins: a bankroll no loss of these stakes
// reaches. `name` is a named system, or empty for one chip on every spot,
// which is the most clicks a spin of a fixed layout makes.
systems::System sessionOf(const std::string& name) {
    systems::System system;
    system.name = "every spot";
    system.bets.push_back({systems::FixedSpots{}, systems::Flat{}, 1, systems::AtCap::Stay});
    for (const BetSpot& spot : betSpots())
        if (spot.takesChipsOn(Wheel::European))
            std::get<systems::FixedSpots>(system.bets[0].selection).spots.push_back({std::string(spot.name), 1});
    for (const systems::System& named : systems::namedSystems(Wheel::European))
        if (named.name == name)
            system = named;
    system.rules.bankroll = Money::fromDollars(10'000'000);
    system.rules.spins = 400;
    return system;
}

void systemSessionOnTable(benchmark::State& state, const std::string& name, bool analysisOpen) {
    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerClockReading),
                     std::make_unique<RandomGenerator>(kSeed));
    window.start();
    QueltaGame& game = window.game();
    window.screen().loadStats();
    if (analysisOpen)
        window.openAnalysis();
    QApplication::processEvents();
    const systems::System system = sessionOf(name);

    std::optional<Steady::time_point> lastYield;
    Steady::duration longestGap{};
    long slowGaps = 0;
    window.screen().setYieldHook([&] {
        const auto now = Steady::now();
        if (lastYield) {
            longestGap = std::max(longestGap, now - *lastYield);
            slowGaps += now - *lastYield > kSlowGap ? 1 : 0;
        }
        lastYield = now;
    });
    double worstGapSeconds = 0;
    long spins = 0, chips = 0;
    for (auto _ : state) {
        const long before = game.state().ledger.size();
        lastYield = Steady::now();
        longestGap = {};
        game.playSystem(system);
        longestGap = std::max(longestGap, Steady::now() - *lastYield);
        worstGapSeconds = std::max(worstGapSeconds, std::chrono::duration<double>(longestGap).count());
        spins += game.systemPlay().spins;
        for (std::size_t k = static_cast<std::size_t>(before); k < game.state().ledger.size(); ++k)
            chips += game.state().ledger.entries()[k].bet.tenThousandths() / Money::fromDollars(1).tenThousandths();
    }
    window.screen().setYieldHook({});
    state.counters["longest_gap_ms"] = worstGapSeconds * kMillisecondsPerSecond;
    state.counters["gaps_over_16ms"] = static_cast<double>(slowGaps);
    state.counters["spins_per_session"] = static_cast<double>(spins) / static_cast<double>(state.iterations());
    state.counters["chips_per_spin"] = static_cast<double>(chips) / static_cast<double>(std::max(spins, 1L));
}
// Played from the analysis window, which stays open and follows the table;
// and on the table alone, to tell the table's part from the window's.
BENCHMARK_CAPTURE(systemSessionOnTable, martingale_red, std::string("martingale-red"), true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(systemSessionOnTable, two_dozens, std::string("two-dozens-martingale"), true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(systemSessionOnTable, chip_on_every_spot, std::string(), true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(systemSessionOnTable, martingale_red_table_alone, std::string("martingale-red"), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(systemSessionOnTable, two_dozens_table_alone, std::string("two-dozens-martingale"), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(systemSessionOnTable, chip_on_every_spot_table_alone, std::string(), false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Choosing a named system in the analysis window and pressing Run, to its
// first figures on show (the exact ones, before the path figures): the exact
// method's systems, with the argument's number of sessions for the path
// figures.
void namedSystemToFirstFigures(benchmark::State& state, const std::string& name) {
    FrmQuelta window(std::make_unique<SteppingClock>(kSecondsPerClockReading),
                     std::make_unique<RandomGenerator>(kSeed));
    window.start();
    window.openAnalysis();
    FrmAnalysis* analysis = window.analysisWindow();
    QApplication::processEvents();
    auto* choice = analysis->findChild<QComboBox*>(QStringLiteral("cboSystem"));
    analysis->findChild<QLineEdit*>(QStringLiteral("txtSessions"))->setText(QString::number(state.range(0)));
    analysis->findChild<QLineEdit*>(QStringLiteral("txtSeed"))->setText(QStringLiteral("1"));
    auto* meanNet = analysis->findChild<QLabel*>(QStringLiteral("lblSystemMeanNet"));
    const int index = choice->findText(QString::fromStdString(name));
    for (auto _ : state) {
        choice->setCurrentIndex(0);
        const auto start = Steady::now();
        choice->setCurrentIndex(index);
        analysis->run(); // clears the figures
        while (analysis->running() && meanNet->text().isEmpty())
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        state.SetIterationTime(std::chrono::duration<double>(Steady::now() - start).count());
        // The path figures' sessions are not part of it, but must not
        // overlap the next choice.
        while (analysis->running())
            QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}
BENCHMARK_CAPTURE(namedSystemToFirstFigures, flat_red, std::string("flat-red"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(namedSystemToFirstFigures, martingale_red, std::string("martingale-red"))
    ->Arg(10'000)
    ->Arg(100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    // The table pictures are read from the program's folder; a box about a
    // missing one is answered at once rather than waiting for a person.
    QDir::setCurrent(QStringLiteral(QUELTA_BENCH_PICTURES_DIR));
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    answerer.start(kModalCheckMs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
