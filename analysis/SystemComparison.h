#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "analysis/SessionAnalysis.h"

// System B against system A on the same pockets, session for session (common
// random numbers), so the difference is free of the luck of the draw. The
// two are compared on their net results, end bankroll less start, so a
// system sat down with more money is not counted as doing better.
struct Comparison {
    std::uint64_t seed = 0;
    std::int64_t sessions = 0;
    // Each system's own figures over the compared sessions, as simulateSessions
    // gives them from the same seed (without the bands).
    SessionOutcome a, b;
    Estimate bNetsMore;                      // B's net result in money above A's
    Estimate level;                          // both net the same money
    Estimate meanNetDifference;              // B's net minus A's, in dollars
    std::vector<HistogramBin> netDifference; // of B's net minus A's, in dollars
};

// Why A and B cannot be compared (they are on different wheels), or nothing.
std::optional<InputProblem> checkComparable(const BettingSystem& a, const BettingSystem& b);

// Session i of the comparison replays session i of each system's own
// simulation from the same seed, so it agrees with simulateSessions to the
// last digit. The histogram has at most 40 bars of equal width from the
// 0.05th to the 99.95th percentile of the difference, the first and last bars
// stretched to the lowest and highest difference. Throws std::invalid_argument
// for a system checkSystem refuses or two systems checkComparable refuses;
// when stopped it returns early with sessions == 0.
Comparison compareSystems(const BettingSystem& a, const BettingSystem& b, std::int64_t sessions, std::uint64_t seed,
                          const WorkerThreads& threads, std::stop_token stop = {}, const ProgressSink& progress = {});
