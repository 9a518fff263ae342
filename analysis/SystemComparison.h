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

Comparison compareSystems(const BettingSystem& a, const BettingSystem& b, std::int64_t sessions, std::uint64_t seed,
                          unsigned threads, std::stop_token stop = {}, const ProgressSink& progress = {});
