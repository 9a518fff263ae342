#include "systems/RecordedSession.h"

#include <stdexcept>
#include <string>

#include "systems/SessionRun.h"

namespace systems {

RecordedSession playRecorded(const System& system, std::span<const PocketCode> pockets) {
    if (const auto problem = problemWith(system))
        throw std::invalid_argument(*problem);
    const int onWheel = pocketsOn(system.rules.wheel);
    for (PocketCode pocket : pockets)
        if (pocket < 0 || pocket >= onWheel)
            throw std::invalid_argument("The number " +
                                        (pocket == kDoubleZero ? std::string("00") : std::to_string(pocket)) +
                                        " is not on the " + (onWheel == 37 ? "European" : "American") + " wheel.");

    const ChipBounds b = chipBoundsOf(system);
    const SystemPlayer player(system);
    PlayState state = player.start();
    RecordedSession session;
    session.startChips = b.start;
    std::int64_t chips = b.start;
    std::int64_t nextStake = player.stake(state);
    bool stops = false;
    std::array<std::int64_t, kSpotCount> spots{};
    std::array<std::int64_t, kSpotCount> all{};
    for (PocketCode pocket : pockets) {
        if (nextStake > chips || static_cast<std::int32_t>(session.spins.size()) >= b.spins)
            break;
        RecordedSpin spin;
        spin.pocket = pocket;
        all.fill(0);
        for (int bet = 0; bet < player.bets(); ++bet) {
            player.stakesOf(state, bet, spots);
            for (std::size_t s = 0; s < spots.size(); ++s)
                all[s] += spots[s];
        }
        for (std::size_t s = 0; s < all.size(); ++s)
            if (all[s] > 0)
                spin.stakes.push_back({static_cast<std::int16_t>(s), all[s]});
        const SpinOutcome o = player.play(state, pocket);
        chips += o.net;
        spin.stakedChips = o.staked;
        spin.netChips = o.net;
        spin.bankrollChips = chips;
        session.spins.push_back(std::move(spin));
        session.limitStopped |= (o.flags & kLimitStopped) != 0;
        nextStake = o.nextStake;
        stops = (b.stopAfterWin && o.net > 0) || (b.stopAtSeriesEnd && (o.flags & kSeriesEnded));
        if (chips >= b.target || chips <= b.stopLoss || stops)
            break;
    }
    if (chips >= b.target)
        session.end = EndReason::Target;
    else if (chips <= b.stopLoss)
        session.end = EndReason::StopLoss;
    else if (nextStake > chips)
        session.end = EndReason::NotCovered;
    else if (stops)
        session.end = EndReason::SystemStop;
    else
        session.end = EndReason::SpinsDone;
    return session;
}

} // namespace systems
