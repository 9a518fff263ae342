#pragma once

#include "game/GameState.h"
#include "layout/BettingUnit.h"

// The selections as the game reads them from its menu flags, shared by the
// table itself and by anything that takes a snapshot of it.

// European while mnuEuropean is checked, American otherwise.
Wheel selectedWheel(const GameState& state);

// The first of 25c, 50c, $5 and $10 that is checked; $1 when none is. The $1
// item itself is never read.
BettingUnit selectedUnit(const GameState& state);
