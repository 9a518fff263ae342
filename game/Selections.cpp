#include "game/Selections.h"

Wheel selectedWheel(const GameState& state) {
    return state.checked(MenuItem::mnuEuropean) ? Wheel::European : Wheel::American;
}

BettingUnit selectedUnit(const GameState& state) {
    for (BettingUnit unit :
         {BettingUnit::TwentyFiveCents, BettingUnit::FiftyCents, BettingUnit::FiveDollars, BettingUnit::TenDollars})
        if (state.checked(unitRow(unit).item))
            return unit;
    return BettingUnit::OneDollar;
}
