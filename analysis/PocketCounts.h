#pragma once

#include <cstdint>

#include "analysis/SessionAnalysis.h"

// Chances of the hits per pocket of a fair wheel of `pockets` pockets spun
// `spins` times, where every pocket's count is binomial and the counts
// together are multinomial.

// P(X >= hits) and P(X <= hits) for one pocket's count X, exactly.
double chanceOfAtLeast(int pockets, std::int64_t spins, std::int64_t hits);
double chanceOfAtMost(int pockets, std::int64_t spins, std::int64_t hits);

// P(low <= every pocket's count <= high), exactly: the counts are
// independent Poisson counts conditioned on their sum, so the chance is a
// convolution of Poisson chances cut to [low, high], over the Poisson chance
// of the sum. Chances below 1e-30 of the largest are left out along the way.
double chanceEveryCountWithin(int pockets, std::int64_t spins, std::int64_t low, std::int64_t high);

// On a fair wheel, the chance that the most hit pocket has at least
// `hottest` hits, and that the least hit has at most `coldest`: exact while
// that takes at most kExactCountWork steps (some 2,800 spins of 37 pockets),
// otherwise from kCountTrials wheels simulated from `seed`, with their 95%
// intervals.
inline constexpr double kExactCountWork = 1e7;
inline constexpr std::int64_t kCountTrials = 2'000;
struct ExtremeCountChances {
    Estimate hottest, coldest;
};
ExtremeCountChances chanceOfExtremeCounts(int pockets, std::int64_t spins, std::int64_t hottest, std::int64_t coldest,
                                          std::uint64_t seed);
