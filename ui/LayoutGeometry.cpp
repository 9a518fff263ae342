#include "ui/LayoutGeometry.h"

#include <array>
#include <bit>
#include <cstddef>
#include <stdexcept>

#include "layout/BetSpotCatalogue.h"
#include "ui/TableGrid.h"

using namespace tablegrid;

namespace {

struct TwipPoint {
    int left;
    int top;
};

// The zero area does not follow the number grid, so its eleven spots are
// placed one by one. lblZeroTwoA and lblDoubleZeroTwo sit either side of the
// 0-00-2 corner, close enough to it to stay on number 2 and far enough from
// their neighbours that no spot hides another's centre.
struct ZeroAreaRow {
    int slot;
    TwipPoint at;
};
constexpr std::array<ZeroAreaRow, 11> kZeroArea = {{
    {slot::lblZeroA, {kColumnLineSpotLeft[0], kZeroSpotTop}},
    {slot::lblZeroE, {kNumberSpotLeft[1], kZeroSpotTop}},
    {slot::lblDoubleZero, {kColumnLineSpotLeft[1], kZeroSpotTop}},
    {slot::lblFirstFour, {kGridEdgeSpotLeft, kZeroLineSpotTop}},
    {4 /* lblZeroOne */, {kNumberSpotLeft[0], kZeroLineSpotTop}},
    {5 /* lblZeroOneTwo */, {kColumnLineSpotLeft[0], kZeroLineSpotTop}},
    {slot::lblZeroTwoA, {8100, kZeroLineSpotTop}},
    {slot::lblZeroDoubleZeroTwo, {kNumberSpotLeft[1], kZeroLineSpotTop}},
    {slot::lblDoubleZeroTwo, {8520, kZeroLineSpotTop}},
    {9 /* lblZeroTwoThree */, {kColumnLineSpotLeft[1], kZeroLineSpotTop}},
    {10 /* lblZeroThree */, {kNumberSpotLeft[2], kZeroLineSpotTop}},
}};

// The outside spots as the window was designed: spot, chip count and chip
// marker. Slot order; the marker is the one the spot shows, whatever its
// index in shpChip.
struct OutsideRow {
    int slot;
    TwipRect spot;
    TwipPoint chipLabel;
    TwipPoint marker;
};
constexpr std::array<OutsideRow, 12> kOutside = {{
    {slot::lblLow, {6480, 750, 375, 615}, {6510, 960}, {6480, 960}},
    {slot::lblEven, {6480, 1440, 375, 615}, {6510, 1560}, {6480, 1560}},
    {slot::lblRed, {6480, 2160, 375, 615}, {6510, 2400}, {6480, 2400}},
    {slot::lblBlack, {6480, 2880, 375, 615}, {6510, 3120}, {6480, 3120}},
    {slot::lblOdd, {6480, 3600, 375, 615}, {6510, 3840}, {6480, 3840}},
    {slot::lblHigh, {6480, 4320, 375, 615}, {6510, 4560}, {6480, 4560}},
    {slot::lblFirstDoz, {6960, 840, 255, 1215}, {6990, 1320}, {6960, 1320}},
    {slot::lblSecondDoz, {6960, 2160, 255, 1335}, {6990, 2760}, {6960, 2760}},
    {slot::lblThirdDoz, {6960, 3600, 255, 1335}, {6990, 4200}, {6960, 4200}},
    {slot::lblFirstColumn, {7350, 5040, 735, 375}, {7590, 5160}, {7560, 5160}},
    {slot::lblSecondColumn, {8160, 5040, 615, 375}, {8310, 5160}, {8280, 5160}},
    {slot::lblThirdColumn, {8910, 5040, 615, 375}, {9030, 5160}, {9000, 5160}},
}};

// lblLowAmt, lblHiAmt, lblEveAmt, lblRedAmt, lblBlkAmt, lblOdAmt, lblFDAmt,
// lblSDAmt, lblTDAmt, lblFCAmt, lblSCAmt, lblTCAmt.
constexpr std::array<TwipPoint, 12> kHitLabels = {{
    {6480, 1200},
    {6480, 4800},
    {6480, 1920},
    {6480, 2640},
    {6480, 3360},
    {6480, 4080},
    {6960, 1920},
    {6930, 3360},
    {6930, 4800},
    {7770, 5220},
    {8535, 5220},
    {9270, 5220},
}};

constexpr TwipRect insideRect(TwipPoint at) { return {at.left, at.top, kSpotWidth, kSpotHeight}; }

int lowestNumber(PocketSet covered) { return std::countr_zero(covered.bits); }
int rowOf(int number) { return (number - 1) / kColumns; }
int columnOf(int number) { return (number - 1) % kColumns; }
int rowTop(int row) { return kFirstRowSpotTop + kRowPitch * row; }
int rowLineTop(int row) { return kFirstRowLineSpotTop + kRowPitch * row; }

// A spot on the numbers 1 to 36 lies where the numbers it covers meet: on a
// number, on the line between two, on the corner of four, or on the left edge
// of the grid for whole rows.
TwipPoint numberGridSpot(const BetSpot& spot) {
    const PocketSet covered = spot.coversOn(Wheel::European);
    const int first = lowestNumber(covered);
    const int row = rowOf(first);
    const int column = columnOf(first);
    switch (spot.kindOn(Wheel::European)) {
    case BetKind::Straight: return {kNumberSpotLeft[column], rowTop(row)};
    case BetKind::Split:
        if (covered.contains(first + 1) && columnOf(first + 1) == column + 1)
            return {kColumnLineSpotLeft[column], rowTop(row)};
        return {kNumberSpotLeft[column], rowLineTop(row)};
    case BetKind::Corner: return {kColumnLineSpotLeft[column], rowLineTop(row)};
    case BetKind::Street: return {kGridEdgeSpotLeft, rowTop(row)};
    case BetKind::SixLine: return {kGridEdgeSpotLeft, rowLineTop(row)};
    default: break;
    }
    throw std::logic_error("a spot on the numbers of an unexpected kind");
}

SpotGeometry insideGeometry(TwipRect spot) {
    return {spot, spot, {spot.left - kMarkerLeftOfLabel, spot.top - kMarkerAboveLabel, kMarkerWidth, kMarkerHeight}};
}

SpotGeometry outsideGeometry(const OutsideRow& row) {
    return {row.spot,
            {row.chipLabel.left, row.chipLabel.top, kSpotWidth, kSpotHeight},
            {row.marker.left, row.marker.top, kMarkerWidth, kMarkerHeight}};
}

std::array<SpotGeometry, kSpotCount> buildGeometry() {
    std::array<SpotGeometry, kSpotCount> all{};
    for (const ZeroAreaRow& row : kZeroArea)
        all[static_cast<std::size_t>(row.slot)] = insideGeometry(insideRect(row.at));
    for (const BetSpot& spot : betSpots()) {
        if (spot.slot > static_cast<int>(kZeroArea.size()) - 1 && !spot.isOutside())
            all[static_cast<std::size_t>(spot.slot)] = insideGeometry(insideRect(numberGridSpot(spot)));
    }
    for (const OutsideRow& row : kOutside)
        all[static_cast<std::size_t>(row.slot)] = outsideGeometry(row);
    return all;
}

} // namespace

const SpotGeometry& spotGeometry(int displaySlot) {
    static const std::array<SpotGeometry, kSpotCount> geometry = buildGeometry();
    return geometry.at(static_cast<std::size_t>(displaySlot));
}

TwipRect outsideHitLabelRect(int i) {
    const TwipPoint at = kHitLabels.at(static_cast<std::size_t>(i));
    return {at.left, at.top, kHitLabelWidth, kHitLabelHeight};
}
