#pragma once

#include <array>

#include "ui/MenuItem.h"

// The number-of-spins items START consults, in the order it tests them, with
// the spins each runs. "1" is not among them: with none of these checked a
// run is one spin, whatever mnuOneSpins says.
struct RunLengthRow {
    MenuItem item;
    int spins;
};

inline constexpr std::array<RunLengthRow, 5> kMultiSpinRuns = {{
    {MenuItem::mnuTenSpins, 10},
    {MenuItem::mnuTwentyFiveSpins, 25},
    {MenuItem::mnuFiftySpins, 50},
    {MenuItem::mnuHundredSpins, 100},
    {MenuItem::mnuDaySpins, 400},
}};

inline constexpr int kSingleSpinRun = 1;
