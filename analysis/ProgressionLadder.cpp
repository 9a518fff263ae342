#include "analysis/ProgressionLadder.h"

#include <algorithm>

#include "results/Settlement.h"

namespace {

// The multiplier of step k, or 0 when the progression has no step k.
std::int64_t multiplierAt(Progression progression, int step) {
    switch (progression) {
    case Progression::Flat: return step == 0 ? 1 : 0;
    case Progression::Martingale: return step < 62 ? std::int64_t{1} << step : 0;
    case Progression::DAlembert: return step + 1;
    case Progression::Fibonacci: {
        std::int64_t previous = 1, current = 1;
        for (int k = 1; k <= step; ++k) {
            const std::int64_t following = previous + current;
            previous = current;
            current = following;
        }
        return step == 0 ? 1 : previous;
    }
    case Progression::Paroli: return step < 3 ? std::int64_t{1} << step : 0;
    }
    return 0;
}

StakeLevel stakeLevel(const BettingSystem& system, std::int64_t multiplier, bool& allAtLimit) {
    std::array<ChipCount, kSpotCount> stakes{};
    StakeLevel level;
    level.multiplier = multiplier;
    allAtLimit = true;
    for (const BetSpot& spot : betSpots()) {
        const ChipCount laid = system.stakes[static_cast<std::size_t>(spot.slot)];
        if (laid <= 0 || !spot.takesChipsOn(system.wheel))
            continue;
        const std::int64_t limit = spot.limitOn(system.wheel);
        const std::int64_t wanted = static_cast<std::int64_t>(laid) * multiplier;
        stakes[static_cast<std::size_t>(spot.slot)] = static_cast<ChipCount>(std::min(wanted, limit));
        level.chipsBet += std::min(wanted, limit);
        if (wanted < limit)
            allAtLimit = false;
    }
    const Stakes view(stakes);
    for (int pocket = 0; pocket < pocketsOn(system.wheel); ++pocket) {
        const auto code = static_cast<PocketCode>(pocket); // 37 is the double zero
        std::int64_t returned = settleInsideChips(system.wheel, code, view);
        for (std::int64_t chips : settleOutsideChips(system.wheel, code, view))
            returned += chips;
        level.netChips.push_back(returned - level.chipsBet);
    }
    return level;
}

} // namespace

ProgressionLadder::ProgressionLadder(const BettingSystem& system) : progression_(system.rules.progression) {
    for (int step = 0;; ++step) {
        const std::int64_t multiplier = multiplierAt(progression_, step);
        if (multiplier == 0)
            break;
        bool allAtLimit = false;
        levels_.push_back(stakeLevel(system, multiplier, allAtLimit));
        // Paroli's three steps are its rule, limits or not; the climbing
        // progressions stop where the table stops them.
        const bool climbs = progression_ == Progression::Martingale || progression_ == Progression::DAlembert ||
                            progression_ == Progression::Fibonacci;
        if (allAtLimit && climbs)
            break;
    }
}

int ProgressionLadder::next(int step, bool lost) const {
    const int top = steps() - 1;
    switch (progression_) {
    case Progression::Flat: return 0;
    case Progression::Martingale: return lost ? std::min(step + 1, top) : 0;
    case Progression::DAlembert: return lost ? std::min(step + 1, top) : std::max(step - 1, 0);
    case Progression::Fibonacci: return lost ? std::min(step + 1, top) : std::max(step - 2, 0);
    case Progression::Paroli: return lost || step >= top ? 0 : step + 1;
    }
    return 0;
}
