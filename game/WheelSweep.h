#pragma once

#include <array>

#include "game/Pocket.h"

// The pockets in the order the sweep on lblWinningNumber shows them, one step
// at a time. The double zero belongs to the American wheel only and is
// skipped while that wheel is not checked.
inline constexpr std::array<PocketCode, 38> kWheelSweep = {
    26, 0,           32, 15, 19, 4,  21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8,  23,
    10, kDoubleZero, 5,  24, 16, 33, 1,  20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3,
};

// How long each step of the sweep stays on the label.
inline constexpr double kSweepStepSeconds = 0.07;
