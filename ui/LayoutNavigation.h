#pragma once

#include <cstdint>

#include "game/Pocket.h"

// Where the keyboard's focus mark goes on the layout. The numbers form a
// lattice of half steps: a number, the line to its right, the next number,
// and likewise down the rows; the streets and six lines are the half step
// left of the first column. A whole step (an arrow) keeps to numbers or to
// lines, a half step (Shift+arrow) moves onto the line between or off it.
// Left of the numbers lie the dozens, then the even-money boxes; below them
// the column bets; above them the row of spots on the line under the zero
// area, then the zeros. In the zero area and among the column bets Left and
// Right go from spot to spot. Only spots that take chips on the wheel are
// ever landed on.

enum class LayoutKey : std::uint8_t { Left, Right, Up, Down };
enum class LayoutStep : std::uint8_t { Whole, Half };

// The spot the mark moves to from the spot at fromSlot (0 <= fromSlot < 161);
// fromSlot itself when nothing lies that way.
int layoutMove(int fromSlot, LayoutKey key, LayoutStep step, Wheel wheel);

// The straight-up 0 of the wheel: where Home goes.
int layoutHome(Wheel wheel);

// The spot itself when it takes chips on the wheel, else the nearest spot in
// its row that does: where the mark goes when the wheel changes under it.
int layoutSpotOn(int slot, Wheel wheel);
