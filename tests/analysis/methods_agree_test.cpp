#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "analysis/SessionAnalysis.h"
#include "analysis/SpinAnalysis.h"

namespace {

int slotNamed(std::string_view name) {
    const std::optional<int> slot = slotOfName(name);
    if (!slot)
        throw std::logic_error("no spot " + std::string(name));
    return *slot;
}

struct Case {
    const char* name;
    Wheel wheel;
    BettingUnit unit;
    std::vector<std::pair<int, ChipCount>> stakes;
    Money bankroll;
    std::int32_t spins;
    std::optional<Money> stopLoss, target;
    Progression progression;
};

BettingSystem systemOf(const Case& c) {
    BettingSystem system;
    system.wheel = c.wheel;
    system.unit = c.unit;
    for (const auto& [slot, chips] : c.stakes)
        system.stakes[static_cast<std::size_t>(slot)] = chips;
    system.rules = {c.bankroll, c.spins, c.stopLoss, c.target, c.progression};
    return system;
}

// The 95% interval widened to 99.9%: with some fifty comparisons a 95%
// interval would miss one now and then even when both methods are right.
void expectAgree(const Estimate& simulated, double exact, const std::string& what) {
    const double widen = 3.2905 / 1.9600;
    const double low = simulated.value - (simulated.value - simulated.low) * widen - 1e-12;
    const double high = simulated.value + (simulated.high - simulated.value) * widen + 1e-12;
    EXPECT_TRUE(exact >= low && exact <= high)
        << what << ": exact " << exact << ", simulated " << simulated.value << " in [" << low << ", " << high << "]";
}

} // namespace

