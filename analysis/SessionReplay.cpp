#include "analysis/SessionReplay.h"

#include <stdexcept>

#include "analysis/SessionPlay.h"
#include "analysis/SystemCheck.h"

ReplayedSession replaySession(const BettingSystem& system, std::span<const PocketCode> pockets) {
    requireValidSystem(system, 1);
    const SessionTables tables(system);
    ReplayedSession replay;
    std::int64_t chips = tables.startChips;
    std::int32_t step = 0;
    replay.bankrollChips.push_back(chips);
    for (const PocketCode pocket : pockets) {
        if (pocket < 0 || pocket >= tables.pockets)
            throw std::invalid_argument("A spin landed on a pocket the system's wheel does not have.");
        const std::int64_t net = tables.net[static_cast<std::size_t>(step * tables.pockets + pocket)];
        chips += net;
        step = tables.nextStep[static_cast<std::size_t>(step * 2 + (net < 0))];
        replay.bankrollChips.push_back(chips);
        const SessionEnd end = endOf(tables, chips, step);
        const auto played = static_cast<std::int32_t>(replay.bankrollChips.size() - 1);
        if (end != SessionEnd::SpinsDone || played >= tables.spins) {
            replay.end = end;
            break;
        }
    }
    return replay;
}
