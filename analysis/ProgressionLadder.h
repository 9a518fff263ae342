#pragma once

#include <cstdint>
#include <vector>

#include "analysis/BettingSystem.h"

// The stakes of one step of a progression: the player's layout times the
// step's multiplier, every spot capped at its table limit.
struct StakeLevel {
    std::int64_t multiplier = 1;
    std::int64_t chipsBet = 0;
    std::vector<std::int64_t> netChips; // per pocket of the wheel, 0 to 36 then 00
};

// The steps a progression can be on, from the first (step 0, the layout as
// laid out) upwards, and how a spin moves between them. A climbing
// progression (Martingale, D'Alembert, Fibonacci) never climbs past the first
// step at which every staked spot sits at its table limit: beyond it the
// table would not take a bigger bet, so the ladder ends there. Paroli keeps
// its three steps, limits or not: they are its rule, not a climb.
//   Flat        one step.
//   Martingale  multiplier 2^k; a loss climbs one step, a win goes back to 0.
//   D'Alembert  multiplier k + 1; a loss climbs one, a win goes down one.
//   Fibonacci   multiplier 1, 1, 2, 3, 5, ...; a loss climbs one, a win goes back two.
//   Paroli      multiplier 1, 2, 4; a win climbs one, a loss or a third win goes back to 0.
// A spin is lost when its net result is below zero; any other spin counts as won.
class ProgressionLadder {
public:
    explicit ProgressionLadder(const BettingSystem& system);

    int steps() const { return static_cast<int>(levels_.size()); }
    const StakeLevel& level(int step) const { return levels_[static_cast<std::size_t>(step)]; }
    int next(int step, bool lost) const;

private:
    Progression progression_;
    std::vector<StakeLevel> levels_;
};
