#include "analysis/WheelFairness.h"

#include <cmath>

#include "analysis/IncompleteGamma.h"

FairnessReport testFairness(Wheel wheel, const NumberHitCounts& hits) {
    const int pockets = pocketsOn(wheel);
    FairnessReport report;
    for (int pocket = 0; pocket < pockets; ++pocket)
        report.spins += hits[static_cast<std::size_t>(pocket)];
    report.degreesOfFreedom = pockets - 1;

    const double expected = static_cast<double>(report.spins) / pockets;
    // The spread of one pocket's count is binomial, not Poisson: a pocket's
    // hits and the others' are tied by the total.
    const double spread = std::sqrt(expected * (1.0 - 1.0 / pockets));
    for (int pocket = 0; pocket < pockets; ++pocket) {
        const std::int32_t observed = hits[static_cast<std::size_t>(pocket)];
        const double deviation = observed - expected;
        const PocketDeviation row{static_cast<PocketCode>(pocket), observed, expected,
                                  spread > 0 ? deviation / spread : 0.0};
        if (expected > 0)
            report.chiSquare += deviation * deviation / expected;
        report.pockets.push_back(row);
        if (pocket == 0 || row.z > report.hottest.z)
            report.hottest = row;
        if (pocket == 0 || row.z < report.coldest.z)
            report.coldest = row;
    }
    report.pValue =
        report.spins > 0 ? upperRegularisedGamma(report.degreesOfFreedom / 2.0, report.chiSquare / 2.0) : 1.0;
    return report;
}
