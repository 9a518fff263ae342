#include "analysis/ExactPlan.h"

#include <algorithm>
#include <limits>
#include <map>
#include <utility>
#include <vector>

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
    for (int step = 0; step < ladder.steps(); ++step)
        plan.steps.push_back(stepOf(ladder, step, pocketsOn(system.wheel)));

    // The bankrolls a session can reach. A spin is played only on a step whose
    // stake the bankroll covers, on a step no higher than the spins so far,
    // and only from a bankroll short of the target and above the stop-loss;
    // stakes grow with the step, so the steps that can be played are the
    // first few. So the reach grows spin by spin by the best win (worst loss)
    // of those steps only, never by that of a step the bankroll cannot afford.
    const std::int64_t start = plan.chips.bankroll;
    const std::int64_t ceiling = plan.chips.target ? *plan.chips.target - 1 : std::numeric_limits<std::int64_t>::max();
    const std::int64_t floor = plan.chips.stopLoss ? *plan.chips.stopLoss + 1 : 0;
    std::int64_t high = start, low = start;
    std::size_t playable = 0; // steps 0 .. playable - 1 can be played at this spin
    std::int64_t bestWin = 0, worstLoss = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> reach; // [low, high] after each spin
    for (std::int32_t spin = 0; spin < plan.spins; ++spin) {
        const std::int64_t richest = std::min(high, ceiling);
        while (playable < plan.steps.size() && playable <= static_cast<std::size_t>(spin) &&
               plan.steps[playable].stake <= richest) {
            bestWin = std::max(bestWin, plan.steps[playable].moves.back().net);
            worstLoss = std::max(worstLoss, -plan.steps[playable].moves.front().net);
            ++playable;
        }
        high = std::max(high, richest + bestWin);
        low = std::min(low, std::max<std::int64_t>(0, std::max(low, floor) - worstLoss));
        reach.emplace_back(low, high);
    }
    plan.maxWin = bestWin;
    plan.maxLoss = worstLoss;
    plan.low = low;
    plan.high = high;
    // A step past the playable ones can still be climbed to, and is where a
    // session finds its next stake not covered; none beyond it is reached.
    if (plan.steps.size() > playable + 1) {
        plan.steps.resize(playable + 1);
        plan.steps.back().moves.clear();
    }

    std::vector<double> movesUpTo{0}; // the moves of the first k steps; a spin climbs at most one step
    for (const ExactStep& step : plan.steps)
        movesUpTo.push_back(movesUpTo.back() + static_cast<double>(step.moves.size()) + kPassesPerCell);
    for (std::int32_t spin = 0; spin < plan.spins; ++spin) {
        const auto [from, to] = spin == 0 ? std::pair{start, start} : reach[static_cast<std::size_t>(spin - 1)];
        const std::size_t steps = std::min(plan.steps.size(), static_cast<std::size_t>(spin) + 1);
        plan.work += static_cast<double>(to - from + 1) * movesUpTo[steps];
    }
    const double window = static_cast<double>(plan.high - plan.low + 1);
    plan.bytes = window * sizeof(double) *
                 (2.0 * static_cast<double>(plan.steps.size()) + 2.0 + static_cast<double>(kSessionEnds));
    return plan;
}
