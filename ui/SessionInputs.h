#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/BettingSystem.h"

// What the player typed into the analysis window's session fields.
struct SessionFieldTexts {
    std::string bankroll;
    std::string spins;
    std::string sessions;
    std::string stopLoss; // empty: no stop-loss
    std::string target;   // empty: no target
    Progression progression = Progression::Flat;
};

// The fields read as numbers, and a sentence for every field that is not one.
// Range checks that need the layout (a bankroll that covers it, a stop-loss
// below the bankroll) are the analyser's own checkSystem().
struct SessionFieldValues {
    SessionRules rules;
    std::int64_t sessions = 0;
    std::vector<InputProblem> problems;
};

SessionFieldValues readSessionFields(const SessionFieldTexts& texts);

// An amount the player typed: "250", "$1,000.50"; at most two decimals.
// Nothing for text that is not such an amount or is beyond any table's reach.
std::optional<Money> parseMoneyText(std::string_view text);

// The largest amount a money field takes: the largest the analyser takes.
inline constexpr Money kLargestFieldAmount = kLargestSystemAmount;
