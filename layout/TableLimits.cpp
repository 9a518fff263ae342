#include "game/QueltaGame.h"
#include "ui/Screen.h"

void QueltaGame::CheckTableLimit() {
    screen_.messageBox("Sorry you have reached the table limit for this bet!", "Table Limt Reached!",
                       MessageIcon::Exclamation);
}

void QueltaGame::mnuOn_Click() {
    if (!checked(MenuItem::mnuOn)) {
        setChecked(MenuItem::mnuOn, true);
        setChecked(MenuItem::mnuOff, false);
    }
}

void QueltaGame::mnuOff_Click() {
    if (checked(MenuItem::mnuOn)) {
        setChecked(MenuItem::mnuOn, false);
        setChecked(MenuItem::mnuOff, true);
    }
}
