// Temporary: handlers still being written. Each is removed from here as its
// real definition lands; this file goes when it is empty.
#include "game/QueltaGame.h"
#include "ui/Screen.h"

// spin cycle
void QueltaGame::Form_Load() {}
void QueltaGame::InitialSpin() {}
void QueltaGame::cmdStart_Click() {}
void QueltaGame::CountSpin() {}
void QueltaGame::mnuOneSpins_Click() {}
void QueltaGame::mnuTenSpins_Click() {}
void QueltaGame::mnuTwentyFiveSpins_Click() {}
void QueltaGame::mnuFiftySpins_Click() {}
void QueltaGame::mnuHundredSpins_Click() {}
void QueltaGame::mnuDaySpins_Click() {}
void QueltaGame::mnuQuickSpin_Click() {}
void QueltaGame::mnuNormalSpin_Click() {}
void QueltaGame::InitialiseWheel() {}
void QueltaGame::cmdReset_Click() {}
void QueltaGame::cmdZeroSpin_Click() {}
void QueltaGame::cmdQuit_Click() { screen_.endProcess(); }
void QueltaGame::mnuExit_Click() { screen_.endProcess(); }
