#include "game/Captions.h"
#include "game/QueltaGame.h"
#include "ui/Screen.h"

void QueltaGame::InitialiseWheel() {
    // The fresh table's winnings are no longer the system's session.
    if (systemPlay_.playing)
        endSystemPlay(SystemPlayEnd::TableReset);
    ++state_.reinitialisations;
    state_.FreshWheel = true;
    ClearLayout();
    screen_.yieldEvents();
    ClearStakes();

    state_.Winnings = Money{};
    // The ledger starts where Winnings does, so a spin that settles at one of
    // the yields below (the fresh wheel's own spin included) counts in both.
    state_.ledger.clear();
    state_.TotalAmountBet = Money{};
    state_.SpinCount = 0;
    screen_.setCaption(ctl::lblSpins, captions::blank);

    state_.WinningNumber = kNoNumber;
    state_.RecentNumbers.fill(kNoNumber);
    for (int slot = 1; slot <= static_cast<int>(state_.RecentNumbers.size()) + 1; ++slot) {
        screen_.setCaption(ctl::lblRes(slot), captions::blank);
        screen_.setBackColour(ctl::lblRes(slot), colours::green);
    }
    screen_.setMoneyCaption(ctl::lblWinnings, state_.Winnings);
    screen_.setCaption(ctl::lblTotalAmountBet, captions::blank);
    screen_.setCaption(ctl::lblResultsHeading, captions::initialisingWheel);
    screen_.yieldEvents();

    // Settled and recorded like any spin, but with FreshWheel set it stays
    // out of the history, and its hits are cleared straight after.
    SpinWheel();
    ClearHitCounts();
    screen_.setCaption(ctl::lblResultsHeading, captions::winningNumber);

    if (checked(MenuItem::mnuLastResults)) {
        setChecked(MenuItem::mnuLastResults, false);
        unloadStats();
    } else {
        emptyHistory();
    }
}

void QueltaGame::emptyHistory() {
    state_.stats.history.clear();
    // A hidden window keeps its entries on screen until told; an unloaded
    // one has nothing to blank.
    if (state_.stats.loaded)
        screen_.showHistory(state_.stats.history, state_.NumberHits);
}

void QueltaGame::cmdReset_Click() { InitialiseWheel(); }

void QueltaGame::cmdZeroSpin_Click() {
    state_.SpinCount = 0;
    screen_.setCaption(ctl::lblSpins, captions::blank);
}

void QueltaGame::cmdQuit_Click() { screen_.endProcess(); }
void QueltaGame::mnuExit_Click() { screen_.endProcess(); }
