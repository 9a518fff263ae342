#include <gtest/gtest.h>

#include <cmath>

#include "analysis/WheelFairness.h"

namespace {

// Q(k, x) for a whole k: e^-x times the first k terms of the series of e^x.
double upperGammaWhole(int k, double x) {
    double term = 1, sum = 0;
    for (int i = 0; i < k; ++i) {
        sum += term;
        term *= x / (i + 1);
    }
    return std::exp(-x) * sum;
}

} // namespace

TEST(WheelFairness, chiSquareAndItsChanceFollowTheHitsOnTheWheel) {
    struct Case {
        int shift;        // pockets 0 and 1 get this many extra hits, 2 and 3 this many fewer
        double chiSquare; // 4 shift^2 / 10
    };
    // 370 spins, ten expected per pocket. 36 degrees of freedom: Q(18, chi/2),
    // one case on each side of where the computation changes method.
    for (const Case c : {Case{3, 3.6}, Case{5, 10.0}, Case{10, 40.0}}) {
        NumberHitCounts hits{};
        hits.fill(10);
        hits[0] += c.shift;
        hits[1] += c.shift;
        hits[2] -= c.shift;
        hits[3] -= c.shift;
        hits[kDoubleZero] = 99; // not a pocket of this wheel
        const FairnessReport report = testFairness(Wheel::European, hits);
        EXPECT_EQ(report.spins, 370);
        EXPECT_EQ(report.degreesOfFreedom, 36);
        EXPECT_NEAR(report.chiSquare, c.chiSquare, 1e-12);
        EXPECT_NEAR(report.pValue, upperGammaWhole(18, c.chiSquare / 2), 1e-12) << c.shift;
        ASSERT_EQ(report.pockets.size(), 37U);
        EXPECT_DOUBLE_EQ(report.pockets[5].expected, 10.0);
        EXPECT_NEAR(report.pockets[0].z, c.shift / std::sqrt(10.0 * 36 / 37), 1e-12);
        EXPECT_EQ(report.hottest.pocket, 0);
        EXPECT_EQ(report.coldest.pocket, 2);
        EXPECT_EQ(report.coldest.observed, 10 - c.shift);
    }
    EXPECT_EQ(testFairness(Wheel::American, NumberHitCounts{}).pValue, 1.0) << "a wheel that has not spun";
}
