#pragma once

#include <cstdint>
#include <vector>

#include "game/Pocket.h"
#include "ui/Screen.h"

struct PocketDeviation {
    PocketCode pocket;
    std::int32_t observed;
    double expected;
    double z; // (observed - expected) / sqrt(expected * (1 - 1/pockets))
};

// Is the wheel fair? Hits per pocket against the uniform expectation.
struct FairnessReport {
    std::int64_t spins = 0;
    int degreesOfFreedom = 0;
    double chiSquare = 0;
    double pValue = 1;                    // the chance of a chi-square at least this large on a fair wheel
    std::vector<PocketDeviation> pockets; // every pocket of the wheel
    PocketDeviation hottest{}, coldest{};
};

// Counts of pockets the wheel lacks are ignored. With no spins, p = 1.
FairnessReport testFairness(Wheel wheel, const NumberHitCounts& hits);
