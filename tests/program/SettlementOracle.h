#pragma once

#include <array>
#include <cstdint>

#include "game/GameState.h"
#include "game/Money.h"

// The payout rules written out again, apart from the game's own settlement,
// so a program-wide test can tell what every settled spin must have paid.
//
// A winning inside spot returns stake x 36 / (numbers it covers); an outside
// spot returns 2 (even money) or 3 (dozen, column) per chip and loses on 0
// and 00. Pocket codes are 0 to 36 and 37 for 00.
namespace oracle {

// Low, High, Even, Red, Black, Odd, 1st/2nd/3rd dozen, 1st/2nd/3rd column:
// the order of the game's outside hit counts.
using OutsideWins = std::array<bool, 12>;

OutsideWins outsideWinners(int pocket);

// The whole return of the layout in chips, stakes on winning spots included.
std::int64_t returnInChips(const std::array<ChipCount, kSpotCount>& stakes, Wheel wheel, int pocket);

// The value of one chip under the unit the state's betting-unit menu selects:
// 25 cents, 50 cents, 5 dollars and 10 dollars are tested in that order, and
// with none of them checked the unit is one dollar.
Money chipValue(const GameState& state);

// The wheel settlement uses: European while its item is checked.
Wheel wheelOf(const GameState& state);

} // namespace oracle
