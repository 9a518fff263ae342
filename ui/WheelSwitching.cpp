#include "game/Captions.h"
#include "game/QueltaGame.h"
#include "ui/Screen.h"

// The European switch checks its item before re-initialising, so for the
// length of that re-initialisation both wheels are checked: the draw already
// uses the European pockets while the sweep still shows the 00 step.
void QueltaGame::mnuEuropean_Click() {
    setChecked(MenuItem::mnuEuropean, true);
    InitialiseWheel();
    EuropeanTableGraphic();
    screen_.setCaption(ctl::lblWheelType, captions::europeanWheelChosen);
    setChecked(MenuItem::mnuAmerican, false);
    setChecked(MenuItem::mnuEuropean, true);
    screen_.repaintNow(ctl::lblResultsHeading);
    ChipGraphic();
    WheelGraphic();
    setMenuEnabled(MenuItem::mnuEuropean, false);
    setMenuEnabled(MenuItem::mnuAmerican, true);
    dropStakesOffTheWheel();
}

// The American switch re-initialises while the European wheel is still
// checked, so its initialising spin cannot show 00.
void QueltaGame::mnuAmerican_Click() {
    InitialiseWheel();
    AmericanTableGraphic();
    screen_.setCaption(ctl::lblWheelType, captions::americanWheelChosen);
    setChecked(MenuItem::mnuEuropean, false);
    setChecked(MenuItem::mnuAmerican, true);
    setMenuEnabled(MenuItem::mnuAmerican, false);
    setMenuEnabled(MenuItem::mnuEuropean, true);
    dropStakesOffTheWheel();
}

// Chips placed while a switch was re-initialising were placed on the old
// wheel. A spot that does not exist on the new wheel refuses every click,
// the right click that would take its chips off included, so its chips would
// stay on the layout, hidden, and be charged on every spin. Give them back.
void QueltaGame::dropStakesOffTheWheel() {
    const Wheel wheel = playWheel();
    bool changed = false;
    for (const BetSpot& spot : betSpots()) {
        ChipCount& stake = state_.Stakes[static_cast<std::size_t>(spot.slot)];
        if (stake == 0 || spot.takesChipsOn(wheel))
            continue;
        state_.TotalAmountBet -= UnitsToMoney(stake);
        stake = 0;
        screen_.setCaption(ctl::lblZero(spot.slot), captions::blank);
        screen_.setVisible(ctl::shpChip(spot.marker), false);
        changed = true;
    }
    if (changed)
        screen_.setMoneyCaption(ctl::lblTotalAmountBet, state_.TotalAmountBet);
}
