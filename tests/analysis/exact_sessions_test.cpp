#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "analysis/ProgressionLadder.h"
#include "analysis/SessionAnalysis.h"

namespace {

BettingSystem onRed(Wheel wheel, ChipCount chips, std::int64_t bankroll, std::int32_t spins) {
    BettingSystem system;
    system.wheel = wheel;
    system.unit = BettingUnit::FiveDollars;
    system.stakes[slot::lblRed] = chips;
    system.rules.bankroll = Money::fromDollars(5 * bankroll);
    system.rules.spinsPerSession = spins;
    return system;
}

Money chips(std::int64_t n) { return Money::fromDollars(5 * n); }

// A session played out over every sequence of pockets, straight from the
// rules: the chance of each way it can end and of each end bankroll.
struct Enumerated {
    double notCovered = 0, target = 0, stopLoss = 0, spins = 0;
    std::map<std::int64_t, double> ends;
};

void play(const BettingSystem& system, const ProgressionLadder& ladder, std::int64_t bankroll, int step, int spinsLeft,
          double chance, Enumerated& e) {
    const std::int64_t stopLoss = system.rules.stopLoss ? system.rules.stopLoss->tenThousandths() / 50'000 : -1;
    const std::int64_t target = system.rules.target ? system.rules.target->tenThousandths() / 50'000 : INT64_MAX;
    const StakeLevel& level = ladder.level(step);
    if (bankroll < level.chipsBet) { // checked after the last spin too
        e.notCovered += chance;
        e.ends[bankroll] += chance;
        return;
    }
    if (spinsLeft == 0) {
        e.ends[bankroll] += chance;
        return;
    }
    e.spins += chance;
    // Pockets with the same net lead to the same session; visit each net once.
    std::map<std::int64_t, int> pockets;
    for (std::int64_t net : level.netChips)
        ++pockets[net];
    for (const auto& [net, count] : pockets) {
        const double each = chance * count / static_cast<double>(level.netChips.size());
        const std::int64_t after = bankroll + net;
        if (after >= target) {
            e.target += each;
            e.ends[after] += each;
        } else if (after <= stopLoss) {
            e.stopLoss += each;
            e.ends[after] += each;
        } else {
            play(system, ladder, after, ladder.next(step, net < 0), spinsLeft - 1, each, e);
        }
    }
}

} // namespace

TEST(ExactSessions, flatEvenMoneyBettingFollowsTheGamblersRuin) {
    // Between 0 and N chips, from i, with chances p to win and q to lose a chip:
    // P(reach N) = (1 - r^i) / (1 - r^N), r = q / p, and the expected number of
    // spins is i / (q - p) - N / (q - p) * P(reach N).
    struct Case {
        Wheel wheel;
        double p;
        bool
            stopLossAtFive; // the same walk shifted up by five, ended by the stop-loss instead of the stake not covered
    };
    for (const Case c : {Case{Wheel::European, 18.0 / 37, false}, Case{Wheel::American, 18.0 / 38, true}}) {
        const std::int64_t shift = c.stopLossAtFive ? 5 : 0, i = 10, n = 20;
        BettingSystem system = onRed(c.wheel, 1, shift + i, 4000);
        system.rules.target = chips(shift + n);
        if (c.stopLossAtFive)
            system.rules.stopLoss = chips(shift);
        const double q = 1 - c.p, r = q / c.p;
        const double reach = (1 - std::pow(r, i)) / (1 - std::pow(r, n));
        const double spins = i / (q - c.p) - n / (q - c.p) * reach;

        ASSERT_TRUE(exactMethodFits(system));
        const SessionOutcome o = analyseExactly(system);
        EXPECT_NEAR(o.target.value, reach, 1e-9);
        EXPECT_EQ(o.target.high - o.target.low, 0);
        EXPECT_NEAR((c.stopLossAtFive ? o.stopLoss : o.notCovered).value, 1 - reach, 1e-9);
        EXPECT_NEAR((c.stopLossAtFive ? o.notCovered : o.stopLoss).value, 0, 1e-12);
        EXPECT_NEAR(o.ahead.value, reach, 1e-9);
        EXPECT_NEAR(o.meanEndChips.value, shift + n * reach, 1e-7);
        EXPECT_NEAR(o.meanSpinsPlayed.value, spins, 1e-6);
        ASSERT_EQ(o.bands.size(), 4001U);
        EXPECT_EQ(o.bands.back().p5, shift);
        EXPECT_EQ(o.bands.back().p95, shift + n);
    }
}

