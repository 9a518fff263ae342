#include "analysis/BettingSystem.h"

#include <algorithm>
#include <string>
#include <utility>

#include "game/GameState.h"
#include "game/Selections.h"

BettingSystem snapshotOf(const GameState& state, const SessionRules& rules) {
    BettingSystem system;
    system.wheel = selectedWheel(state);
    system.unit = selectedUnit(state);
    system.stakes = state.Stakes;
    system.rules = rules;
    return system;
}

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return a / b + ((a % b != 0) && ((a < 0) == (b < 0))); }

// The chips the layout stakes once, on the spots its wheel has, each at most
// at its table limit; the stake of a progression's first step.
std::int64_t layoutChips(const BettingSystem& system) {
    std::int64_t chips = 0;
    for (const BetSpot& spot : betSpots()) {
        const ChipCount laid = system.stakes[static_cast<std::size_t>(spot.slot)];
        if (laid > 0 && spot.takesChipsOn(system.wheel))
            chips += std::min<std::int64_t>(laid, spot.limitOn(system.wheel));
    }
    return chips;
}

InputProblem problem(SystemField field, std::string message) { return {field, std::move(message)}; }

} // namespace

ChipRules chipRulesOf(const BettingSystem& system) {
    ChipRules chips;
    chips.chipValue = unitRow(system.unit).chipValue;
    const std::int64_t unit = chips.chipValue.tenThousandths();
    chips.bankroll = floorDiv(system.rules.bankroll.tenThousandths(), unit);
    if (system.rules.stopLoss)
        chips.stopLoss = floorDiv(system.rules.stopLoss->tenThousandths(), unit);
    if (system.rules.target)
        chips.target = ceilDiv(system.rules.target->tenThousandths(), unit);
    return chips;
}

std::optional<InputProblem> checkSystem(const BettingSystem& system, std::int64_t sessions) {
    // A code out of range would index past the tables everything below reads.
    if (system.wheel != Wheel::European && system.wheel != Wheel::American)
        return problem(SystemField::Layout, "The wheel must be the European or the American wheel.");
    if (static_cast<std::size_t>(system.unit) >= kBettingUnits.size())
        return problem(SystemField::Layout, "The betting unit must be one of the table's chips.");
    if (static_cast<int>(system.rules.progression) >= kProgressionCount)
        return problem(SystemField::Layout,
                       "The progression must be Flat, Martingale, D'Alembert, Fibonacci or Paroli.");
    for (const BetSpot& spot : betSpots())
        if (system.stakes[static_cast<std::size_t>(spot.slot)] < 0)
            return problem(SystemField::Layout, "The layout has a negative stake on " + std::string(spot.name) + ".");
    const std::int64_t layout = layoutChips(system);
    if (layout == 0)
        return problem(SystemField::Layout, "There are no chips on the layout to analyse.");

    // Amounts out of range first, so that nothing below adds them up.
    const SessionRules& rules = system.rules;
    if (rules.bankroll < Money{})
        return problem(SystemField::Bankroll, "The bankroll cannot be negative.");
    const std::string atMost = " is too large: at most " + formatCurrencyUs(kLargestSystemAmount) + ".";
    if (rules.bankroll > kLargestSystemAmount)
        return problem(SystemField::Bankroll, "The bankroll" + atMost);
    if (rules.stopLoss && *rules.stopLoss > kLargestSystemAmount)
        return problem(SystemField::StopLoss, "The stop-loss" + atMost);
    if (rules.target && *rules.target > kLargestSystemAmount)
        return problem(SystemField::Target, "The target" + atMost);

    const ChipRules chips = chipRulesOf(system);
    const Money layoutMoney = chips.chipValue * layout;
    const Money bankroll = chips.chipValue * chips.bankroll;
    if (chips.bankroll < layout)
        return problem(SystemField::Bankroll, "The bankroll must cover the layout's stake of " +
                                                  formatCurrencyUs(layoutMoney) + " at least once.");

    const std::int32_t spins = system.rules.spinsPerSession;
    if (spins < 1 || spins > kMaxSpinsPerSession)
        return problem(SystemField::Spins,
                       "The spins per session must be from 1 to " + std::to_string(kMaxSpinsPerSession) + ".");
    if (sessions < 1 || sessions > kMaxSessions)
        return problem(SystemField::Sessions,
                       "The number of sessions must be from 1 to " + std::to_string(kMaxSessions) + ".");

    if (system.rules.stopLoss) {
        if (*system.rules.stopLoss < Money{})
            return problem(SystemField::StopLoss, "The stop-loss cannot be below zero.");
        if (*chips.stopLoss >= chips.bankroll)
            return problem(SystemField::StopLoss,
                           "The stop-loss must be below the bankroll of " + formatCurrencyUs(bankroll) + ".");
    }
    if (system.rules.target && *chips.target <= chips.bankroll)
        return problem(SystemField::Target,
                       "The target must be above the bankroll of " + formatCurrencyUs(bankroll) + ".");
    return std::nullopt;
}
