#include <string>

#include "game/QueltaGame.h"
#include "ui/Screen.h"

void QueltaGame::ClearHitCounts() {
    state_.OutsideHits.fill(0);
    state_.NumberHits.fill(0);
    if (checked(MenuItem::mnuNumHits))
        ShowOutsideHits();
}

void QueltaGame::ShowOutsideHits() {
    for (std::size_t i = 0; i < state_.OutsideHits.size(); ++i)
        screen_.setCaption(ctl::outsideHitLabel(static_cast<int>(i)), std::to_string(state_.OutsideHits[i]));
}

void QueltaGame::mnuNumHits_Click() {
    const bool showing = !checked(MenuItem::mnuNumHits);
    setChecked(MenuItem::mnuNumHits, showing);
    for (std::size_t i = 0; i < state_.OutsideHits.size(); ++i)
        screen_.setVisible(ctl::outsideHitLabel(static_cast<int>(i)), showing);
    if (showing)
        ShowOutsideHits();
}
