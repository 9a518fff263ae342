#pragma once

#include <cstdint>
#include <vector>

#include "analysis/SessionAnalysis.h"
#include "game/Pocket.h"
#include "ui/Screen.h"

struct PocketDeviation {
    PocketCode pocket;
    std::int32_t observed;
    double expected;
    double z;             // (observed - expected) / sqrt(expected * (1 - 1/pockets))
    double chanceAtLeast; // that this one pocket has at least `observed` hits on a fair wheel, exactly
    double chanceAtMost;  // that it has at most `observed`
};

// Below this many spins per pocket on average the counts cannot tell a fair
// wheel from a biased one: most numbers have had no fair chance to come up,
// and any one repeat is as likely as not.
inline constexpr double kFewestSpinsPerPocketToTell = 1.0;
// From this many expected hits per pocket the chi-square distribution gives
// the statistic's chance; below it, its chance is simulated.
inline constexpr double kChiSquareFromExpected = 5.0;
inline constexpr std::int64_t kFairnessTrials = 20'000;

// Is the wheel fair? Hits per pocket against the uniform expectation.
struct FairnessReport {
    std::int64_t spins = 0;
    int degreesOfFreedom = 0;
    double chiSquare = 0;
    // The chance of a chi-square at least this large on a fair wheel: from
    // the chi-square distribution (Method::Exact, low == high == value) when
    // every pocket expects kChiSquareFromExpected hits or more, otherwise
    // from kFairnessTrials fair wheels simulated from `seed`, with its 95%
    // interval (Method::MonteCarlo).
    double pValue = 1;
    Estimate pValueRange{1, 1, 1};
    Method pValueMethod = Method::Exact;
    std::uint64_t seed = 0;
    // Fewer than kFewestSpinsPerPocketToTell spins per pocket: too few spins
    // to tell anything, whatever the figures say.
    bool tooFewSpins = true;
    std::vector<PocketDeviation> pockets; // every pocket of the wheel
    PocketDeviation hottest{}, coldest{};
    std::vector<PocketCode> hottestTied, coldestTied; // every pocket with the hottest's (coldest's) hits
    // On a fair wheel, the chance that the most hit of all its pockets has at
    // least the hottest's hits, and that the least hit has at most the
    // coldest's: what a hot or cold number means when it is picked out as
    // the hottest or coldest.
    Estimate hottestAnywhere{1, 1, 1}, coldestAnywhere{1, 1, 1};
};

// Counts of pockets the wheel lacks are ignored. With no spins, p = 1.
// Simulated figures come from `seed`, so the same counts give the same report.
FairnessReport testFairness(Wheel wheel, const NumberHitCounts& hits, std::uint64_t seed = 1);
