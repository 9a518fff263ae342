#pragma once

#include <span>

#include "analysis/WheelFairness.h"
#include "systems/RecordedSession.h"

// A system tried on numbers that came on a real wheel: the one session it
// plays over them, and whether the numbers themselves look like a fair wheel.
namespace systems {

struct Backtest {
    RecordedSession session;
    FairnessReport fairness; // of every number given, played or not
};

// Throws std::invalid_argument as playRecorded does.
Backtest backtest(const System& system, std::span<const PocketCode> pockets);

} // namespace systems