TEST(ExactSessions, aMartingaleFromSixtyThreeChipsIsRuinedOnlyBySixLossesInARow) {
    // Stakes 1, 2, 4, 8, 16 and 32 add up to 63: a win before the sixth loss
    // reaches 64 chips, six losses leave nothing to stake.
    for (const auto& [wheel, q] : {std::pair{Wheel::European, 19.0 / 37}, std::pair{Wheel::American, 20.0 / 38}}) {
        BettingSystem system = onRed(wheel, 1, 63, 50);
        system.rules.target = chips(64);
        system.rules.progression = Progression::Martingale;
        const SessionOutcome o = analyseExactly(system);
        EXPECT_NEAR(o.notCovered.value, std::pow(q, 6), 1e-14);
        // Those sessions hold what the ledger of six losses leaves, and that
        // is less than the first stake: they are broke as well.
        std::int64_t left = 63;
        for (std::int64_t stake = 1; stake <= 32; stake *= 2)
            left -= stake;
        EXPECT_EQ(o.meanChipsLeftWhenNotCovered.value, static_cast<double>(left));
        EXPECT_EQ(o.fewestChipsLeftWhenNotCovered, static_cast<double>(left));
        EXPECT_EQ(o.mostChipsLeftWhenNotCovered, static_cast<double>(left));
        // The target comes with the first win, at spin k with the chance q^(k-1) p.
        double winningSpins = 0;
        for (int k = 1; k <= 6; ++k)
            winningSpins += k * std::pow(q, k - 1) * (1 - q);
        EXPECT_NEAR(o.meanSpinsByEnd[static_cast<std::size_t>(SessionEnd::Target)], winningSpins / (1 - std::pow(q, 6)),
                    1e-12);
        EXPECT_NEAR(o.meanSpinsByEnd[static_cast<std::size_t>(SessionEnd::NotCovered)], 6, 1e-12);
        EXPECT_NEAR(o.broke.value, std::pow(q, 6), 1e-14);
        EXPECT_NEAR(o.target.value, 1 - std::pow(q, 6), 1e-14);
        EXPECT_NEAR(o.meanSpinsPlayed.value, (1 - std::pow(q, 6)) / (1 - q), 1e-12);
        EXPECT_NEAR(o.meanEndChips.value, 64 * (1 - std::pow(q, 6)), 1e-11);
        EXPECT_EQ(o.medianEndChips, 64);
    }
}

TEST(ExactSessions, aFlatBankrollEmptiedOnTheLastSpinIsNotCovered) {
    // A chip on red from i chips is emptied at spin t for the first time
    // with the chance (i / t) C(t, (t + i) / 2) q^((t + i) / 2) p^((t - i) / 2)
    // (the hitting time theorem); the session is not covered by its end when
    // that happens at any t up to its spins, the last included.
    const double p = 18.0 / 37, q = 19.0 / 37;
    for (const std::int32_t spins : {29, 30, 31, 60}) {
        const std::int64_t i = 10;
        double emptied = 0, onTheLast = 0;
        for (std::int64_t t = i; t <= spins; t += 2) {
            const double ways =
                std::exp(std::lgamma(t + 1.0) - std::lgamma((t + i) / 2 + 1.0) - std::lgamma((t - i) / 2 + 1.0));
            const double first =
                static_cast<double>(i) / t * ways * std::pow(q, (t + i) / 2) * std::pow(p, (t - i) / 2);
            emptied += first;
            if (t == spins)
                onTheLast = first;
        }
        const SessionOutcome o = analyseExactly(onRed(Wheel::European, 1, i, spins));
        EXPECT_NEAR(o.notCovered.value, emptied, 1e-13) << spins;
        EXPECT_NEAR(o.broke.value, emptied, 1e-13) << spins;
        EXPECT_NEAR(o.spinsDone.value, 1 - emptied, 1e-13) << spins;
        EXPECT_EQ(o.meanChipsLeftWhenNotCovered.value, 0.0) << spins;
        if (spins % 2 == 0) {
            EXPECT_GT(onTheLast, 1e-3) << "the last spin must be able to empty the bankroll";
        }
    }
}

