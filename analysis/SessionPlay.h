#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "analysis/SessionAnalysis.h"
#include "analysis/SessionRandom.h"

// A system's session rules flattened into tables for the simulation's inner
// loop. All figures are whole chips of the system's unit, and a session's ends
// are tested in the order ChipRules lays down: after each spin the target,
// the stop-loss, then the spin count; before each spin, ruin. So a bankroll
// that cannot cover another spin after the last one ends as SpinsDone.
struct SessionTables {
    explicit SessionTables(const BettingSystem& system);

    int pockets = 37;
    std::int32_t spins = 0;
    std::int64_t startChips = 0;
    std::int64_t stopLossChips = -1; // ends at or below; -1 when there is none
    std::int64_t targetChips = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int64_t> chipsBet;      // per step
    std::vector<std::int64_t> net;           // [step * pockets + pocket]
    std::vector<std::int32_t> nextStep;      // [step * 2 + lost]
    std::vector<std::int64_t> endsAtOrBelow; // per step: the stop-loss or the last bankroll that cannot cover the step
    bool flat = true;
};

struct SessionResult {
    std::int64_t chips = 0;
    std::int32_t spins = 0;
    SessionEnd end = SessionEnd::SpinsDone;
};

// One spin from `step`: returns true when the session ends with it (the
// stop-loss or the target reached, or the next spin not covered).
template <bool Flat>
inline bool playSpin(const SessionTables& t, std::uint64_t draw, std::int64_t& chips, std::int32_t& step) {
    const int pocket = SessionRandom::pocketOf(draw, t.pockets);
    if constexpr (Flat) {
        chips += t.net[static_cast<std::size_t>(pocket)];
        return (chips <= t.endsAtOrBelow[0]) | (chips >= t.targetChips);
    } else {
        const std::int64_t net = t.net[static_cast<std::size_t>(step * t.pockets + pocket)];
        chips += net;
        step = t.nextStep[static_cast<std::size_t>(step * 2 + (net < 0))];
        return (chips <= t.endsAtOrBelow[static_cast<std::size_t>(step)]) | (chips >= t.targetChips);
    }
}

// Why a session that stopped after `spins` spins with `chips` ended.
inline SessionEnd endOf(const SessionTables& t, std::int64_t chips, std::int32_t spins) {
    if (chips >= t.targetChips)
        return SessionEnd::Target;
    if (chips <= t.stopLossChips)
        return SessionEnd::StopLoss;
    if (spins >= t.spins)
        return SessionEnd::SpinsDone;
    return SessionEnd::Ruin;
}

template <bool Flat>
inline SessionResult playSession(const SessionTables& t, SessionRandom& random) {
    std::int64_t chips = t.startChips;
    std::int32_t step = 0;
    if (chips < t.chipsBet[0])
        return {chips, 0, SessionEnd::Ruin};
    std::int32_t played = 0;
    while (played < t.spins) {
        ++played;
        if (playSpin<Flat>(t, random.next(), chips, step))
            break;
    }
    return {chips, played, endOf(t, chips, played)};
}

inline SessionResult playSession(const SessionTables& t, SessionRandom& random) {
    return t.flat ? playSession<true>(t, random) : playSession<false>(t, random);
}
