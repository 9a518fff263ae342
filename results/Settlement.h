#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "game/Pocket.h"
#include "layout/BetSpotCatalogue.h"

// Who gets paid when a pocket comes up, derived once from the bet spot
// catalogue so that settling a spin only visits the spots that win.
// Everything here counts chips; money is the caller's business.

// A spot that wins for some pocket, and what it pays back per chip staked:
// the odds of its kind on that wheel plus the stake itself.
struct WinningSpot {
    std::int16_t slot;
    std::int16_t returnPerChip;
};

// The twelve outside bets in the order of OutsideHits and of their hit-count
// labels: Low, High, Even, Red, Black, Odd, dozens, columns.
inline constexpr std::array<int, 12> kOutsideHitSlots = {
    slot::lblLow,      slot::lblHigh,        slot::lblEven,         slot::lblRed,
    slot::lblBlack,    slot::lblOdd,         slot::lblFirstDoz,     slot::lblSecondDoz,
    slot::lblThirdDoz, slot::lblFirstColumn, slot::lblSecondColumn, slot::lblThirdColumn};

// The inside spots (slots 0 to 148) that win when `pocket` comes up on
// `wheel`, in slot order. Empty for a code outside 0 to 37.
std::span<const WinningSpot> winningInsideSpots(Wheel wheel, PocketCode pocket);

// A winning outside spot with its place in OutsideHits (index into
// kOutsideHitSlots).
struct WinningOutsideBet {
    std::int8_t hitIndex;
    WinningSpot spot;
};

// The outside bets that win when `pocket` comes up on `wheel`, in the order
// of kOutsideHitSlots. Five for 1 to 36, none for 0, 00 or any other code.
std::span<const WinningOutsideBet> winningOutsideBets(Wheel wheel, PocketCode pocket);

using Stakes = std::span<const ChipCount, kSpotCount>;
// The return of each outside spot in chips, index = slot - 149; 0 for a loser.
using OutsideReturns = std::array<std::int64_t, 12>;

// Settle the stakes against `pocket` on `wheel`; they only read the stakes.
OutsideReturns settleOutsideChips(Wheel wheel, PocketCode pocket, Stakes stakes);
// The sum of the returns of the winning inside spots, in chips.
std::int64_t settleInsideChips(Wheel wheel, PocketCode pocket, Stakes stakes);
