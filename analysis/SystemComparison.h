#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "analysis/SessionAnalysis.h"

// System B against system A on the same pockets, session for session (common
// random numbers), so the difference is free of the luck of the draw.
struct Comparison {
    std::uint64_t seed = 0;
    std::int64_t sessions = 0;
    Estimate bAhead;                      // B's end bankroll in money above A's
    Estimate tie;                         // both end on the same money
    Estimate meanDifference;              // B minus A, in dollars
    std::vector<HistogramBin> difference; // of B minus A, in dollars
};

// Session i of the comparison replays session i of each system's own
// simulation from the same seed, so it agrees with simulateSessions to the
// last digit. End bankrolls in money keep the change a unit could not stake.
// The histogram has at most 40 bars of equal width from the 0.05th to the
// 99.95th percentile of the difference, the first and last bars stretched to
// the lowest and highest difference. Throws std::invalid_argument for a
// system checkSystem refuses; when stopped it returns early with sessions == 0.
Comparison compareSystems(const BettingSystem& a, const BettingSystem& b, std::int64_t sessions, std::uint64_t seed,
                          const WorkerThreads& threads, std::stop_token stop = {}, const ProgressSink& progress = {});
