#include "game/QueltaGame.h"
#include "results/Settlement.h"

std::array<std::int64_t, 12> QueltaGame::SettleOutsideBets() {
    const Wheel wheel = playWheel();
    const PocketCode pocket = state_.WinningNumber;
    for (const WinningOutsideBet& winner : winningOutsideBets(wheel, pocket))
        ++state_.OutsideHits[static_cast<std::size_t>(winner.hitIndex)];
    return settleOutsideChips(wheel, pocket, state_.Stakes);
}

std::int64_t QueltaGame::SettleInsideBets() {
    const PocketCode pocket = state_.WinningNumber;
    // A code that is not a pocket (the empty slot) has no hit counter to advance.
    if (pocket >= 0 && pocket < kPocketCount)
        ++state_.NumberHits[static_cast<std::size_t>(pocket)];
    return settleInsideChips(playWheel(), pocket, state_.Stakes);
}
