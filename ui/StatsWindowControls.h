#pragma once

#include <span>

#include "ui/ControlStyle.h"

// frmStats: the window, its fixed controls and the 20 x 20 grid of history
// entries lblStats(0) to lblStats(399).
const WindowDesign& statsWindowDesign();
std::span<const ControlRow> statsWindowControls();

inline constexpr int kStatsCellCount = 400;
inline constexpr int kStatsRows = 20;

// Entry i stands in column i / 20 and row i % 20; 0 <= i < kStatsCellCount.
constexpr TwipRect statsCellRect(int i) {
    const int column = i / kStatsRows;
    const int row = i % kStatsRows;
    return {1350 + 525 * column, 375 + 300 * row, 345, 210};
}

namespace statsCell {
inline constexpr FontDesign font{fonts::msSansSerif, 9.75, true, false};
inline constexpr Rgb text = colours::yellow;
inline constexpr Rgb emptyBack = colours::white;
} // namespace statsCell
