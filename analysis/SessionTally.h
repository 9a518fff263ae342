#pragma once

#include <array>
#include <cstdint>

#include "analysis/CountHistogram.h"
#include "analysis/SessionPlay.h"

// One worker's sums over the sessions it simulated. Everything is a whole
// number, so the sums of all workers come to the same total however the
// sessions were shared out.
struct alignas(64) SessionTally { // one cache line apart, as each worker writes its own
    __extension__ using Int128 = __int128;

    std::int64_t sessions = 0, ahead = 0, broke = 0;
    std::array<std::int64_t, kSessionEnds> ends{}; // by SessionEnd
    Int128 gain = 0, gainSquares = 0;              // end bankroll minus start, in chips
    Int128 spins = 0, spinSquares = 0;
    Int128 staked = 0, stakedSquares = 0;
    Int128 expectedLoss = 0;                           // times the pockets
    Int128 notCoveredChips = 0, notCoveredSquares = 0; // the bankrolls of the sessions not covered
    std::array<Int128, kSessionEnds> spinsByEnd{};     // by SessionEnd
    std::array<CountHistogram, kSessionEnds> endChips; // by SessionEnd

    void add(const SessionResult& session, const SessionTables& tables);
    void merge(const SessionTally& other);

    // Every figure of the sessions counted but the method, seed and bands.
    void fill(SessionOutcome& outcome, const SessionTables& tables) const;
};
