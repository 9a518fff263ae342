#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

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
    SessionEnd end = SessionEnd::SpinsDone;
    bool limitStopped = false;
};

struct SpinStep {
    std::int64_t staked = 0;
    std::int64_t net = 0;
    std::int64_t nextStake = 0;
    bool stops = false;   // the system's own stop
    bool limited = false; // a table limit stopped a progression
};

// Steps through the state graph's tables.
class GraphSpinner {
public:
    explicit GraphSpinner(const StateGraph& graph) : moves_(graph.moves.data()), stakes_(graph.stake.data()) {}
    std::int64_t start() {
        state_ = 0;
        return stakes_[0];
    }
    SpinStep spin(int pocket, int pockets) {
        const std::int64_t staked = stakes_[state_];
        const GraphMove move = moves_[state_ * pockets + pocket];
        state_ = move.next & kStateMask;
        return {staked, move.net, stakes_[state_], (move.next & kStopsBit) != 0, (move.next & kLimitBit) != 0};
    }

private:
    const GraphMove* moves_;
    const std::int32_t* stakes_;
    std::int32_t state_ = 0;
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
// (path[0] the start, room for spins + 1).
template <typename Spinner>
inline SessionSummary playSystemSession(Spinner& spinner, const ChipBounds& b, SessionRandom& random,
                                        std::int64_t* path = nullptr) {
    SessionSummary s;
    std::int64_t chips = b.start;
    std::int64_t nextStake = spinner.start();
    if (path)
        path[0] = chips;
    std::int64_t peak = chips, losing = 0;
    bool stops = false;
    while (nextStake <= chips && s.spins < b.spins) {
        ++s.spins;
        const SpinStep step = spinner.spin(SessionRandom::pocketOf(random.next(), b.pockets), b.pockets);
        s.staked += step.staked;
        s.largestStake = std::max(s.largestStake, step.staked);
        chips += step.net;
        peak = std::max(peak, chips);
        s.drawdown = std::max(s.drawdown, peak - chips);
        losing = step.net < 0 ? losing + 1 : 0;
        s.losingStreak = std::max<std::int32_t>(s.losingStreak, static_cast<std::int32_t>(losing));
        s.limitStopped |= step.limited;
        nextStake = step.nextStake;
        stops = step.stops;
        if (path)
            path[s.spins] = chips;
        if ((chips >= b.target) | (chips <= b.stopLoss) | stops)
            break;
    }
    s.chips = chips;
    if (chips >= b.target)
        s.end = SessionEnd::Target;
    else if (chips <= b.stopLoss)
        s.end = SessionEnd::StopLoss;
    else if (nextStake > chips)
        s.end = SessionEnd::NotCovered;
    else if (stops)
        s.end = SessionEnd::SystemStop;
    else
        s.end = SessionEnd::SpinsDone;
    return s;
}

} // namespace systems
