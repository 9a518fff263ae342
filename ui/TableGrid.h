#pragma once

#include <array>

#include "ui/Twips.h"

// The one grid that both the clickable overlay and the printed table follow,
// in twips from the top-left of the main window's client area. The overlay
// rules come first; the lines of the printed layout are chosen so that every
// spot lands on the matching number, line or corner of the drawing.
namespace tablegrid {

inline constexpr int kRows = 12;
inline constexpr int kColumns = 3;
inline constexpr int kRowPitch = 360;

// --- The overlay -----------------------------------------------------------

// Every inside spot, and every chip count, is this size.
inline constexpr int kSpotWidth = 255;
inline constexpr int kSpotHeight = 195;

// Straight-up spots of the first, second and third column.
inline constexpr std::array<int, kColumns> kNumberSpotLeft{7590, 8310, 9045};
// Spots on the line between column c and c + 1 (splits in a row, corners).
inline constexpr std::array<int, kColumns - 1> kColumnLineSpotLeft{7950, 8670};
// Streets and six lines sit on the left edge of the number grid.
inline constexpr int kGridEdgeSpotLeft = 7230;
// Top of the straight-up spots of 1-2-3; each later row is one pitch lower.
inline constexpr int kFirstRowSpotTop = 780;
// Top of the spots on the line under 1-2-3 (splits and corners to 4-5-6).
inline constexpr int kFirstRowLineSpotTop = 975;
// The zero area: the zeros themselves, and the spots on the line between the
// zero area and 1-2-3.
inline constexpr int kZeroSpotTop = 360;
inline constexpr int kZeroLineSpotTop = 600;

// A chip marker is a little wider and taller than the count drawn on it.
inline constexpr int kMarkerWidth = 300;
inline constexpr int kMarkerHeight = 210;
inline constexpr int kMarkerLeftOfLabel = 30;
// Inside spots only; outside markers sit level with their count.
inline constexpr int kMarkerAboveLabel = 15;

inline constexpr int kHitLabelWidth = 300;
inline constexpr int kHitLabelHeight = 180;

// --- The printed layout ----------------------------------------------------

inline constexpr int kGridLeft = 7350;
inline constexpr int kColumnWidth = 730;
// The line between the zero area and 1-2-3.
inline constexpr int kGridTop = 705;
inline constexpr int kZeroAreaTop = 240;
// The even-money column and the dozens column, left of the numbers.
inline constexpr int kEvenMoneyLeft = 6450;
inline constexpr int kDozenLeft = 6900;
inline constexpr int kRowsPerEvenMoneyBox = 2;
inline constexpr int kRowsPerDozen = 4;
inline constexpr int kColumnBetsBottom = 5430;

// Line i of the columns, 0 (left edge) to kColumns (right edge).
constexpr int columnLine(int i) { return kGridLeft + kColumnWidth * i; }
// Line i of the rows, 0 (under the zero area) to kRows (above the 2 To 1 boxes).
constexpr int rowLine(int i) { return kGridTop + kRowPitch * i; }

inline constexpr int kGridRight = columnLine(kColumns);
inline constexpr int kGridBottom = rowLine(kRows);
// Where 0 and 00 meet on the American table, and where the single 0 of the
// European table stands.
inline constexpr int kZeroAreaMiddle = (kGridLeft + kGridRight) / 2;

// The cell of number 1 to 36 on the printed layout.
constexpr TwipRect numberCell(int number) {
    const int row = (number - 1) / kColumns;
    const int column = (number - 1) % kColumns;
    return {columnLine(column), rowLine(row), kColumnWidth, kRowPitch};
}

// The printed box of the outside spot at display slot 149 + i, in the order
// of the catalogue: low, even, red, black, odd, high, three dozens, three
// columns.
inline constexpr int kOutsideBoxCount = 12;
constexpr TwipRect outsideBox(int i) {
    constexpr int evenMoneyBoxes = 6;
    constexpr int dozens = 3;
    if (i < evenMoneyBoxes) {
        constexpr int height = kRowPitch * kRowsPerEvenMoneyBox;
        return {kEvenMoneyLeft, kGridTop + height * i, kDozenLeft - kEvenMoneyLeft, height};
    }
    if (i < evenMoneyBoxes + dozens) {
        constexpr int height = kRowPitch * kRowsPerDozen;
        return {kDozenLeft, kGridTop + height * (i - evenMoneyBoxes), kGridLeft - kDozenLeft, height};
    }
    return {columnLine(i - evenMoneyBoxes - dozens), kGridBottom, kColumnWidth, kColumnBetsBottom - kGridBottom};
}

} // namespace tablegrid
