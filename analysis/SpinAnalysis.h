#pragma once

#include <cstdint>
#include <vector>

#include "analysis/BettingSystem.h"
#include "game/Money.h"
#include "game/Pocket.h"

// An exact probability: count of pockets over pockets on the wheel.
struct PocketFraction {
    std::int32_t pockets = 0;
    std::int32_t of = 1;
    double value() const { return static_cast<double>(pockets) / of; }
};

struct PocketResult {
    PocketCode pocket;
    std::int64_t netChips; // return minus the whole layout's stake, in chips
    Money net;             // the same in money, exact
};

// One spin of a layout on its wheel, exactly: every pocket's net result and
// the figures that follow from them.
struct SpinAnalysis {
    bool empty = true; // no chips on any spot the wheel has
    std::int64_t chipsBet = 0;
    Money amountBet;
    std::vector<PocketResult> pockets; // one per pocket of the wheel, 0 to 36 then 00
    // The expected net result in chips, exactly: expectedNumerator / pockets on the wheel.
    std::int64_t expectedNumerator = 0;
    double expectedChips = 0; // the same as a number
    double expectedMoney = 0; // in dollars
    double houseEdge = 0;     // -expected / amount bet, 0.027027... on the European wheel
    double stdDevChips = 0;
    double stdDevMoney = 0;         // in dollars
    PocketFraction win, lose, even; // net above, below and at zero
    PocketResult best{}, worst{};
};

// Only the stakes on spots that take chips on the system's wheel count.
SpinAnalysis analyseSpin(const BettingSystem& system);
