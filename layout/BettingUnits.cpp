#include "game/QueltaGame.h"
#include "game/Selections.h"
#include "ui/Screen.h"

BettingUnit QueltaGame::currentUnit() const { return selectedUnit(state_); }

Money QueltaGame::UnitsToMoney(std::int64_t chips) const { return unitRow(currentUnit()).chipValue * chips; }

void QueltaGame::selectUnit(BettingUnit unit) {
    for (const BettingUnitRow& row : kBettingUnits) {
        const bool chosen = row.unit == unit;
        setChecked(row.item, chosen);
        setMenuEnabled(row.item, !chosen);
    }
    screen_.setCaption(ctl::lblChip, unitRow(unit).chipCaption);
    InitialiseWheel();
}

void QueltaGame::mnuTwentyFive_Click() { selectUnit(BettingUnit::TwentyFiveCents); }
void QueltaGame::mnuFifty_Click() { selectUnit(BettingUnit::FiftyCents); }
void QueltaGame::mnuOneDollar_Click() { selectUnit(BettingUnit::OneDollar); }
void QueltaGame::mnuFiveDollar_Click() { selectUnit(BettingUnit::FiveDollars); }
void QueltaGame::mnuTenDollar_Click() { selectUnit(BettingUnit::TenDollars); }
