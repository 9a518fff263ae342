#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <thread>

#include "analysis/AnalysisJob.h"
#include "analysis/ConfidenceInterval.h"
#include "analysis/SessionAnalysis.h"
#include "analysis/SystemComparison.h"

namespace {

int straightSlot(int number) {
    for (const BetSpot& spot : betSpots())
        if (spot.kindOn(Wheel::European) == BetKind::Straight && spot.coversOn(Wheel::European).contains(number))
            return spot.slot;
    throw std::logic_error("no straight for that number");
}

BettingSystem redWith(std::int64_t bankrollChips, Progression progression = Progression::Flat) {
    BettingSystem system;
    system.stakes[slot::lblRed] = 1;
    system.rules.bankroll = Money::fromDollars(bankrollChips);
    system.rules.progression = progression;
    return system;
}

void expectWithin(const Estimate& estimate, double truth, const char* what) {
    EXPECT_LE(estimate.low, truth) << what;
    EXPECT_GE(estimate.high, truth) << what;
}

void expectSameFigures(const SessionOutcome& a, const SessionOutcome& b) {
    auto same = [](const Estimate& x, const Estimate& y) {
        return x.value == y.value && x.low == y.low && x.high == y.high;
    };
    EXPECT_TRUE(same(a.notCovered, b.notCovered) && same(a.target, b.target) && same(a.stopLoss, b.stopLoss) &&
                same(a.ahead, b.ahead) && same(a.meanEndChips, b.meanEndChips) &&
                same(a.meanSpinsPlayed, b.meanSpinsPlayed));
    EXPECT_EQ(a.medianEndChips, b.medianEndChips);
    ASSERT_EQ(a.bands.size(), b.bands.size());
    for (std::size_t i = 0; i < a.bands.size(); ++i)
        ASSERT_TRUE(a.bands[i].p5 == b.bands[i].p5 && a.bands[i].p50 == b.bands[i].p50 &&
                    a.bands[i].p95 == b.bands[i].p95)
            << "after spin " << i;
    ASSERT_EQ(a.endHistogram.size(), b.endHistogram.size());
    for (std::size_t i = 0; i < a.endHistogram.size(); ++i)
        EXPECT_EQ(a.endHistogram[i].probability, b.endHistogram[i].probability);
}

} // namespace

