#include "game/QueltaGame.h"
#include "results/SpinCountText.h"
#include "ui/Screen.h"

namespace {
inline constexpr ControlRef kSpinsShown = ctl::lbl400(1);
inline constexpr ControlRef kOnlyLast400Note = ctl::lbl400(2);
} // namespace

void QueltaGame::loadStatsHidden() {
    screen_.loadStats();
    state_.stats.loaded = true;
    state_.stats.noteShown = false;
    state_.stats.history.clear();
    screen_.setVisible(kOnlyLast400Note, false);
}

void QueltaGame::unloadStats() {
    screen_.unloadStats();
    state_.stats.loaded = false;
    state_.stats.noteShown = false;
    state_.stats.history.clear();
}

void QueltaGame::mnuLastResults_Click() {
    if (!checked(MenuItem::mnuLastResults)) {
        setChecked(MenuItem::mnuLastResults, true);
        if (!state_.stats.loaded) {
            loadStatsHidden();
            screen_.showHistory(state_.stats.history, state_.NumberHits);
        }
        screen_.showStats();
        if (state_.SpinCount <= ResultHistory::kCapacity) {
            screen_.setCaption(kSpinsShown, spinCountText(state_.SpinCount));
        } else {
            state_.stats.noteShown = true;
            screen_.setVisible(kOnlyLast400Note, true);
        }
    } else if (screen_.statsMinimised()) {
        screen_.restoreStats();
    } else {
        setChecked(MenuItem::mnuLastResults, false);
        unloadStats();
    }
}

void QueltaGame::frmStats_cmdClose_Click() { screen_.minimiseStats(); }

void QueltaGame::frmStats_cmdExit_Click() {
    setChecked(MenuItem::mnuLastResults, false);
    unloadStats();
}

// The window manager's close button discards the window like Close does, so
// the menu's check mark never claims a window that is gone.
void QueltaGame::frmStats_QueryClose() { frmStats_cmdExit_Click(); }
