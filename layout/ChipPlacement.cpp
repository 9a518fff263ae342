#include <string>

#include "game/QueltaGame.h"
#include "ui/Screen.h"

namespace {
constexpr int kRightButton = 2;

// Even-money spots open with 5 chips and dozens and columns with 2 when the
// table minimum applies: the minimum is placed, then the click's own chip.
constexpr ChipCount minimumBeforeTheChip(const BetSpot& spot) {
    return spot.kindOn(Wheel::European) == BetKind::EvenMoney ? 4 : 1;
}
} // namespace

void QueltaGame::BetSpotMouseUp(int displaySlot, int button) {
    if (systemPlay_.playing && !placingForSystem_) {
        screen_.showStatus("A system is playing on the table; press Stop to place chips yourself.");
        return;
    }
    const BetSpot& spot = betSpot(displaySlot);
    const ControlRef chipLabel = ctl::lblZero(spot.slot);
    const ControlRef marker = ctl::shpChip(spot.marker);

    // The spots of one wheel's zero area stay on screen on the other wheel
    // but refuse chips there.
    const bool americanOnly = !spot.takesChipsOn(Wheel::European);
    const bool europeanOnly = !spot.takesChipsOn(Wheel::American);
    if (americanOnly || europeanOnly) {
        const bool refused =
            (americanOnly && checked(MenuItem::mnuEuropean)) || (europeanOnly && checked(MenuItem::mnuAmerican));
        if (refused) {
            screen_.setEnabled(chipLabel, false);
            screen_.setVisible(marker, false);
            return;
        }
        screen_.setEnabled(chipLabel, true);
        screen_.setVisible(marker, true);
    }

    ChipCount& stake = state_.Stakes[static_cast<std::size_t>(spot.slot)];
    if (stake >= spot.limitOn(playWheel())) {
        CheckTableLimit();
    } else {
        if (spot.isOutside() && checked(MenuItem::mnuOn) && currentUnit() == BettingUnit::FiveDollars && stake == 0) {
            stake = minimumBeforeTheChip(spot);
            state_.TotalAmountBet += UnitsToMoney(stake);
        }
        ++stake;
        AddChipValue();
    }

    screen_.setMoneyCaption(ctl::lblTotalAmountBet, state_.TotalAmountBet);
    // The table-limit box runs an event loop of its own; a Reset or Remove
    // Chips handled while it was open can leave the spot empty, and an empty
    // spot shows no count and no chip.
    const bool holdsChips = stake > 0;
    screen_.setCaption(chipLabel, holdsChips ? std::to_string(stake) : std::string(" "));
    screen_.setVisible(marker, holdsChips);

    if (button == kRightButton) {
        state_.TotalAmountBet -= UnitsToMoney(stake);
        stake = 0;
        screen_.setMoneyCaption(ctl::lblTotalAmountBet, state_.TotalAmountBet);
        screen_.setCaption(chipLabel, " ");
        screen_.setVisible(marker, false);
    }
}

void QueltaGame::AddChipValue() { state_.TotalAmountBet += UnitsToMoney(1); }
