#include "analysis/WheelFairness.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/ConfidenceInterval.h"
#include "analysis/IncompleteGamma.h"
#include "analysis/PocketCounts.h"
#include "analysis/SessionRandom.h"

namespace {

// The share of fair wheels spun `spins` times whose sum of squared counts,
// and so whose chi-square, is at least `squares`.
Estimate simulatedPValue(int pockets, std::int64_t spins, std::int64_t squares, std::uint64_t seed) {
    SessionRandom random(seed, 0);
    std::vector<std::int64_t> counts(static_cast<std::size_t>(pockets));
    std::int64_t asLarge = 0;
    for (std::int64_t trial = 0; trial < kFairnessTrials; ++trial) {
        std::fill(counts.begin(), counts.end(), 0);
        std::int64_t sum = 0;
        for (std::int64_t spin = 0; spin < spins; ++spin) {
            // (c + 1)^2 - c^2 = 2c + 1
            std::int64_t& count = counts[static_cast<std::size_t>(random.pocket(pockets))];
            sum += 2 * count + 1;
            ++count;
        }
        asLarge += sum >= squares;
    }
    return wilsonInterval(asLarge, kFairnessTrials);
}

} // namespace

FairnessReport testFairness(Wheel wheel, const NumberHitCounts& hits, std::uint64_t seed) {
    const int pockets = pocketsOn(wheel);
    FairnessReport report;
    report.seed = seed;
    std::int64_t squares = 0;
    for (int pocket = 0; pocket < pockets; ++pocket) {
        const std::int64_t count = hits[static_cast<std::size_t>(pocket)];
        report.spins += count;
        squares += count * count;
    }
    report.degreesOfFreedom = pockets - 1;

    const double expected = static_cast<double>(report.spins) / pockets;
    // The spread of one pocket's count is binomial, not Poisson: a pocket's
    // hits and the others' are tied by the total.
    const double spread = std::sqrt(expected * (1.0 - 1.0 / pockets));
    for (int pocket = 0; pocket < pockets; ++pocket) {
        const std::int32_t observed = hits[static_cast<std::size_t>(pocket)];
        const double deviation = observed - expected;
        const PocketDeviation row{static_cast<PocketCode>(pocket),
                                  observed,
                                  expected,
                                  spread > 0 ? deviation / spread : 0.0,
                                  chanceOfAtLeast(pockets, report.spins, observed),
                                  chanceOfAtMost(pockets, report.spins, observed)};
        if (expected > 0)
            report.chiSquare += deviation * deviation / expected;
        report.pockets.push_back(row);
        if (pocket == 0 || row.z > report.hottest.z)
            report.hottest = row;
        if (pocket == 0 || row.z < report.coldest.z)
            report.coldest = row;
    }
    for (const PocketDeviation& row : report.pockets) {
        if (row.observed == report.hottest.observed)
            report.hottestTied.push_back(row.pocket);
        if (row.observed == report.coldest.observed)
            report.coldestTied.push_back(row.pocket);
    }
    report.tooFewSpins = expected < kFewestSpinsPerPocketToTell;
    if (report.spins == 0)
        return report;

    if (expected >= kChiSquareFromExpected) {
        report.pValue = upperRegularisedGamma(report.degreesOfFreedom / 2.0, report.chiSquare / 2.0);
        report.pValueRange = {report.pValue, report.pValue, report.pValue};
    } else {
        report.pValueMethod = Method::MonteCarlo;
        report.pValueRange = simulatedPValue(pockets, report.spins, squares, seed);
        report.pValue = report.pValueRange.value;
    }
    const ExtremeCountChances extremes =
        chanceOfExtremeCounts(pockets, report.spins, report.hottest.observed, report.coldest.observed, seed);
    report.hottestAnywhere = extremes.hottest;
    report.coldestAnywhere = extremes.coldest;
    return report;
}