TEST(MonteCarlo, flatEvenMoneyBettingMeetsTheGamblersRuinFormula) {
    // A chip on red until the bankroll reaches the target or the floor: the
    // chance to reach the target from i chips with the floor at 0 and the
    // target at n is (1 - r^i) / (1 - r^n), r = q / p.
    struct Case {
        std::int64_t bankroll, stopLoss, target;
    };
    for (const Case& c : {Case{10, -1, 20}, Case{12, 5, 17}}) {
        BettingSystem system = redWith(c.bankroll);
        system.rules.spinsPerSession = kMaxSpinsPerSession; // long enough for every session to end at a bound
        if (c.stopLoss >= 0)
            system.rules.stopLoss = Money::fromDollars(c.stopLoss);
        system.rules.target = Money::fromDollars(c.target);
        const SessionOutcome outcome = simulateSessions(system, 20'000, 99, 2);

        const double r = 19.0 / 18.0;
        const std::int64_t floor = std::max<std::int64_t>(c.stopLoss, 0);
        const double win = (1 - std::pow(r, c.bankroll - floor)) / (1 - std::pow(r, c.target - floor));
        EXPECT_EQ(outcome.method, Method::MonteCarlo);
        EXPECT_EQ(outcome.sessions, 20'000);
        expectWithin(outcome.target, win, "target");
        expectWithin(c.stopLoss >= 0 ? outcome.stopLoss : outcome.notCovered, 1 - win, "floor");
        expectWithin(outcome.meanEndChips, floor + (c.target - floor) * win, "mean end");
        EXPECT_LT(outcome.target.high - outcome.target.low, 0.02);
    }
}

TEST(MonteCarlo, theSameSeedGivesTheSameFiguresOnAnyNumberOfThreads) {
    BettingSystem system = redWith(100, Progression::Martingale);
    system.stakes[straightSlot(17)] = 2;
    system.rules.target = Money::fromDollars(180);
    system.rules.spinsPerSession = 300;
    const SessionOutcome one = simulateSessions(system, 5'001, 7, 1);
    ASSERT_EQ(one.bands.size(), 301u);
    EXPECT_EQ(one.seed, 7u);
    for (unsigned threads : {2u, 3u})
        expectSameFigures(one, simulateSessions(system, 5'001, 7, threads));
    EXPECT_NE(one.meanEndChips.value, simulateSessions(system, 5'001, 8, 1).meanEndChips.value);

    // With every session in the bands' subsample, the bands, played apart
    // from the run, must end where the run's sessions ended. An even-money
    // chip moves the bankroll by one each spin, so a band a spin early or
    // late would have the wrong parity.
    BettingSystem red = redWith(100);
    red.rules.spinsPerSession = 25;
    const SessionOutcome few = simulateSessions(red, 1'500, 7, 2);
    EXPECT_EQ(few.bands.front().p5, 100.0);
    EXPECT_EQ(few.bands.front().p95, 100.0);
    EXPECT_EQ(few.bands.back().p50, few.medianEndChips);
}

TEST(ConfidenceInterval, aWilsonIntervalHoldsItsOwnValueAndReachesZeroAndOneAtTheEnds) {
    for (const std::int64_t trials :
         {std::int64_t{1}, std::int64_t{7}, std::int64_t{1'000}, std::int64_t{1'000'000}, std::int64_t{1'000'000'000}})
        for (const std::int64_t hits : {std::int64_t{0}, std::int64_t{1}, trials / 2, trials - 1, trials}) {
            const Estimate e = wilsonInterval(hits, trials);
            EXPECT_TRUE(e.low <= e.value && e.value <= e.high) << hits << " of " << trials;
            if (hits == 0) {
                EXPECT_EQ(e.low, 0.0) << trials;
            }
            if (hits == trials) {
                EXPECT_EQ(e.high, 1.0) << trials;
            }
        }
}

TEST(SystemComparison, playsBothSystemsOnTheSameDrawsAndComparesTheirNets) {
    const BettingSystem flat = redWith(100);
    const Comparison self = compareSystems(flat, flat, 3'000, 5, 2);
    EXPECT_EQ(self.level.value, 1.0);
    EXPECT_EQ(self.bNetsMore.value, 0.0);
    EXPECT_EQ(self.meanNetDifference.high, 0.0);
    ASSERT_EQ(self.netDifference.size(), 1u);

    // More money to sit down with, and no session long enough to need it:
    // the two play alike and net alike, though B ends richer every time.
    BettingSystem richer = redWith(1'000);
    const BettingSystem poorer = richer;
    richer.rules.bankroll += Money::fromCents(310);
    const Comparison offset = compareSystems(poorer, richer, 500, 5, 2);
    EXPECT_EQ(offset.level.value, 1.0);
    EXPECT_EQ(offset.bNetsMore.value, 0.0);
    EXPECT_EQ(offset.meanNetDifference.value, 0.0);
    EXPECT_EQ(offset.b.meanEndChips.value - offset.a.meanEndChips.value, 3.0);

    // Session i of a comparison is session i of each system's own run, so
    // each system's figures are its own run's and the mean difference of the
    // nets is the difference of the mean nets, to the last digit.
    BettingSystem doubling = redWith(100, Progression::Martingale);
    doubling.unit = BettingUnit::FiftyCents;
    const Comparison pair = compareSystems(flat, doubling, 3'000, 5, 3);
    const SessionOutcome runA = simulateSessions(flat, 3'000, 5, 1);
    const SessionOutcome runB = simulateSessions(doubling, 3'000, 5, 2);
    EXPECT_EQ(pair.a.meanEndChips.value, runA.meanEndChips.value);
    EXPECT_EQ(pair.b.notCovered.value, runB.notCovered.value);
    EXPECT_EQ(pair.b.meanTotalStakedChips.value, runB.meanTotalStakedChips.value);
    const double netA = runA.meanEndChips.value - 100, netB = (runB.meanEndChips.value - 200) * 0.5;
    EXPECT_NEAR(pair.meanNetDifference.value, netB - netA, 1e-9);
    EXPECT_GT(pair.bNetsMore.value, 0.0);
    double total = 0;
    for (const HistogramBin& bin : pair.netDifference)
        total += bin.probability;
    EXPECT_NEAR(total, 1.0, 1e-12);

    doubling.wheel = Wheel::American;
    EXPECT_THROW(compareSystems(flat, doubling, 10, 5, 1), std::invalid_argument) << "different wheels";
}

TEST(AnalysisJob, finishesCancelsAndReportsBadInputWithoutBlocking) {
    auto waitFor = [](const AnalysisJob& job) {
        while (!job.finished())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    AnalysisJob done(redWith(50), redWith(50, Progression::Paroli), 2'000, 1, 2);
    waitFor(done);
    ASSERT_TRUE(done.result());
    EXPECT_FALSE(done.cancelled());
    EXPECT_EQ(done.progress(), 1.0);
    EXPECT_EQ(done.result()->sessions.method, Method::Exact); // small enough to solve
    ASSERT_TRUE(done.result()->comparison);
    EXPECT_EQ(done.result()->comparison->sessions, 2'000);

    BettingSystem endless = redWith(1'000'000);
    endless.rules.spinsPerSession = kMaxSpinsPerSession;
    AnalysisJob stopped(endless, endless, kMaxSessions, 1, 3);
    while (stopped.progress() == 0.0) // every thread is at work
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    stopped.cancel();
    waitFor(stopped);
    EXPECT_TRUE(stopped.cancelled());
    EXPECT_FALSE(stopped.result());

    { AnalysisJob abandoned(endless, std::nullopt, kMaxSessions, 1, 2); } // joins on the way out

    BettingSystem empty = redWith(50);
    empty.stakes[slot::lblRed] = 0;
    AnalysisJob refused(empty, std::nullopt, 100, 1, 2);
    waitFor(refused);
    EXPECT_FALSE(refused.result());
    EXPECT_EQ(refused.error(), "There are no chips on the layout to analyse.");
    EXPECT_THROW(simulateSessions(redWith(50), 0, 1, 1), std::invalid_argument);
    EXPECT_THROW(compareSystems(redWith(50), empty, 10, 1, 1), std::invalid_argument);
}
