#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "game/Pocket.h"
#include "systems/SystemAnalysis.h"

// One session of a system played over numbers that came on a real wheel.
namespace systems {

struct SpotStake {
    std::int16_t slot = 0; // display slot of the spot in the catalogue
    std::int64_t chips = 0;
    friend bool operator==(const SpotStake&, const SpotStake&) = default;
};

struct RecordedSpin {
    PocketCode pocket = 0;
    std::vector<SpotStake> stakes; // the stakes on the layout for this spin, by slot
    std::int64_t stakedChips = 0;
    std::int64_t netChips = 0;
    std::int64_t bankrollChips = 0; // after the spin
};

struct RecordedSession {
    std::int64_t startChips = 0;
    std::vector<RecordedSpin> spins; // the spins played, up to where the session ended
    EndReason end = EndReason::SpinsDone;
    bool limitStopped = false; // a table limit stopped a progression
};

// Plays `system` over `pockets` (0 to 36, 37 for the double zero) in order,
// at most system.rules.spins of them; the session ends as any session does,
// or as SpinsDone when the numbers run out. Throws std::invalid_argument
// with problemWith's message, or for a pocket the wheel does not have.
RecordedSession playRecorded(const System& system, std::span<const PocketCode> pockets);

} // namespace systems
