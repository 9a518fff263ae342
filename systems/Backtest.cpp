#include "systems/Backtest.h"

namespace systems {

Backtest backtest(const System& system, std::span<const PocketCode> pockets) {
    Backtest result{playRecorded(system, pockets), {}};
    NumberHitCounts hits{};
    for (PocketCode pocket : pockets)
        ++hits[static_cast<std::size_t>(pocket)];
    result.fairness = testFairness(system.rules.wheel, hits);
    return result;
}

} // namespace systems
