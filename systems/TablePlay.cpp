#include <algorithm>
#include <array>

#include "game/QueltaGame.h"
#include "systems/SessionRun.h"
#include "systems/System.h"
#include "systems/SystemPlayer.h"

namespace {
constexpr int kLeftButton = 1;

std::string nameOf(const systems::System& system) { return system.name.empty() ? "The system" : system.name; }
} // namespace

bool QueltaGame::playSystem(const systems::System& asked) {
    if (systemPlay_.playing)
        return false;
    // Played on the table as it is, whatever the system was laid out for.
    systems::System system = asked;
    system.rules.wheel = playWheel();
    system.rules.unit = currentUnit();
    system.rules.tableMinimums = checked(MenuItem::mnuOn);
    systemPlay_ = SystemPlayStatus{};
    systemPlay_.name = nameOf(system);
    if (const std::optional<std::string> problem = systems::problemWith(system)) {
        systemPlay_.end = SystemPlayEnd::Refused;
        systemPlay_.problem = *problem;
        return false;
    }

    const systems::SystemPlayer player(system);
    systems::PlayState play = player.start();
    const systems::ChipBounds bounds = systems::chipBoundsOf(system);
    const Money chip = UnitsToMoney(1);
    std::int64_t chips = bounds.start;
    std::int64_t next = player.stake(play);

    const std::uint32_t run = ++systemRuns_;
    systemPlay_.playing = true;
    systemPlay_.spinsPlanned = bounds.spins;
    systemPlay_.start = systemPlay_.bankroll = chip * chips;
    systemPlay_.nextStake = chip * next;
    // As START does: the first spin already enters the history.
    state_.FreshWheel = false;

    SystemPlayEnd end = next > chips ? SystemPlayEnd::NotCovered : SystemPlayEnd::Playing;
    while (end == SystemPlayEnd::Playing) {
        if (systemPlay_.stopAsked) {
            end = SystemPlayEnd::Stopped;
            break;
        }
        placeSystemStakes(player, play);
        CountSpin();
        const PocketCode pocket = spinAndSettle();
        // Reset, a wheel or unit change, or Remove Chips at a yield of the
        // spin has already ended this run.
        if (systemRuns_ != run || !systemPlay_.playing)
            return true;

        const systems::SpinOutcome outcome = player.play(play, pocket);
        chips += outcome.net;
        next = outcome.nextStake;
        ++systemPlay_.spins;
        systemPlay_.bankroll = chip * chips;
        systemPlay_.nextStake = chip * next;
        // In the order the analyser names a session's end.
        const bool ownStop = (bounds.stopAfterWin && outcome.net > 0) ||
                             (bounds.stopAtSeriesEnd && (outcome.flags & systems::kSeriesEnded) != 0);
        if (chips >= bounds.target)
            end = SystemPlayEnd::Target;
        else if (chips <= bounds.stopLoss)
            end = SystemPlayEnd::StopLoss;
        else if (next > chips)
            end = SystemPlayEnd::NotCovered;
        else if (ownStop)
            end = SystemPlayEnd::OwnRule;
        else if (systemPlay_.spins >= bounds.spins)
            end = SystemPlayEnd::SpinsDone;
    }
    endSystemPlay(end);
    return true;
}

void QueltaGame::stopSystem() {
    if (systemPlay_.playing)
        systemPlay_.stopAsked = true;
}

void QueltaGame::endSystemPlay(SystemPlayEnd end) {
    systemPlay_.playing = false;
    systemPlay_.stopAsked = false;
    systemPlay_.end = end;
}

void QueltaGame::placeSystemStakes(const systems::SystemPlayer& player, const systems::PlayState& play) {
    removeAllChips();
    std::array<std::int64_t, kSpotCount> wanted{};
    std::array<std::int64_t, kSpotCount> ofBet{};
    for (int bet = 0; bet < player.bets(); ++bet) {
        player.stakesOf(play, bet, ofBet);
        for (std::size_t slot = 0; slot < wanted.size(); ++slot)
            wanted[slot] += ofBet[slot];
    }
    // The clicks a player would make: the table applies its minimum to the
    // first chip and refuses a chip past its limit, which two bets on one spot
    // could ask for, so no click is made there.
    placingForSystem_ = true;
    for (int slot = 0; slot < kSpotCount; ++slot) {
        const std::int64_t target =
            std::min<std::int64_t>(wanted[static_cast<std::size_t>(slot)], betSpot(slot).limitOn(playWheel()));
        const ChipCount& stake = state_.Stakes[static_cast<std::size_t>(slot)];
        while (stake < target) {
            const ChipCount before = stake;
            BetSpotMouseUp(slot, kLeftButton);
            if (stake == before)
                break;
        }
    }
    placingForSystem_ = false;
}
