#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/Money.h"
#include "game/Pocket.h"
#include "layout/BetSpotCatalogue.h"
#include "layout/BettingUnit.h"

struct GameState;

// How the stakes of the whole layout grow and shrink from spin to spin. The
// layout is multiplied by the progression's step; every spot is capped at its
// table limit, so a doubling system stops doubling where the table says so.
enum class Progression : std::uint8_t { Flat, Martingale, DAlembert, Fibonacci, Paroli };
inline constexpr int kProgressionCount = 5;

// The rules a session is played by. Amounts are money; the engine works in
// whole chips of the system's unit and rounds a bankroll down to whole chips.
struct SessionRules {
    Money bankroll;                     // what the player sits down with; > 0
    std::int32_t spinsPerSession = 400; // 1 to kMaxSpinsPerSession
    std::optional<Money> stopLoss;      // stop once the bankroll is at or below this; below bankroll
    std::optional<Money> target;        // stop once the bankroll is at or above this; above bankroll
    Progression progression = Progression::Flat;
};

inline constexpr std::int32_t kMaxSpinsPerSession = 100'000;
// The largest bankroll, stop-loss or target: far beyond any session, and far
// enough below the 64-bit range that every sum of a session stays inside it.
inline constexpr Money kLargestSystemAmount = Money::fromDollars(1'000'000'000);
inline constexpr std::int64_t kMaxSessions = 100'000'000;

// A betting system as a value: the layout as the player laid it out, the wheel
// and unit it was laid out on, and the session rules. The analyser works on
// this copy only and never on the game's state.
struct BettingSystem {
    Wheel wheel = Wheel::European;
    BettingUnit unit = BettingUnit::OneDollar;
    std::array<ChipCount, kSpotCount> stakes{};
    SessionRules rules;
};

// The system on the table right now: its wheel, unit and stakes, with `rules`.
BettingSystem snapshotOf(const GameState& state, const SessionRules& rules);

// The session rules in whole chips of the system's unit, as both ways of
// analysing a session use them. The bankroll is rounded down to whole chips;
// the stop-loss holds at or below stopLossChips, the target at or above
// targetChips. A session ends, checked in this order after every spin:
// target reached, stop-loss reached, the next spin's stake (the progression's
// step) not covered, spins done.
struct ChipRules {
    Money chipValue;
    std::int64_t bankroll = 0;
    std::optional<std::int64_t> stopLoss;
    std::optional<std::int64_t> target;
};
ChipRules chipRulesOf(const BettingSystem& system);

// Which input a problem is about, so a window can put the message beside it.
enum class SystemField : std::uint8_t { Layout, Bankroll, Spins, Sessions, StopLoss, Target };

struct InputProblem {
    SystemField field;
    std::string message; // a whole sentence for the player
};

// Checks the system and a number of sessions before anything runs: a wheel,
// unit or progression code that is none of the valid ones, an empty layout, a
// bankroll that cannot cover the layout once, spins or sessions out of range,
// a stop-loss not below or a target not above the bankroll, and an amount
// below zero or above kLargestSystemAmount.
std::optional<InputProblem> checkSystem(const BettingSystem& system, std::int64_t sessions);
