#include "game/QueltaGame.h"
#include "ui/Screen.h"

void QueltaGame::ClearLayout() {
    for (int i = 0; i < kSpotCount; ++i)
        screen_.setVisible(ctl::shpChip(i), false);
    for (int j = 0; j < kSpotCount; ++j)
        screen_.setCaption(ctl::lblZero(j), " ");
}

void QueltaGame::ClearStakes() {
    state_.Stakes.fill(0);
    for (int i = 0; i < kSpotCount; ++i) {
        screen_.setCaption(ctl::lblZero(i), " ");
        screen_.setVisible(ctl::shpChip(i), false);
    }
    screen_.setMoneyCaption(ctl::lblTotalAmountBet, state_.TotalAmountBet);
}

void QueltaGame::cmdRemChips_Click() {
    // The system's chips gone, its spin would settle nothing it staked.
    if (systemPlay_.playing)
        endSystemPlay(SystemPlayEnd::Stopped);
    removeAllChips();
}

void QueltaGame::removeAllChips() {
    ClearLayout();
    state_.TotalAmountBet = Money{};
    ClearStakes();
}

void QueltaGame::mnuRemoveChips_Click() {
    setChecked(MenuItem::mnuRemoveChips, !checked(MenuItem::mnuRemoveChips));
    // Chips removed after every spin only make sense one spin at a time.
    selectRunLength(MenuItem::mnuOneSpins);
}

void QueltaGame::selectRunLength(MenuItem item) {
    for (MenuItem count : {MenuItem::mnuOneSpins, MenuItem::mnuTenSpins, MenuItem::mnuTwentyFiveSpins,
                           MenuItem::mnuFiftySpins, MenuItem::mnuHundredSpins, MenuItem::mnuDaySpins}) {
        setChecked(count, count == item);
        setMenuEnabled(count, count != item);
    }
}
