#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "systems/SystemPlayer.h"

// Every state a system can be in during a session (its selectors' memory and
// its money managements' positions, not the bankroll), numbered from the
// start state 0, with where each pocket takes it. Both the exact method and
// the fast simulation walk these tables instead of the rules.
namespace systems {

struct GraphMove {
    std::int32_t next = 0; // the state after the spin, with kStopsBit when the system stops there
    std::int32_t net = 0;  // chips won on the spin, below zero when lost
};

inline constexpr std::int32_t kStopsBit = std::int32_t{1} << 30; // the system's own stop
inline constexpr std::int32_t kLimitBit = std::int32_t{1} << 29; // a table limit stopped a progression
inline constexpr std::int32_t kStateMask = kLimitBit - 1;

struct StateGraph {
    int pockets = 37;
    std::vector<std::int32_t> stake; // chips staked from each state
    std::vector<GraphMove> moves;    // [state * pockets + pocket]
    std::int32_t states() const { return static_cast<std::int32_t>(stake.size()); }
};

// The graph of states the system can reach within its session's spins, when
// there are at most `maxStates` of them; nothing otherwise. Nets come from
// the table's own settlement of each state's stakes.
std::optional<StateGraph> buildStateGraph(const System& system, std::int32_t maxStates);

// Far more than the exact method's budget can take, and tables of at most
// about 12 MB; a system with more states is simulated over its rules.
inline constexpr std::int32_t kMostGraphStates = 40'000;

} // namespace systems
