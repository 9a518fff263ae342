#include "game/QueltaGame.h"

#include "game/Selections.h"

#include "ui/Screen.h"

QueltaGame::QueltaGame(Screen& screen, Clock& clock, RandomSource& random)
    : screen_(screen), clock_(clock), random_(random) {}

void QueltaGame::setChecked(MenuItem item, bool checked) {
    state_.menus[static_cast<std::size_t>(item)].checked = checked;
    screen_.setMenuChecked(item, checked);
}

void QueltaGame::setMenuEnabled(MenuItem item, bool enabled) {
    state_.menus[static_cast<std::size_t>(item)].enabled = enabled;
    screen_.setMenuEnabled(item, enabled);
}

void QueltaGame::pause(double seconds) {
    const double start = clock_.now();
    do {
        screen_.yieldEvents();
    } while (clock_.now() < start + seconds);
}

Wheel QueltaGame::playWheel() const { return selectedWheel(state_); }

void QueltaGame::menuClicked(MenuItem item) {
    using M = MenuItem;
    switch (item) {
    case M::mnuExit: mnuExit_Click(); break;
    case M::mnuNumHits: mnuNumHits_Click(); break;
    case M::mnuLastResults: mnuLastResults_Click(); break;
    case M::mnuAmerican: mnuAmerican_Click(); break;
    case M::mnuEuropean: mnuEuropean_Click(); break;
    case M::mnuQuickSpin: mnuQuickSpin_Click(); break;
    case M::mnuNormalSpin: mnuNormalSpin_Click(); break;
    case M::mnuTwentyFive: mnuTwentyFive_Click(); break;
    case M::mnuFifty: mnuFifty_Click(); break;
    case M::mnuOneDollar: mnuOneDollar_Click(); break;
    case M::mnuFiveDollar: mnuFiveDollar_Click(); break;
    case M::mnuTenDollar: mnuTenDollar_Click(); break;
    case M::mnuOn: mnuOn_Click(); break;
    case M::mnuOff: mnuOff_Click(); break;
    case M::mnuOneSpins: mnuOneSpins_Click(); break;
    case M::mnuTenSpins: mnuTenSpins_Click(); break;
    case M::mnuTwentyFiveSpins: mnuTwentyFiveSpins_Click(); break;
    case M::mnuFiftySpins: mnuFiftySpins_Click(); break;
    case M::mnuHundredSpins: mnuHundredSpins_Click(); break;
    case M::mnuDaySpins: mnuDaySpins_Click(); break;
    case M::mnuRemoveChips: mnuRemoveChips_Click(); break;
    case M::mnuIntroduction: mnuIntroduction_Click(); break;
    case M::mnuAbout: mnuAbout_Click(); break;
    // A view the windows open on their own; it changes nothing of the game.
    case M::mnuSystemAnalysis: break;
    default: break; // menus, submenus and separators have no click of their own
    }
}
