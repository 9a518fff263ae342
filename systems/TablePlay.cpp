#include <algorithm>
#include <array>

#include "game/QueltaGame.h"
#include "systems/SessionRun.h"
#include "systems/System.h"
#include "systems/SystemPlayer.h"

namespace {
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

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
    systemPlay_.bankrolls.push_back(systemPlay_.bankroll);
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
        systemPlay_.bankrolls.push_back(systemPlay_.bankroll);
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
    std::array<std::int64_t, kSpotCount> wanted{};
    std::array<std::int64_t, kSpotCount> ofBet{};
    for (int bet = 0; bet < player.bets(); ++bet) {
        player.stakesOf(play, bet, ofBet);
        for (std::size_t slot = 0; slot < wanted.size(); ++slot)
            wanted[slot] += ofBet[slot];
    }
    // The bets never share a spot, so no stake passes its spot's limit.
    const Wheel wheel = playWheel();

    // The chips come off as a player takes them off: a right click empties a
    // spot, but it first tries to add a chip, which at the limit brings up
    // the limit message, so then Remove Chips clears the whole layout.
    placingForSystem_ = true;
    bool clearAll = false;
    for (int slot = 0; slot < kSpotCount; ++slot) {
        const ChipCount stake = state_.Stakes[static_cast<std::size_t>(slot)];
        clearAll |= stake > wanted[static_cast<std::size_t>(slot)] && stake >= betSpot(slot).limitOn(wheel);
    }
    if (clearAll)
        removeAllChips();
    for (int slot = 0; slot < kSpotCount; ++slot)
        if (state_.Stakes[static_cast<std::size_t>(slot)] > wanted[static_cast<std::size_t>(slot)])
            BetSpotMouseUp(slot, kRightButton);
    // Then the player's left clicks, each adding a chip, the first on an
    // empty outside spot the table minimum when it applies.
    for (int slot = 0; slot < kSpotCount; ++slot) {
        const ChipCount& stake = state_.Stakes[static_cast<std::size_t>(slot)];
        while (stake < wanted[static_cast<std::size_t>(slot)]) {
            const ChipCount before = stake;
            BetSpotMouseUp(slot, kLeftButton);
            if (stake == before)
                break;
        }
    }
    placingForSystem_ = false;
}
