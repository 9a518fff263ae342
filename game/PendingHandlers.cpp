// Temporary: handlers still being written. Each is removed from here as its
// real definition lands; this file goes when it is empty.
#include "game/QueltaGame.h"
#include "ui/Screen.h"

// spin cycle
void QueltaGame::Form_Load() {}
void QueltaGame::InitialSpin() {}
void QueltaGame::ClearHitCounts() {}
void QueltaGame::ShowOutsideHits() {}
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
void QueltaGame::SpinWheel() {}
PocketCode QueltaGame::DrawNumber() { return 0; }
void QueltaGame::AnimateWheel() {}
void QueltaGame::ShowWinningNumber(PocketCode) {}
void QueltaGame::InitialiseWheel() {}
void QueltaGame::cmdReset_Click() {}
void QueltaGame::cmdZeroSpin_Click() {}
void QueltaGame::cmdQuit_Click() { screen_.endProcess(); }
void QueltaGame::mnuExit_Click() { screen_.endProcess(); }
// results
void QueltaGame::SettleSpin() {}
std::array<std::int64_t, 12> QueltaGame::SettleOutsideBets() { return {}; }
std::int64_t QueltaGame::SettleInsideBets() { return 0; }
void QueltaGame::RecordResult() {}
std::string QueltaGame::HitCountTip(int) const { return {}; }
void QueltaGame::mnuNumHits_Click() {}
void QueltaGame::mnuLastResults_Click() {}
void QueltaGame::frmStats_cmdClose_Click() {}
void QueltaGame::frmStats_cmdExit_Click() {}
void QueltaGame::frmStats_QueryClose() {}
void QueltaGame::showStrip(int, PocketCode) {}
void QueltaGame::loadStatsHidden() {}
void QueltaGame::unloadStats() {}
// wheels, pictures, help
void QueltaGame::mnuAmerican_Click() {}
void QueltaGame::mnuEuropean_Click() {}
void QueltaGame::EuropeanTableGraphic() {}
void QueltaGame::AmericanTableGraphic() {}
void QueltaGame::ChipGraphic() {}
void QueltaGame::WheelGraphic() {}
void QueltaGame::mnuIntroduction_Click() {}
void QueltaGame::mnuAbout_Click() {}
