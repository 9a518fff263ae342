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
    std::string seed; // empty: a fresh seed for every run
};

// The fields read as numbers, and a sentence for every field that is not one.
// Range checks that need the layout (a bankroll that covers it, a stop-loss
// below the bankroll) are the analyser's own checkSystem().
struct SessionFieldValues {
    SessionRules rules;
    std::int64_t sessions = 0;
    std::vector<InputProblem> problems;
    // The seed is the window's own field: no system depends on it.
    std::optional<std::uint64_t> seed;
    std::string seedProblem; // empty: the seed field is fine
};

SessionFieldValues readSessionFields(const SessionFieldTexts& texts);

// The bankroll, stop-loss and target must each be a whole number of chips of
// `chipValue`, or a session would quietly play with less than the player
// typed; one sentence for each that is not, naming the nearest allowed amounts.
std::vector<InputProblem> wholeChipProblems(const SessionRules& rules, Money chipValue);

// An amount the player typed: "250", "$1,000.50"; at most two decimals.
// Nothing for text that is not such an amount or is beyond any table's reach.
std::optional<Money> parseMoneyText(std::string_view text);

// The largest amount a money field takes: the largest the analyser takes.
inline constexpr Money kLargestFieldAmount = kLargestSystemAmount;
