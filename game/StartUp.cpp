#include "game/Captions.h"
#include "game/QueltaGame.h"
#include "ui/Screen.h"

void QueltaGame::Form_Load() {
    using M = MenuItem;
    state_.FreshWheel = true;
    screen_.centreMainWindow();

    setChecked(M::mnuEuropean, true);
    setChecked(M::mnuAmerican, false);
    EuropeanTableGraphic();

    setChecked(M::mnuNormalSpin, false);
    setMenuEnabled(M::mnuNormalSpin, true);
    setChecked(M::mnuQuickSpin, true);
    setMenuEnabled(M::mnuQuickSpin, false);

    setChecked(M::mnuOneSpins, true);
    setMenuEnabled(M::mnuOneSpins, false);

    const BettingUnitRow& unit = unitRow(BettingUnit::OneDollar);
    setMenuEnabled(unit.item, false);
    setChecked(unit.item, true);
    screen_.setCaption(ctl::lblChip, unit.chipCaption);

    screen_.setCaption(ctl::lblWheelType, captions::europeanWheel);
    setMenuEnabled(M::mnuAmerican, true);
    setMenuEnabled(M::mnuEuropean, false);

    screen_.setCaption(ctl::lblResultsHeading, captions::winningNumber);
    screen_.setCaption(ctl::lblRes(1), captions::blank);
    screen_.setBackColour(ctl::lblRes(1), colours::white);

    // The About box keeps the player company while the main window is not yet shown.
    screen_.showAboutSplash();
    InitialSpin();
    ClearHitCounts();
    screen_.closeAboutSplash();
}

void QueltaGame::InitialSpin() {
    const PocketCode number = DrawNumber();
    // Always swept, whatever the spin mode: the sweep is what the splash shows.
    AnimateWheel();
    ShowWinningNumber(number);
    screen_.yieldEvents();

    state_.WinningNumber = number;
    RecordResult();
    ClearStakes();
    screen_.yieldEvents();

    state_.TotalAmountBet = Money{};
    screen_.setMoneyCaption(ctl::lblTotalAmountBet, state_.TotalAmountBet);
}
