// From Cancel to the analysis's threads having stopped, at random moments of
// the largest systems the window accepts, on a quiet machine and beside two
// busy loops; and how long the owner's thread spends handing a job over.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <thread>
#include <vector>

#include "analysis/AnalysisJob.h"
#include "analysis/ExactPlan.h"
#include "layout/BetSpotCatalogue.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMoments = 50;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::size_t slotNamed(const char* name) { return static_cast<std::size_t>(*slotOfName(name)); }

// The largest tables the exact method takes: D'Alembert's 81 steps on red
// and a straight, 100,000 chips, 80 spins: 150 MiB and 1.3 G cell visits.
BettingSystem exactLargestTables() {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    system.stakes[slotNamed("lblSeventeen")] = 1;
    system.rules.bankroll = Money::fromDollars(100'000);
    system.rules.spinsPerSession = 80;
    system.rules.progression = Progression::DAlembert;
    return system;
}

// The most work the exact method takes: red alone, 100,000 chips, 15,000
// spins, 1.35 G cell visits.
BettingSystem exactLargestWork() {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    system.rules.bankroll = Money::fromDollars(100'000);
    system.rules.spinsPerSession = 15'000;
    return system;
}

// Beyond the exact method, at every field's largest: a billion dollars,
// 100,000 spins, 100,000,000 sessions, D'Alembert on red and a straight,
// compared with itself as A.
BettingSystem monteCarloLargest() {
    BettingSystem system = exactLargestTables();
    system.rules.bankroll = kLargestSystemAmount;
    system.rules.spinsPerSession = kMaxSpinsPerSession;
    return system;
}

// Two threads that want the processor all the time, at the ordinary
// priority, as two busy programs beside the table would.
class BusyLoops {
public:
    explicit BusyLoops(int count) {
        for (int i = 0; i < count; ++i)
            loops_.emplace_back([this] {
                while (!stop_.load(std::memory_order_relaxed))
                    spins_.fetch_add(1, std::memory_order_relaxed);
            });
    }
    ~BusyLoops() {
        stop_ = true;
        for (std::thread& loop : loops_)
            loop.join();
    }
    BusyLoops(const BusyLoops&) = delete;
    BusyLoops& operator=(const BusyLoops&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> spins_{0};
    std::vector<std::thread> loops_;
};

// Starts the job's threads and notes when the last of them ended, so that
// the time to stop is the threads' own, not that of this thread waking up to
// look at them.
class ThreadEnds {
public:
    ThreadStarter starter() {
        return [this](std::function<void()> body) {
            live_.fetch_add(1);
            return std::thread([this, body = std::move(body)] {
                body();
                const std::int64_t now = Clock::now().time_since_epoch().count();
                std::int64_t last = lastEnd_.load();
                while (last < now && !lastEnd_.compare_exchange_weak(last, now)) {
                }
                live_.fetch_sub(1);
            });
        };
    }
    bool allEnded() const { return live_.load() == 0; }
    Clock::time_point lastEnd() const { return Clock::time_point(Clock::duration(lastEnd_.load())); }

private:
    std::atomic<int> live_{0};
    std::atomic<std::int64_t> lastEnd_{0};
};

// The window's share of the processors: all but one core.
unsigned analysisThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 1 ? cores - 1 : 1;
}

// kMoments runs, each cancelled at a random moment of its first `span`, half
// of them in its first 2 ms, where the exact method sets up its tables.
void cancelAtRandomMoments(benchmark::State& state, const BettingSystem& system, std::optional<BettingSystem> keptA,
                           std::int64_t sessions, double spanMs) {
    const BusyLoops busy(static_cast<int>(state.range(0)));
    std::mt19937_64 random(15);
    double worstStopMs = 0, totalStopMs = 0, worstOwnerMs = 0;
    int finishedFirst = 0;
    for (auto _ : state) {
        for (int moment = 0; moment < kMoments; ++moment) {
            const double afterMs = std::uniform_real_distribution<double>(0, moment % 2 == 0 ? 2.0 : spanMs)(random);
            ThreadEnds ends;
            Clock::time_point owner = Clock::now();
            auto job =
                std::make_unique<AnalysisJob>(system, keptA, sessions, random(), analysisThreads(), ends.starter());
            worstOwnerMs = std::max(worstOwnerMs, msSince(owner));
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(afterMs));
            if (job->finished()) {
                ++finishedFirst;
                while (!ends.allEnded())
                    std::this_thread::sleep_for(std::chrono::microseconds(50));
                continue;
            }
            const Clock::time_point cancelled = Clock::now();
            job->cancel();
            worstOwnerMs = std::max(worstOwnerMs, msSince(cancelled));
            while (!ends.allEnded())
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            const double stopMs = std::chrono::duration<double, std::milli>(ends.lastEnd() - cancelled).count();
            worstStopMs = std::max(worstStopMs, stopMs);
            totalStopMs += stopMs;
            owner = Clock::now();
            job.reset();
            worstOwnerMs = std::max(worstOwnerMs, msSince(owner));
        }
    }
    const int cancelledRuns = static_cast<int>(state.iterations()) * kMoments - finishedFirst;
    state.counters["worst_stop_ms"] = worstStopMs;
    state.counters["mean_stop_ms"] = cancelledRuns > 0 ? totalStopMs / cancelledRuns : 0;
    state.counters["worst_owner_ms"] = worstOwnerMs;
    state.counters["finished_before_cancel"] = finishedFirst;
}

void cancelExact(benchmark::State& state, const BettingSystem& system) {
    if (!exactMethodFits(system)) {
        state.SkipWithError("the system no longer fits the exact method");
        return;
    }
    const ExactPlan plan = planExactly(system);
    state.counters["table_mib"] = plan.bytes / (1024.0 * 1024.0);
    state.counters["visits"] = plan.work;
    cancelAtRandomMoments(state, system, std::nullopt, 1'000, 300);
}

void BM_CancelExactLargestTables(benchmark::State& state) { cancelExact(state, exactLargestTables()); }
void BM_CancelExactLargestWork(benchmark::State& state) { cancelExact(state, exactLargestWork()); }
void BM_CancelMonteCarloLargest(benchmark::State& state) {
    const BettingSystem system = monteCarloLargest();
    cancelAtRandomMoments(state, system, system, kMaxSessions, 300);
}

// The argument is the number of busy loops beside the analysis.
BENCHMARK(BM_CancelExactLargestTables)->Arg(0)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CancelExactLargestWork)->Arg(0)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CancelMonteCarloLargest)->Arg(0)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