TEST(SessionMethods, exactAndSimulatedAgreeOnAVarietyOfSystems) {
    const int red = slot::lblRed;
    const std::vector<Case> cases = {
        {"flat red and a straight",
         Wheel::European,
         BettingUnit::OneDollar,
         {{red, 1}, {slotNamed("lblSeventeen"), 1}},
         Money::fromDollars(60),
         200,
         std::nullopt,
         Money::fromDollars(100),
         Progression::Flat},
        {"martingale from 63 to 64",
         Wheel::European,
         BettingUnit::OneDollar,
         {{red, 1}},
         Money::fromDollars(63),
         200,
         std::nullopt,
         Money::fromDollars(64),
         Progression::Martingale},
        {"martingale capped at red's limit",
         Wheel::American,
         BettingUnit::FiveDollars,
         {{red, 30}},
         Money::fromDollars(5 * 600),
         100,
         std::nullopt,
         Money::fromDollars(5 * 700),
         Progression::Martingale},
        {"d'alembert on a dozen, capped",
         Wheel::American,
         BettingUnit::OneDollar,
         {{slot::lblSecondDoz, 40}},
         Money::fromDollars(800),
         100,
         Money::fromDollars(200),
         std::nullopt,
         Progression::DAlembert},
        {"fibonacci on a split, capped",
         Wheel::European,
         BettingUnit::TenDollars,
         {{slotNamed("lblElevenTwelve"), 5}},
         Money::fromDollars(10 * 1000),
         120,
         std::nullopt,
         Money::fromDollars(10 * 1500),
         Progression::Fibonacci},
        {"fibonacci with change left over",
         Wheel::American,
         BettingUnit::TwentyFiveCents,
         {{slot::lblBlack, 1}},
         Money::fromCents(2010),
         150,
         Money::fromCents(500),
         Money::fromCents(3000),
         Progression::Fibonacci},
        {"paroli on red and a corner",
         Wheel::American,
         BettingUnit::FiftyCents,
         {{red, 2}, {slotNamed("lblTwoSix"), 1}},
         Money::fromDollars(50),
         300,
         Money::fromDollars(20),
         Money::fromDollars(80),
         Progression::Paroli},
        // Emptied on the last spin now and then: those sessions are not covered, not done.
        {"flat red to the last spin",
         Wheel::European,
         BettingUnit::FiveDollars,
         {{red, 1}},
         Money::fromDollars(50),
         30,
         std::nullopt,
         std::nullopt,
         Progression::Flat},
        // The top steps' wins are far beyond anything a $30 bankroll reaches in 30 spins.
        {"tiny d'alembert on red and double zero",
         Wheel::American,
         BettingUnit::OneDollar,
         {{red, 1}, {slot::lblDoubleZero, 1}},
         Money::fromDollars(30),
         30,
         std::nullopt,
         std::nullopt,
         Progression::DAlembert},
    };
    for (const Case& c : cases) {
        const BettingSystem system = systemOf(c);
        ASSERT_TRUE(exactMethodFits(system)) << c.name;
        const SessionOutcome exact = analyseExactly(system);
        const SessionOutcome simulated = simulateSessions(system, 20'000, 2026, 2);
        ASSERT_EQ(exact.startChips, simulated.startChips) << c.name;
        const std::string name(c.name);
        const Estimate SessionOutcome::*const ends[] = {&SessionOutcome::target, &SessionOutcome::stopLoss,
                                                        &SessionOutcome::notCovered, &SessionOutcome::spinsDone};
        const SessionEnd byOrder[] = {SessionEnd::Target, SessionEnd::StopLoss, SessionEnd::NotCovered,
                                      SessionEnd::SpinsDone};
        for (const SessionOutcome* o : {&exact, &simulated}) {
            // Every session ends one of the four ways, and each bar of the
            // end histogram is shared out among them.
            double allEnds = 0, spins = 0;
            for (std::size_t how = 0; how < kSessionEnds; ++how) {
                allEnds += (o->*ends[how]).value;
                spins += (o->*ends[how]).value * o->meanSpinsByEnd[static_cast<std::size_t>(byOrder[how])];
            }
            EXPECT_NEAR(allEnds, 1.0, 1e-12) << name;
            EXPECT_NEAR(spins, o->meanSpinsPlayed.value, 1e-9 * (1 + spins)) << name;
            std::array<double, kSessionEnds> inBars{};
            for (const HistogramBin& bar : o->endHistogram) {
                double shared = 0;
                for (std::size_t how = 0; how < kSessionEnds; ++how) {
                    shared += bar.byEnd[how];
                    inBars[how] += bar.byEnd[how];
                }
                EXPECT_NEAR(shared, bar.probability, 1e-12) << name << " bar at " << bar.low;
            }
            EXPECT_NEAR(inBars[static_cast<std::size_t>(SessionEnd::NotCovered)], o->notCovered.value, 1e-12) << name;
            EXPECT_NEAR(inBars[static_cast<std::size_t>(SessionEnd::Target)], o->target.value, 1e-12) << name;
            // No progression changes the house's share of what is staked
            // (none of these layouts mixes bets of different edges).
            EXPECT_NEAR(o->lossPerChipStaked, analyseSpin(system).houseEdge, 1e-12) << name;
        }
        // Wald's identity: the mean net is minus the edge times the mean staked.
        const auto start = static_cast<double>(exact.startChips);
        EXPECT_NEAR(exact.meanEndChips.value - start, -exact.lossPerChipStaked * exact.meanTotalStakedChips.value,
                    1e-9 * (1 + exact.meanTotalStakedChips.value))
            << name;
        expectAgree(simulated.meanEndChips, start - simulated.lossPerChipStaked * simulated.meanTotalStakedChips.value,
                    name + ", mean end against what was staked");

        expectAgree(simulated.notCovered, exact.notCovered.value, name + ", not covered");
        expectAgree(simulated.spinsDone, exact.spinsDone.value, name + ", spins done");
        expectAgree(simulated.target, exact.target.value, name + ", target");
        expectAgree(simulated.stopLoss, exact.stopLoss.value, name + ", stop-loss");
        expectAgree(simulated.ahead, exact.ahead.value, name + ", ahead");
        expectAgree(simulated.broke, exact.broke.value, name + ", broke");
        expectAgree(simulated.meanEndChips, exact.meanEndChips.value, name + ", mean end");
        expectAgree(simulated.meanSpinsPlayed, exact.meanSpinsPlayed.value, name + ", mean spins");
        expectAgree(simulated.meanTotalStakedChips, exact.meanTotalStakedChips.value, name + ", mean staked");
        // The simulation sees only bankrolls the exact method says can happen.
        if (simulated.notCovered.value > 0) {
            EXPECT_GE(simulated.fewestChipsLeftWhenNotCovered, exact.fewestChipsLeftWhenNotCovered) << name;
            EXPECT_LE(simulated.mostChipsLeftWhenNotCovered, exact.mostChipsLeftWhenNotCovered) << name;
        }
        if (simulated.notCovered.value > 0.01)
            expectAgree(simulated.meanChipsLeftWhenNotCovered, exact.meanChipsLeftWhenNotCovered.value,
                        name + ", left when not covered");
    }
}
