#pragma once

#include <span>

#include "ui/ControlStyle.h"

// frmQuelta: the window and every control outside the betting layout, in
// stacking order from the bottom up (a later row lies above an earlier one).
const WindowDesign& mainWindowDesign();
std::span<const ControlRow> mainWindowControls();

// The looks of the layout overlay, the same for every bet spot.
namespace overlay {
// lblZero(k): the chip count drawn on the chip
inline constexpr FontDesign chipLabelFont{fonts::timesNewRoman, 6.75, true, false};
inline constexpr Rgb chipLabelText{0, 255, 255};
// shpChip(m): the chip under the count
inline constexpr Rgb markerFill{0, 0, 255};
inline constexpr Rgb markerHatch{128, 128, 255};
inline constexpr Rgb markerBorder{0, 0, 192};
inline constexpr int markerBorderPixels = 3;
// the twelve outside hit counts
inline constexpr FontDesign hitLabelFont{fonts::arialNarrow, 8.25, false, false};
inline constexpr Rgb hitLabelText{192, 255, 255};
} // namespace overlay
