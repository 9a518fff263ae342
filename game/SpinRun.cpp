#include <string>

#include "game/QueltaGame.h"
#include "game/RunLength.h"
#include "ui/Screen.h"

void QueltaGame::cmdStart_Click() {
    state_.FreshWheel = false;
    if (checked(MenuItem::mnuLastResults))
        screen_.minimiseStats();

    // Fixed here: changing the count during the run only shapes the next START.
    int spins = kSingleSpinRun;
    for (const RunLengthRow& row : kMultiSpinRuns) {
        if (checked(row.item)) {
            spins = row.spins;
            break;
        }
    }
    if (spins > kSingleSpinRun) {
        setMenuEnabled(MenuItem::mnuNormalSpin, true);
        setChecked(MenuItem::mnuNormalSpin, false);
        setMenuEnabled(MenuItem::mnuQuickSpin, false);
        setChecked(MenuItem::mnuQuickSpin, true);
    }
    for (int spin = 0; spin < spins; ++spin) {
        // Counted first, so lblSpins already shows this spin when it is recorded.
        CountSpin();
        SpinWheel();
    }
}

void QueltaGame::CountSpin() {
    ++state_.SpinCount;
    screen_.setCaption(ctl::lblSpins, std::to_string(state_.SpinCount));
}
