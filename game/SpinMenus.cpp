#include "game/QueltaGame.h"
#include "ui/Screen.h"

void QueltaGame::mnuOneSpins_Click() {
    selectRunLength(MenuItem::mnuOneSpins);
    // A multi-spin count left both spin modes disabled; one spin frees Normal again.
    if (checked(MenuItem::mnuQuickSpin)) {
        setChecked(MenuItem::mnuNormalSpin, false);
        setMenuEnabled(MenuItem::mnuNormalSpin, true);
    }
}

void QueltaGame::mnuTenSpins_Click() { selectMultiSpinRun(MenuItem::mnuTenSpins); }
void QueltaGame::mnuTwentyFiveSpins_Click() { selectMultiSpinRun(MenuItem::mnuTwentyFiveSpins); }
void QueltaGame::mnuFiftySpins_Click() { selectMultiSpinRun(MenuItem::mnuFiftySpins); }
void QueltaGame::mnuHundredSpins_Click() { selectMultiSpinRun(MenuItem::mnuHundredSpins); }
void QueltaGame::mnuDaySpins_Click() { selectMultiSpinRun(MenuItem::mnuDaySpins); }

void QueltaGame::selectMultiSpinRun(MenuItem item) {
    // Removing the chips after every spin would empty the layout after the
    // first spin of a run, so the two exclude each other.
    if (checked(MenuItem::mnuRemoveChips))
        setChecked(MenuItem::mnuRemoveChips, false);
    selectRunLength(item);
    setMenuEnabled(MenuItem::mnuQuickSpin, false);
    setChecked(MenuItem::mnuQuickSpin, true);
    setMenuEnabled(MenuItem::mnuNormalSpin, false);
    setChecked(MenuItem::mnuNormalSpin, false);
}

void QueltaGame::mnuQuickSpin_Click() {
    setChecked(MenuItem::mnuQuickSpin, true);
    setChecked(MenuItem::mnuNormalSpin, false);
    setMenuEnabled(MenuItem::mnuNormalSpin, true);
    setMenuEnabled(MenuItem::mnuQuickSpin, false);
}

void QueltaGame::mnuNormalSpin_Click() {
    setChecked(MenuItem::mnuQuickSpin, false);
    setChecked(MenuItem::mnuNormalSpin, true);
    setMenuEnabled(MenuItem::mnuNormalSpin, false);
    setMenuEnabled(MenuItem::mnuQuickSpin, true);
    // Only "1" is touched: a checked multi-spin item stays checked and still
    // decides the next START.
    setMenuEnabled(MenuItem::mnuOneSpins, false);
    setChecked(MenuItem::mnuOneSpins, true);
}
