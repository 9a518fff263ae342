// Temporary: handlers still being written. Each is removed from here as its
// real definition lands; this file goes when it is empty.
#include "game/QueltaGame.h"
#include "ui/Screen.h"

// results
void QueltaGame::ClearHitCounts() {}
void QueltaGame::ShowOutsideHits() {}
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