TEST(ExactSessions, everyProgressionMatchesTheSessionPlayedOutPocketByPocket) {
    // Red at 60 chips reaches its limit of 200 on the second doubling; the
    // dozen and the split beside it make spins that red loses yet end ahead.
    for (Wheel wheel : {Wheel::European, Wheel::American})
        for (Progression progression : {Progression::Flat, Progression::Martingale, Progression::DAlembert,
                                        Progression::Fibonacci, Progression::Paroli}) {
            SCOPED_TRACE(static_cast<int>(progression) * 10 + static_cast<int>(wheel));
            BettingSystem system = onRed(wheel, 60, 700, 6);
            system.stakes[slot::lblFirstDoz] = 2;
            system.stakes[static_cast<std::size_t>(*slotOfName("lblTwoFive"))] = 1;
            system.rules.progression = progression;
            if (wheel == Wheel::European)
                system.rules.stopLoss =
                    chips(300); // on the American wheel, an uncovered stake ends the losing sessions
            system.rules.target = chips(900);
            const ProgressionLadder ladder(system);

            Enumerated e;
            play(system, ladder, 700, 0, 6, 1.0, e);
            const SessionOutcome o = analyseExactly(system);
            EXPECT_NEAR(o.notCovered.value, e.notCovered, 1e-12);
            EXPECT_NEAR(o.target.value, e.target, 1e-12);
            EXPECT_NEAR(o.stopLoss.value, e.stopLoss, 1e-12);
            EXPECT_NEAR(o.meanSpinsPlayed.value, e.spins, 1e-11);
            double mean = 0, ahead = 0;
            for (const auto& [bankroll, chance] : e.ends) {
                mean += bankroll * chance;
                ahead += bankroll > 700 ? chance : 0;
            }
            EXPECT_NEAR(o.meanEndChips.value, mean, 1e-8);
            EXPECT_NEAR(o.ahead.value, ahead, 1e-12);
            double histogram = 0;
            for (const HistogramBin& bar : o.endHistogram) {
                double inside = 0;
                for (const auto& [bankroll, chance] : e.ends)
                    inside += bankroll >= bar.low && bankroll < bar.high ? chance : 0;
                EXPECT_NEAR(bar.probability, inside, 1e-12) << bar.low;
                histogram += bar.probability;
            }
            EXPECT_NEAR(histogram, 1, 1e-12);
        }
}

TEST(ExactSessions, whatDoesNotFitOrIsNotASystemIsRefused) {
    BettingSystem huge = onRed(Wheel::European, 1, 100, kMaxSpinsPerSession);
    huge.stakes[static_cast<std::size_t>(*slotOfName("lblFive"))] = 10; // wins of 350 chips widen every spin's reach
    EXPECT_FALSE(exactMethodFits(huge));
    EXPECT_THROW(analyseExactly(huge), std::invalid_argument);

    BettingSystem empty = onRed(Wheel::European, 0, 100, 10);
    EXPECT_FALSE(exactMethodFits(empty));
    EXPECT_THROW(analyseExactly(empty), std::invalid_argument);
}

TEST(ExactSessions, aStopRequestedEndsTheWorkBeforeTheFirstSpin) {
    // Red alone over 15,000 spins from 100,000 chips: a second's work if the
    // stop went unheeded.
    BettingSystem system = onRed(Wheel::European, 1, 100'000, 15'000);
    std::stop_source stop;
    stop.request_stop();
    double reported = -1;
    const SessionOutcome o = analyseExactly(system, stop.get_token(), [&reported](double done) { reported = done; });
    EXPECT_EQ(o.bands.size(), 1U);
    EXPECT_EQ(reported, -1);
}
