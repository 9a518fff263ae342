#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "analysis/SessionRandom.h"
#include "systems/StateGraph.h"
#include "systems/SystemAnalysis.h"
#include "systems/SystemPlayer.h"

// Playing one simulated session of a system, the same way over its state
// graph's tables or over its rules, with everything the analyser reports
// about the session's path.
namespace systems {

// A system's session rules in whole chips of its unit.
struct ChipBounds {
    std::int64_t start = 0;
    std::int64_t target = std::numeric_limits<std::int64_t>::max(); // ends at or above
    std::int64_t stopLoss = -1;                                     // ends at or below
    std::int32_t spins = 0;
    int pockets = 37;
    bool stopAfterWin = false;
    bool stopAtSeriesEnd = false;
};
ChipBounds chipBoundsOf(const System& system);

struct SessionSummary {
    std::int64_t chips = 0;
    std::int64_t staked = 0;
    std::int64_t largestStake = 0;
    std::int64_t drawdown = 0; // the largest fall from a high of the bankroll
    std::int32_t spins = 0;
    std::int32_t losingStreak = 0; // the most spins in a row with a net loss
    EndReason end = EndReason::SpinsDone;
    bool limitStopped = false;
};

struct SpinStep {
    std::int64_t staked = 0;
    std::int64_t net = 0;
    std::int64_t nextStake = 0;
    bool stops = false;   // the system's own stop
    bool limited = false; // a table limit stopped a progression
};

// What the simulation needs of a state: its stake and the bankroll at or
// below which a session that reaches it ends (its stop-loss, or one chip
// short of covering the stake).
struct StateLimits {
    std::int64_t stake = 0;
    std::int64_t floor = 0;
};

// The state graph with each state's limits under a system's bounds.
struct GraphTables {
    GraphTables(const StateGraph& graph, const ChipBounds& bounds) : moves(graph.moves) {
        for (std::int32_t stake : graph.stake)
            limits.push_back({stake, std::max<std::int64_t>(bounds.stopLoss, stake - 1)});
    }
    const std::vector<GraphMove>& moves;
    std::vector<StateLimits> limits;
};

// The state graph's tables, as playGraphSession walks them.
struct GraphSpinner {
    explicit GraphSpinner(const GraphTables& tables) : moves_(tables.moves.data()), limits_(tables.limits.data()) {}
    const GraphMove* moves_;
    const StateLimits* limits_;
};

// Steps through the rules, for systems whose states are too many to table.
class RuleSpinner {
public:
    RuleSpinner(const SystemPlayer& player, const ChipBounds& bounds)
        : player_(player), state_(player.start()), stopAfterWin_(bounds.stopAfterWin),
          stopAtSeriesEnd_(bounds.stopAtSeriesEnd) {}
    std::int64_t start() {
        player_.restart(state_);
        return player_.stake(state_);
    }
    SpinStep spin(int pocket, int) {
        const SpinOutcome o = player_.play(state_, pocket);
        return {o.staked, o.net, o.nextStake,
                (stopAfterWin_ && o.net > 0) || (stopAtSeriesEnd_ && (o.flags & kSeriesEnded)),
                (o.flags & kLimitStopped) != 0};
    }

private:
    const SystemPlayer& player_;
    PlayState state_;
    bool stopAfterWin_, stopAtSeriesEnd_;
};

// One session; `path`, when given, receives the bankroll after each spin
// (path[0] the start, room for spins + 1). Everything the loop changes is a
// local, so that it stays in registers.
// The loop of playSystemSession over the state graph, with the ends tested
// against each state's floor so that everything it changes fits in registers.
inline SessionSummary playGraphSession(const GraphSpinner& tables, const ChipBounds& b, SessionRandom& random,
                                       std::int64_t* path) {
    const GraphMove* moves = tables.moves_;
    const StateLimits* limits = tables.limits_;
    const std::int64_t target = b.target;
    const std::int32_t spins = b.spins;
    const int pockets = b.pockets;
    std::int64_t chips = b.start;
    if (path)
        path[0] = chips;
    std::int64_t peak = chips, drawdown = 0, staked = 0, largest = 0;
    std::int32_t played = 0, losing = 0, longest = 0, state = 0, bits = 0, last = 0;
    if (chips > limits[0].floor) {
        while (played < spins) {
            ++played;
            const std::int64_t stake = limits[state].stake;
            const GraphMove move = moves[state * pockets + SessionRandom::pocketOf(random.next(), pockets)];
            staked += stake;
            largest = std::max(largest, stake);
            chips += move.net;
            peak = std::max(peak, chips);
            drawdown = std::max(drawdown, peak - chips);
            losing = move.net < 0 ? losing + 1 : 0;
            longest = std::max(longest, losing);
            bits |= move.next;
            last = move.next;
            state = move.next & kStateMask;
            if (path)
                path[played] = chips;
            if ((chips <= limits[state].floor) | (chips >= target) | ((move.next & kStopsBit) != 0))
                break;
        }
    }
    SessionSummary s;
    s.chips = chips;
    s.staked = staked;
    s.largestStake = largest;
    s.drawdown = drawdown;
    s.spins = played;
    s.losingStreak = longest;
    s.limitStopped = (bits & kLimitBit) != 0;
    if (chips >= target)
        s.end = EndReason::Target;
    else if (chips <= b.stopLoss)
        s.end = EndReason::StopLoss;
    else if (chips < limits[state].stake)
        s.end = EndReason::NotCovered;
    else if (last & kStopsBit)
        s.end = EndReason::SystemStop;
    else
        s.end = EndReason::SpinsDone;
    return s;
}

template <typename Spinner>
inline SessionSummary playSystemSession(Spinner& spinner, const ChipBounds& b, SessionRandom& random,
                                        std::int64_t* path = nullptr) {
    Spinner& local = spinner;
    const std::int64_t target = b.target, stopLoss = b.stopLoss;
    const std::int32_t spins = b.spins;
    const int pockets = b.pockets;
    std::int64_t chips = b.start;
    std::int64_t nextStake = local.start();
    if (path)
        path[0] = chips;
    std::int64_t peak = chips, drawdown = 0, staked = 0, largest = 0;
    std::int32_t played = 0, losing = 0, longest = 0;
    bool stops = false, limited = false;
    while (nextStake <= chips && played < spins) {
        ++played;
        const SpinStep step = local.spin(SessionRandom::pocketOf(random.next(), pockets), pockets);
        staked += step.staked;
        largest = std::max(largest, step.staked);
        chips += step.net;
        peak = std::max(peak, chips);
        drawdown = std::max(drawdown, peak - chips);
        losing = step.net < 0 ? losing + 1 : 0;
        longest = std::max(longest, losing);
        limited |= step.limited;
        nextStake = step.nextStake;
        stops = step.stops;
        if (path)
            path[played] = chips;
        if ((chips >= target) | (chips <= stopLoss) | stops)
            break;
    }
    SessionSummary s;
    s.chips = chips;
    s.staked = staked;
    s.largestStake = largest;
    s.drawdown = drawdown;
    s.spins = played;
    s.losingStreak = longest;
    s.limitStopped = limited;
    if (chips >= target)
        s.end = EndReason::Target;
    else if (chips <= stopLoss)
        s.end = EndReason::StopLoss;
    else if (nextStake > chips)
        s.end = EndReason::NotCovered;
    else if (stops)
        s.end = EndReason::SystemStop;
    else
        s.end = EndReason::SpinsDone;
    return s;
}

inline SessionSummary playSystemSession(GraphSpinner& spinner, const ChipBounds& b, SessionRandom& random,
                                        std::int64_t* path = nullptr) {
    return playGraphSession(spinner, b, random, path);
}

} // namespace systems
