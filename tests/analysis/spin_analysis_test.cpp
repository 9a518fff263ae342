#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "analysis/SpinAnalysis.h"

namespace {

BettingSystem systemOn(Wheel wheel, BettingUnit unit = BettingUnit::OneDollar) {
    BettingSystem system;
    system.wheel = wheel;
    system.unit = unit;
    system.rules.bankroll = Money::fromDollars(1'000'000);
    return system;
}

} // namespace

TEST(SpinAnalysis, everyLayoutGivesTheHouseTheSameShareOfWhatItStakes) {
    // Every bet pays (36 / covered - 1) to one, so a chip on any spot returns
    // 36/37 of itself on the European wheel and 36/38 on the American one.
    std::mt19937 random(20261209);
    for (Wheel wheel : {Wheel::European, Wheel::American}) {
        const std::int64_t edgePerChip = wheel == Wheel::European ? 1 : 2; // over the pockets of the wheel
        for (int layout = 0; layout < 300; ++layout) {
            BettingSystem system = systemOn(wheel);
            std::int64_t staked = 0;
            const int spots = 1 + static_cast<int>(random() % 30);
            for (int k = 0; k < spots; ++k) {
                const BetSpot& spot = betSpot(static_cast<int>(random() % kSpotCount));
                // Some stakes run past the limit: the table takes only the limit.
                const auto chips = static_cast<ChipCount>(1 + random() % 700);
                system.stakes[static_cast<std::size_t>(spot.slot)] = chips;
            }
            for (const BetSpot& spot : betSpots())
                if (spot.takesChipsOn(wheel))
                    staked +=
                        std::min<std::int64_t>(system.stakes[static_cast<std::size_t>(spot.slot)], spot.limitOn(wheel));
            const SpinAnalysis spin = analyseSpin(system);
            ASSERT_EQ(spin.chipsBet, staked);
            ASSERT_EQ(spin.expectedNumerator, -edgePerChip * staked) << "layout " << layout;
            ASSERT_EQ(spin.amountBet, Money::fromDollars(staked));
        }
    }
}

TEST(SpinAnalysis, aLoneEvenMoneyBetWinsEighteenPocketsAndSpreadsByItsStake) {
    BettingSystem system = systemOn(Wheel::European, BettingUnit::TwentyFiveCents);
    system.stakes[slot::lblRed] = 4;
    const SpinAnalysis spin = analyseSpin(system);

    EXPECT_EQ(spin.win.pockets, 18);
    EXPECT_EQ(spin.lose.pockets, 19);
    EXPECT_NEAR(spin.houseEdge, 1.0 / 37, 1e-15);
    // Outcomes +4 and -4 chips: variance 16 (1 - (1/37)^2).
    EXPECT_NEAR(spin.stdDevChips, 4 * std::sqrt(1 - 1.0 / (37 * 37)), 1e-12);
    EXPECT_NEAR(spin.stdDevMoney, std::sqrt(1 - 1.0 / (37 * 37)), 1e-12);
    EXPECT_EQ(spin.best.pocket, 1);
    EXPECT_EQ(spin.worst.net, -Money::fromDollars(1));
    EXPECT_EQ(spin.worst.pocket, 0);
}
