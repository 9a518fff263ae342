#include "analysis/SessionPlay.h"

#include <algorithm>
#include <numeric>

#include "analysis/ProgressionLadder.h"

SessionTables::SessionTables(const BettingSystem& system)
    : pockets(pocketsOn(system.wheel)), spins(system.rules.spinsPerSession) {
    const ChipRules rules = chipRulesOf(system);
    startChips = rules.bankroll;
    stopLossChips = rules.stopLoss.value_or(stopLossChips);
    targetChips = rules.target.value_or(targetChips);

    const ProgressionLadder ladder(system);
    flat = ladder.steps() == 1;
    for (int step = 0; step < ladder.steps(); ++step) {
        const StakeLevel& level = ladder.level(step);
        chipsBet.push_back(level.chipsBet);
        expectedLoss.push_back(-std::accumulate(level.netChips.begin(), level.netChips.end(), std::int64_t{0}));
        net.insert(net.end(), level.netChips.begin(), level.netChips.end());
        nextStep.push_back(ladder.next(step, false));
        nextStep.push_back(ladder.next(step, true));
        endsAtOrBelow.push_back(std::max(stopLossChips, level.chipsBet - 1));
    }
}
