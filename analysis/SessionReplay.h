#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "analysis/SessionAnalysis.h"

// A system played on pockets that really came up (the player's own spins),
// by the same rules as the analysed sessions, as far as it would have gone.
struct ReplayedSession {
    // In chips of the system's unit: the start, then after each spin played.
    std::vector<std::int64_t> bankrollChips;
    // Why the session stopped where it did; none when the pockets ran out
    // before any of its ends.
    std::optional<SessionEnd> end;
};

// Plays `system` on `pockets` in order, stopping at the first of its ends or
// when the pockets run out. Throws std::invalid_argument for a system
// checkSystem refuses or a pocket its wheel lacks.
ReplayedSession replaySession(const BettingSystem& system, std::span<const PocketCode> pockets);
