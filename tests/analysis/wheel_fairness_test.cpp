#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "analysis/ConfidenceInterval.h"
#include "analysis/IncompleteGamma.h"
#include "analysis/PocketCounts.h"
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
        EXPECT_EQ(report.pValueMethod, Method::Exact);
        EXPECT_FALSE(report.tooFewSpins);
    }
    EXPECT_EQ(testFairness(Wheel::American, NumberHitCounts{}).pValue, 1.0) << "a wheel that has not spun";
}

TEST(IncompleteGamma, matchesKnownValuesFromTinyToLargeShapesAndRefusesOutsideItsDomain) {
    struct Case {
        double a, x, q; // Q(a, x) to 17 digits, from an arbitrary-precision library
    };
    for (const Case c : {Case{1e6, 1e6, 0.49986701923912741}, Case{1e6, 1'002'000, 0.022804095898769863},
                         Case{1e6, 998'000, 0.9773038859932632}, Case{1e4, 10'050, 0.30765755929743444},
                         Case{0.5, 1e-10, 0.99998871620832942}, Case{1e-3, 1e-3, 0.0063123532911397099},
                         Case{18, 20, 0.29702839792467381}, Case{100, 150, 5.9245403354839158e-6},
                         Case{2.5, 30, 1.2154569777183039e-11}})
        EXPECT_NEAR(upperRegularisedGamma(c.a, c.x) / c.q, 1.0, 1e-11) << c.a << ", " << c.x;
    for (const auto& [a, x] : {std::pair{0.0, 1.0}, std::pair{-1.0, 1.0}, std::pair{1.0, -1.0}, std::pair{2e8, 1.0},
                               std::pair{1.0, std::nan("")}})
        EXPECT_THROW(upperRegularisedGamma(a, x), std::domain_error) << a << ", " << x;
}

TEST(PocketCounts, everyCountWithinBoundsMatchesEveryWayThreePocketsFallInSixSpins) {
    // All 3^6 equally likely sequences, counted straight.
    std::map<std::pair<int, int>, int> lowestAndHighest;
    for (int code = 0; code < 729; ++code) {
        std::array<int, 3> counts{};
        for (int spin = 0, rest = code; spin < 6; ++spin, rest /= 3)
            ++counts[static_cast<std::size_t>(rest % 3)];
        ++lowestAndHighest[{*std::min_element(counts.begin(), counts.end()),
                            *std::max_element(counts.begin(), counts.end())}];
    }
    for (int low = 0; low <= 6; ++low)
        for (int high = low; high <= 6; ++high) {
            int ways = 0;
            for (const auto& [extremes, count] : lowestAndHighest)
                ways += extremes.first >= low && extremes.second <= high ? count : 0;
            EXPECT_NEAR(chanceEveryCountWithin(3, 6, low, high), ways / 729.0, 1e-14) << low << " to " << high;
        }
}

TEST(PocketCounts, theHottestAndColdestOfThirtySevenPocketsMatchASimulatedWheel) {
    // 20,000 fair wheels of 100 spins, spun one pocket at a time.
    std::mt19937_64 random(2026);
    std::uniform_int_distribution<int> pocket(0, 36);
    constexpr int kWheels = 20'000, kSpins = 100;
    std::int64_t hot = 0, cold = 0; // the most hit at 7 or more, the least at 0
    for (int wheel = 0; wheel < kWheels; ++wheel) {
        std::array<int, 37> counts{};
        for (int spin = 0; spin < kSpins; ++spin)
            ++counts[static_cast<std::size_t>(pocket(random))];
        hot += *std::max_element(counts.begin(), counts.end()) >= 7;
        cold += *std::min_element(counts.begin(), counts.end()) == 0;
    }
    const ExtremeCountChances exact = chanceOfExtremeCounts(37, kSpins, 7, 0, 1);
    EXPECT_EQ(exact.hottest.low, exact.hottest.high) << "small enough to be exact";
    auto expectWithin = [](const Estimate& simulated, double truth, const char* what) {
        const double widen = 3.2905 / 1.9600; // 99.9%
        EXPECT_GE(truth, simulated.value - (simulated.value - simulated.low) * widen) << what;
        EXPECT_LE(truth, simulated.value + (simulated.high - simulated.value) * widen) << what;
    };
    expectWithin(wilsonInterval(hot, kWheels), exact.hottest.value, "hottest");
    expectWithin(wilsonInterval(cold, kWheels), exact.coldest.value, "coldest");

    // Past the exact method's budget the chances are simulated; the exact
    // convolution still answers, only slower.
    const ExtremeCountChances many = chanceOfExtremeCounts(37, 5'000, 160, 110, 3);
    ASSERT_LT(many.hottest.low, many.hottest.high);
    expectWithin(many.hottest, 1 - chanceEveryCountWithin(37, 5'000, 0, 159), "hottest of 5,000");
    expectWithin(many.coldest, 1 - chanceEveryCountWithin(37, 5'000, 111, 5'000), "coldest of 5,000");
}

TEST(WheelFairness, aHotNumberIsJudgedAsTheHottestOfAllAndTooFewSpinsSaySo) {
    // Ten spins, 7 twice and eight other numbers once.
    NumberHitCounts hits{};
    hits[7] = 2;
    for (int pocket = 10; pocket < 18; ++pocket)
        hits[static_cast<std::size_t>(pocket)] = 1;
    const FairnessReport report = testFairness(Wheel::European, hits);
    const double p = 1.0 / 37, q = 36.0 / 37;
    EXPECT_NEAR(report.hottest.chanceAtLeast, 1 - std::pow(q, 10) - 10 * p * std::pow(q, 9), 1e-14);
    EXPECT_NEAR(report.pockets[10].chanceAtMost, std::pow(q, 10) + 10 * p * std::pow(q, 9), 1e-14);
    // Some number repeats within ten spins unless all ten differ: the birthday problem.
    double allDiffer = 1;
    for (int spin = 0; spin < 10; ++spin)
        allDiffer *= (37.0 - spin) / 37;
    EXPECT_NEAR(report.hottestAnywhere.value, 1 - allDiffer, 1e-12);
    EXPECT_NEAR(report.coldestAnywhere.value, 1.0, 1e-12) << "ten spins always miss some number";
    EXPECT_EQ(report.hottestTied, std::vector<PocketCode>{7});
    EXPECT_EQ(report.coldestTied.size(), 28U);
    EXPECT_TRUE(report.tooFewSpins);

    // Two spins: a chi-square at least as large as two hits on one number
    // comes only from the second spin repeating the first, 1 in 37; two
    // different numbers give the smallest chi-square there is.
    NumberHitCounts twice{};
    twice[5] = 2;
    const FairnessReport repeated = testFairness(Wheel::European, twice);
    EXPECT_EQ(repeated.pValueMethod, Method::MonteCarlo);
    const double widen = 3.2905 / 1.9600;
    EXPECT_GE(1.0 / 37, repeated.pValue - (repeated.pValue - repeated.pValueRange.low) * widen);
    EXPECT_LE(1.0 / 37, repeated.pValue + (repeated.pValueRange.high - repeated.pValue) * widen);
    NumberHitCounts apart{};
    apart[5] = apart[6] = 1;
    EXPECT_EQ(testFairness(Wheel::European, apart).pValue, 1.0);
}
