#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "analysis/SessionAnalysis.h"
#include "analysis/WorkerThreads.h"
#include "systems/System.h"

// What many sessions of a system come to, exactly or by Monte Carlo, with the
// analyser's seeded random source, block runner and intervals.
namespace systems {

// How a session ended, checked after every spin (the last one too) in this
// order: the target reached, the stop-loss reached, the next stake not
// covered by the bankroll, the system's own stop (after a win, at the end of
// a series), the spins all played.
enum class EndReason : std::uint8_t { Target, StopLoss, NotCovered, SystemStop, SpinsDone };
inline constexpr int kEndReasons = 5;

enum class MethodChoice : std::uint8_t { Auto, Exact, MonteCarlo };

// One session's bankroll, in chips, before the first spin and after each.
struct SamplePath {
    std::vector<std::int64_t> chips;
    EndReason end = EndReason::SpinsDone;
};

// Chips are whole chips of the system's unit; chipValue turns them into money.
struct SystemOutcome {
    Method method = Method::Exact; // which method answered the figures down to stillPlaying
    std::uint64_t seed = 0;
    std::int64_t sessions = 0; // Monte Carlo sessions played (for the path figures too)
    Money chipValue;
    std::int64_t startChips = 0;

    Estimate ends[kEndReasons]; // indexed by EndReason; they add up to one
    Estimate ahead;             // ended above the start
    Estimate meanEndChips;
    Estimate meanNetChips;
    Estimate meanTotalStakedChips;
    Estimate meanSpinsPlayed;
    Estimate lossPerChipStaked; // -mean net / mean total staked: the house edge, 1/37 or 2/38, whatever the system
    // stillPlaying[n]: the chance that a session plays spin n + 1 (index 0 is 1).
    std::vector<double> stillPlaying;
    std::vector<HistogramBin> endHistogram;

    // Figures about the path of a session. They come from Monte Carlo (from
    // `seed`) whichever method answered the figures above.
    std::vector<HistogramBin> largestDrawdown; // chips, peak to trough within a session
    Estimate meanLargestDrawdown;
    std::vector<HistogramBin> longestLosingStreak; // spins in a row with a net loss
    Estimate meanLongestLosingStreak;
    std::int64_t largestStake = 0; // chips on one spin, over every session
    Estimate meanLargestStake;
    Estimate limitStopped;               // sessions in which a table limit stopped a progression
    Estimate bankrollStopped;            // sessions that ended because the next stake was not covered
    std::vector<SamplePath> samplePaths; // the first 20 sessions
    // Percentiles of the bankroll in chips before the first spin and after
    // each, from the first sessions of the seed (a session that has ended
    // keeps its bankroll).
    std::vector<BankrollBand> bands;

    const Estimate& end(EndReason e) const { return ends[static_cast<int>(e)]; }
};

inline constexpr int kSamplePaths = 20;

// Whether the exact method takes this system: its state (bankroll, money
// management, selector memory) is finite and within kExactWorkBudget and
// kExactMemoryBudget. False for a system problemWith refuses.
bool exactMethodTakes(const System& system);

// `sessions` simulated sessions from `seed` on `threads` threads (0: one per
// core); the same seed gives the same figures on any number of threads.
// Throws std::invalid_argument with problemWith's message, or when `sessions`
// is outside 1 to kMaxSessions. When stopped it returns early with sessions == 0.
SystemOutcome simulateSystem(const System& system, std::int64_t sessions, std::uint64_t seed, unsigned threads,
                             std::stop_token stop = {}, const ProgressSink& progress = {});

// The exact figures (the path figures from `sessions` Monte Carlo sessions).
// Throws std::invalid_argument when the exact method does not take the system.
SystemOutcome analyseSystemExactly(const System& system, std::int64_t sessions, std::uint64_t seed, unsigned threads,
                                   std::stop_token stop = {}, const ProgressSink& progress = {});

// Auto: exact where the exact method takes the system, Monte Carlo otherwise.
SystemOutcome analyseSystem(const System& system, MethodChoice choice, std::int64_t sessions, std::uint64_t seed,
                            unsigned threads, std::stop_token stop = {}, const ProgressSink& progress = {});

// analyseSystem in two steps, for a caller that shows the exact figures as
// soon as they are done: exactFiguresOf gives them without the path figures
// (sessions 0), or nothing when `choice` has the system simulated;
// completeAnalysis then adds the path figures, or simulates everything when
// given nothing. Together they give what analyseSystem gives, and throw as
// it does. The simulation's threads are started by `threads.start`.
std::optional<SystemOutcome> exactFiguresOf(const System& system, MethodChoice choice, std::stop_token stop = {},
                                            const ProgressSink& progress = {});
SystemOutcome completeAnalysis(const System& system, std::optional<SystemOutcome> exact, std::int64_t sessions,
                               std::uint64_t seed, const WorkerThreads& threads, std::stop_token stop = {},
                               const ProgressSink& progress = {});

} // namespace systems
