#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "analysis/SessionAnalysis.h"
#include "analysis/SessionRandom.h"

// A system's session rules flattened into tables for the simulation's inner
// loop. All figures are whole chips of the system's unit, and a session's ends
// are tested after each spin in the order SessionEnd lays down: the target,
// the stop-loss, the next stake not covered, then the spin count. So a
// bankroll that cannot cover another spin after the last one ends as
// NotCovered.
struct SessionTables {
    explicit SessionTables(const BettingSystem& system);

    int pockets = 37;
    std::int32_t spins = 0;
    std::int64_t startChips = 0;
    std::int64_t stopLossChips = -1; // ends at or below; -1 when there is none
    std::int64_t targetChips = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int64_t> chipsBet;      // per step
    std::vector<std::int64_t> expectedLoss;  // per step: minus the sum of its net over the pockets
    std::vector<std::int64_t> net;           // [step * pockets + pocket]
    std::vector<std::int32_t> nextStep;      // [step * 2 + lost]
    std::vector<std::int64_t> endsAtOrBelow; // per step: the stop-loss or the last bankroll that cannot cover the step
    bool flat = true;
};

struct SessionResult {
    std::int64_t chips = 0;
    std::int32_t spins = 0;
    SessionEnd end = SessionEnd::SpinsDone;
    std::int64_t staked = 0;       // chips bet over the session
    std::int64_t expectedLoss = 0; // the sum of the spins' expected losses, times the pockets
};

// The tables as plain pointers and numbers, copied into the loop that plays
// a session so that they stay in registers instead of being read back
// through the vectors after every store.
struct SpinView {
    explicit SpinView(const SessionTables& t)
        : net(t.net.data()), nextStep(t.nextStep.data()), endsAtOrBelow(t.endsAtOrBelow.data()),
          floor(t.endsAtOrBelow[0]), target(t.targetChips), pockets(t.pockets) {}

    const std::int64_t* net;
    const std::int32_t* nextStep;
    const std::int64_t* endsAtOrBelow;
    std::int64_t floor; // endsAtOrBelow of the only step of a flat system
    std::int64_t target;
    int pockets;
};

// One spin from `step`: returns true when the session ends with it (the
// stop-loss or the target reached, or the next spin not covered).
template <bool Flat>
inline bool playSpin(const SpinView& v, std::uint64_t draw, std::int64_t& chips, std::int32_t& step) {
    const int pocket = SessionRandom::pocketOf(draw, v.pockets);
    if constexpr (Flat) {
        chips += v.net[pocket];
        return (chips <= v.floor) | (chips >= v.target);
    } else {
        const std::int64_t net = v.net[step * v.pockets + pocket];
        chips += net;
        step = v.nextStep[step * 2 + (net < 0)];
        return (chips <= v.endsAtOrBelow[step]) | (chips >= v.target);
    }
}

// Why a session that stopped with `chips` and its next spin on `step` ended.
inline SessionEnd endOf(const SessionTables& t, std::int64_t chips, std::int32_t step) {
    if (chips >= t.targetChips)
        return SessionEnd::Target;
    if (chips <= t.stopLossChips)
        return SessionEnd::StopLoss;
    if (chips < t.chipsBet[static_cast<std::size_t>(step)])
        return SessionEnd::NotCovered;
    return SessionEnd::SpinsDone;
}

template <bool Flat>
inline SessionResult playSession(const SessionTables& t, SessionRandom& random) {
    std::int64_t chips = t.startChips;
    std::int32_t step = 0;
    if (chips < t.chipsBet[0])
        return {chips, 0, SessionEnd::NotCovered};
    const SpinView view(t);
    const std::int32_t spins = t.spins;
    std::int32_t played = 0;
    std::int64_t staked = 0, expectedLoss = 0;
    while (played < spins) {
        ++played;
        if constexpr (!Flat) {
            staked += t.chipsBet[static_cast<std::size_t>(step)];
            expectedLoss += t.expectedLoss[static_cast<std::size_t>(step)];
        }
        if (playSpin<Flat>(view, random.next(), chips, step))
            break;
    }
    if constexpr (Flat) {
        staked = played * t.chipsBet[0];
        expectedLoss = played * t.expectedLoss[0];
    }
    return {chips, played, endOf(t, chips, step), staked, expectedLoss};
}

inline SessionResult playSession(const SessionTables& t, SessionRandom& random) {
    return t.flat ? playSession<true>(t, random) : playSession<false>(t, random);
}
