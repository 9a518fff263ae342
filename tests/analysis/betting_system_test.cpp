#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/BettingSystem.h"
#include "analysis/SessionAnalysis.h"

namespace {

BettingSystem redWithHundredDollars() {
    BettingSystem system;
    system.wheel = Wheel::European;
    system.unit = BettingUnit::OneDollar;
    system.stakes[slot::lblRed] = 10;
    system.rules.bankroll = Money::fromDollars(100);
    return system;
}

} // namespace

TEST(CheckSystem, namesTheFieldOfEveryBadInput) {
    struct Case {
        std::string what;
        std::function<void(BettingSystem&, std::int64_t&)> spoil;
        SystemField field;
    };
    const std::vector<Case> cases = {
        {"no chips", [](BettingSystem& s, auto&) { s.stakes = {}; }, SystemField::Layout},
        // Codes past the end of their enums, as a corrupt or hand-made system might carry.
        {"no such wheel", [](BettingSystem& s, auto&) { s.wheel = static_cast<Wheel>(2); }, SystemField::Layout},
        {"no such unit", [](BettingSystem& s, auto&) { s.unit = static_cast<BettingUnit>(kBettingUnits.size()); },
         SystemField::Layout},
        {"no such progression",
         [](BettingSystem& s, auto&) { s.rules.progression = static_cast<Progression>(kProgressionCount); },
         SystemField::Layout},
        {"chips only off the wheel",
         [](BettingSystem& s, auto&) {
             s.stakes = {};
             s.stakes[slot::lblDoubleZero] = 3;
         },
         SystemField::Layout},
        {"negative stake", [](BettingSystem& s, auto&) { s.stakes[slot::lblBlack] = -1; }, SystemField::Layout},
        {"bankroll below the layout", [](BettingSystem& s, auto&) { s.rules.bankroll = Money::fromCents(999); },
         SystemField::Bankroll},
        {"zero spins", [](BettingSystem& s, auto&) { s.rules.spinsPerSession = 0; }, SystemField::Spins},
        {"absurd spins", [](BettingSystem& s, auto&) { s.rules.spinsPerSession = kMaxSpinsPerSession + 1; },
         SystemField::Spins},
        {"absurd sessions", [](BettingSystem&, std::int64_t& n) { n = kMaxSessions + 1; }, SystemField::Sessions},
        {"stop-loss at the bankroll", [](BettingSystem& s, auto&) { s.rules.stopLoss = Money::fromDollars(100); },
         SystemField::StopLoss},
        {"stop-loss below zero", [](BettingSystem& s, auto&) { s.rules.stopLoss = -Money::fromDollars(1); },
         SystemField::StopLoss},
        {"target below the bankroll", [](BettingSystem& s, auto&) { s.rules.target = Money::fromDollars(50); },
         SystemField::Target},
        // Amounts at the ends of the money range are refused, never added up.
        {"the most negative bankroll",
         [](BettingSystem& s, auto&) { s.rules.bankroll = Money::fromTenThousandths(INT64_MIN); },
         SystemField::Bankroll},
        {"the largest bankroll",
         [](BettingSystem& s, auto&) { s.rules.bankroll = Money::fromTenThousandths(INT64_MAX); },
         SystemField::Bankroll},
        {"a bankroll a cent too large",
         [](BettingSystem& s, auto&) { s.rules.bankroll = kLargestSystemAmount + Money::fromCents(1); },
         SystemField::Bankroll},
        {"the most negative stop-loss",
         [](BettingSystem& s, auto&) { s.rules.stopLoss = Money::fromTenThousandths(INT64_MIN); },
         SystemField::StopLoss},
        {"the largest stop-loss",
         [](BettingSystem& s, auto&) { s.rules.stopLoss = Money::fromTenThousandths(INT64_MAX); },
         SystemField::StopLoss},
        {"the most negative target",
         [](BettingSystem& s, auto&) { s.rules.target = Money::fromTenThousandths(INT64_MIN); }, SystemField::Target},
        {"the largest target", [](BettingSystem& s, auto&) { s.rules.target = Money::fromTenThousandths(INT64_MAX); },
         SystemField::Target},
        // The bankroll is whole chips: $100.50 in $1 chips is 100 of them.
        {"target within the odd cents",
         [](BettingSystem& s, auto&) {
             s.rules.bankroll = Money::fromCents(10'050);
             s.rules.target = Money::fromDollars(100);
         },
         SystemField::Target},
    };
    for (const Case& c : cases) {
        BettingSystem system = redWithHundredDollars();
        std::int64_t sessions = 1000;
        c.spoil(system, sessions);
        const std::optional<InputProblem> problem = checkSystem(system, sessions);
        ASSERT_TRUE(problem.has_value()) << c.what;
        EXPECT_EQ(problem->field, c.field) << c.what;
        EXPECT_FALSE(problem->message.empty()) << c.what;
        if (c.field != SystemField::Sessions) {
            EXPECT_THROW(analyseExactly(system), std::invalid_argument) << c.what;
        }
    }

    BettingSystem fine = redWithHundredDollars();
    fine.rules.stopLoss = Money{};
    fine.rules.target = Money::fromDollars(101);
    EXPECT_FALSE(checkSystem(fine, kMaxSessions).has_value());
    fine.rules.bankroll = kLargestSystemAmount - Money::fromDollars(1);
    fine.rules.target = kLargestSystemAmount;
    EXPECT_FALSE(checkSystem(fine, kMaxSessions).has_value());
}

TEST(CheckSystem, roundsTheBankrollDownAndTheTargetUpToWholeChips) {
    BettingSystem system = redWithHundredDollars();
    system.unit = BettingUnit::FiveDollars;
    system.rules.bankroll = Money::fromDollars(104);
    system.rules.stopLoss = Money::fromDollars(54);
    system.rules.target = Money::fromDollars(151);
    const ChipRules chips = chipRulesOf(system);
    EXPECT_EQ(chips.chipValue, Money::fromDollars(5));
    EXPECT_EQ(chips.bankroll, 20);
    EXPECT_EQ(chips.stopLoss, 10); // at or below $50: the first whole-chip bankroll at or below $54
    EXPECT_EQ(chips.target, 31);   // $155 is the first whole-chip bankroll at or above $151
}
