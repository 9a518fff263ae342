#pragma once

#include <array>

#include "layout/BetSpotCatalogue.h"
#include "systems/System.h"

namespace systems {

// The table's spot of each outside bet, in the order of OutsideBet.
inline constexpr std::array<int, 12> kOutsideBetSlots = {
    slot::lblRed,      slot::lblBlack,       slot::lblEven,         slot::lblOdd,
    slot::lblLow,      slot::lblHigh,        slot::lblFirstDoz,     slot::lblSecondDoz,
    slot::lblThirdDoz, slot::lblFirstColumn, slot::lblSecondColumn, slot::lblThirdColumn};

constexpr int slotOf(OutsideBet bet) { return kOutsideBetSlots[static_cast<std::size_t>(bet)]; }

} // namespace systems
