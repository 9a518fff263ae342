#pragma once

#include "ui/Twips.h"

// Where the bet spots of the layout lie on the main window, in twips from the
// top-left of its client area. The windows place their controls from these
// rectangles and the picture generator draws the table to the same grid.

struct SpotGeometry {
    TwipRect spot;      // the clickable spot label
    TwipRect chipLabel; // lblZero(slot): the chip count
    TwipRect marker;    // shpChip(marker): the chip drawn under the count
};

// 0 <= displaySlot < 161
const SpotGeometry& spotGeometry(int displaySlot);

// The twelve outside hit-count labels, in the order of OutsideHits
// (lblLowAmt, lblHiAmt, lblEveAmt, lblRedAmt, lblBlkAmt, lblOdAmt,
// lblFDAmt, lblSDAmt, lblTDAmt, lblFCAmt, lblSCAmt, lblTCAmt). 0 <= i < 12
TwipRect outsideHitLabelRect(int i);

// The table drawn on the pictures: from pixel (422, 12) to (644, 365).
inline constexpr TwipRect kTableArea{6330, 180, 3345, 5310};
