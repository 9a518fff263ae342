#pragma once

#include <cstdint>
#include <vector>

#include "analysis/BettingSystem.h"

// What the exact method needs to know about a system before it runs: the
// distinct net results of each progression step with their chances and the
// step each leads to, and the window of bankrolls a session can reach.

struct ExactMove {
    std::int64_t net = 0;   // chips won (or lost, below zero) on the spin
    double probability = 0; // pockets giving this net over pockets on the wheel
    int nextStep = 0;
};

struct ExactStep {
    std::int64_t stake = 0;  // chips the step bets; a smaller bankroll cannot play it
    double expectedLoss = 0; // chips lost on average by a spin of the step
    std::vector<ExactMove> moves;
};

struct ExactPlan {
    ChipRules chips;
    std::int32_t spins = 0;
    std::vector<ExactStep> steps;
    // Only the steps a session can reach from its bankroll are kept (and the
    // first one it cannot afford, where it stops).
    std::int64_t maxWin = 0;  // the largest gain of one spin over the steps played, >= 0
    std::int64_t maxLoss = 0; // the largest loss of one spin over the steps played, >= 0
    // Every bankroll the DP may hold, from the first spin to the last.
    std::int64_t low = 0;
    std::int64_t high = 0;
    // Visits of one (bankroll, step) cell, one per move and a few more, at
    // most, over the whole session: what the time the method takes grows with.
    double work = 0;
    // Bytes of the two generations of the state table and the end tallies (all and by end).
    double bytes = 0;
};

// The plan of a system that checkSystem accepts.
ExactPlan planExactly(const BettingSystem& system);
