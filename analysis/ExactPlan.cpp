#include "analysis/ExactPlan.h"

#include <algorithm>
#include <map>

#include "analysis/ProgressionLadder.h"
#include "analysis/SessionAnalysis.h"

namespace {

// Besides its moves, every live cell is visited for the stake it must cover, for the bands and
// to be cleared: a layout with one distinct result still costs that much.
constexpr double kPassesPerCell = 4;

ExactStep stepOf(const ProgressionLadder& ladder, int step, int pockets) {
    const StakeLevel& level = ladder.level(step);
    std::map<std::int64_t, int> counts; // net -> pockets
    for (std::int64_t net : level.netChips)
        ++counts[net];
    ExactStep exact;
    exact.stake = level.chipsBet;
    std::int64_t sum = 0;
    for (const auto& [net, count] : counts) {
        exact.moves.push_back({net, static_cast<double>(count) / pockets, ladder.next(step, net < 0)});
        sum += net * count;
    }
    exact.expectedLoss = -static_cast<double>(sum) / pockets;
    return exact;
}

} // namespace

ExactPlan planExactly(const BettingSystem& system) {
    ExactPlan plan;
    plan.chips = chipRulesOf(system);
    plan.spins = system.rules.spinsPerSession;
    const ProgressionLadder ladder(system);
    // movesUpTo[k]: the moves of the first k steps; a spin climbs at most one step.
    std::vector<double> movesUpTo{0};
    for (int step = 0; step < ladder.steps(); ++step) {
        plan.steps.push_back(stepOf(ladder, step, pocketsOn(system.wheel)));
        const ExactStep& added = plan.steps.back();
        movesUpTo.push_back(movesUpTo.back() + static_cast<double>(added.moves.size()) + kPassesPerCell);
        plan.maxWin = std::max(plan.maxWin, added.moves.back().net);
        plan.maxLoss = std::max(plan.maxLoss, -added.moves.front().net);
    }

    const std::int64_t start = plan.chips.bankroll;
    // Sessions live strictly between the stop-loss and the target; one spin
    // can carry them at most maxLoss below or maxWin above that.
    plan.low = std::max<std::int64_t>(0, start - plan.spins * plan.maxLoss);
    if (plan.chips.stopLoss)
        plan.low = std::max(plan.low, *plan.chips.stopLoss + 1 - plan.maxLoss);
    plan.high = start + plan.spins * plan.maxWin;
    if (plan.chips.target)
        plan.high = std::min(plan.high, *plan.chips.target - 1 + plan.maxWin);

    // Spin t can reach t spins' worth of wins and losses around the start.
    const double window = static_cast<double>(plan.high - plan.low + 1);
    for (std::int32_t spin = 0; spin < plan.spins; ++spin) {
        const double reach = static_cast<double>(spin) * static_cast<double>(plan.maxWin + plan.maxLoss) + 1;
        const std::size_t steps = std::min(plan.steps.size(), static_cast<std::size_t>(spin) + 1);
        plan.work += std::min(window, reach) * movesUpTo[steps];
    }
    plan.bytes = window * sizeof(double) *
                 (2.0 * static_cast<double>(plan.steps.size()) + 2.0 + static_cast<double>(kSessionEnds));
    return plan;
}
