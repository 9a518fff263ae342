#include <algorithm>

#include "game/QueltaGame.h"
#include "game/WheelSweep.h"
#include "ui/Screen.h"

void QueltaGame::SpinWheel() { spinAndSettle(); }

PocketCode QueltaGame::spinAndSettle() {
    random_.seed(clock_.now());
    // Two fractions drawn back to back give 1, 2 or 3 draws with
    // probabilities 1/4, 1/2, 1/4; only the last draw counts.
    const int first = static_cast<int>(random_.fraction() * 2 + 1);
    const int second = static_cast<int>(random_.fraction() * 2);
    const int draws = first + second;

    PocketCode number = kNoNumber;
    for (int draw = 0; draw < draws; ++draw) {
        number = DrawNumber();
        if (checked(MenuItem::mnuNormalSpin))
            AnimateWheel();
        ShowWinningNumber(number);
        screen_.yieldEvents();
    }
    state_.WinningNumber = number;

    const std::uint32_t table = state_.reinitialisations;
    SettleSpin();
    // Re-initialised while the chips waited to come off: the fresh table's
    // own spin is its latest number, and this one is not recorded on it.
    if (state_.reinitialisations == table)
        RecordResult();
    if (checked(MenuItem::mnuNumHits))
        ShowOutsideHits();
    screen_.yieldEvents();
    screen_.setMoneyCaption(ctl::lblTotalAmountBet, state_.TotalAmountBet);
    return number;
}

PocketCode QueltaGame::DrawNumber() {
    // Reseeding mixes the clock into the state, so draws within one clock
    // tick stay independent.
    random_.seed(clock_.now());
    const int pockets = pocketsOn(playWheel());
    const int code = static_cast<int>(random_.fraction() * pockets);
    // A source that ever returned 1.0 must not produce a pocket the wheel lacks.
    return static_cast<PocketCode>(std::clamp(code, 0, pockets - 1));
}

void QueltaGame::AnimateWheel() {
    screen_.setTextColour(ctl::lblWinningNumber, colours::yellow);
    for (PocketCode pocket : kWheelSweep) {
        // Read at every step: a wheel switch at a yield changes the rest of the sweep.
        if (pocket == kDoubleZero && !checked(MenuItem::mnuAmerican))
            continue;
        screen_.setBackColour(ctl::lblWinningNumber, pocketColour(pocket));
        screen_.repaintNow(ctl::lblWinningNumber);
        screen_.setCaption(ctl::lblWinningNumber, pocketText(pocket));
        pause(kSweepStepSeconds);
    }
}

void QueltaGame::ShowWinningNumber(PocketCode code) {
    screen_.setTextColour(ctl::lblWinningNumber, colours::yellow);
    screen_.setBackColour(ctl::lblWinningNumber, pocketColour(code));
    screen_.setCaption(ctl::lblWinningNumber, pocketText(code));
}
