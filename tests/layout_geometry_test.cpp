// The overlay is checked against the printed grid: every spot must sit on
// the part of the drawing that matches the pockets it covers, and no spot
// may hide the middle of another, or a click there would go astray.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutGeometry.h"
#include "ui/TableGrid.h"

using namespace tablegrid;

namespace {

// A spot on a line or a corner may miss the printed line by up to a pixel.
constexpr int kOnLineTolerance = kTwipsPerPixel;

struct Point {
    int x;
    int y;
};

// Centres are kept doubled so that odd widths stay exact.
Point doubledCentre(TwipRect r) { return {2 * r.left + r.width, 2 * r.top + r.height}; }
Point centre(TwipRect r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

bool inside(TwipRect inner, TwipRect outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool nearLine(int coordinate, int line) { return std::abs(coordinate - line) <= kOnLineTolerance; }

std::vector<int> numbersOf(const BetSpot& spot) {
    std::vector<int> numbers;
    for (int n = 1; n <= 36; ++n)
        if (spot.coversOn(Wheel::European).contains(n))
            numbers.push_back(n);
    return numbers;
}

bool isNumberGridSpot(const BetSpot& spot) { return spot.slot >= 11 && !spot.isOutside(); }

const TwipRect& spotRect(int slot) { return spotGeometry(slot).spot; }

} // namespace

TEST(LayoutGeometry, EverySpotCountAndMarkerLiesOnTheTable) {
    for (int slot = 0; slot < kSpotCount; ++slot) {
        const SpotGeometry& g = spotGeometry(slot);
        EXPECT_TRUE(inside(g.spot, kTableArea)) << betSpot(slot).name;
        EXPECT_TRUE(inside(g.chipLabel, kTableArea)) << betSpot(slot).name;
        EXPECT_TRUE(inside(g.marker, kTableArea)) << betSpot(slot).name;
        EXPECT_GT(g.spot.width, 0) << betSpot(slot).name;
        EXPECT_GT(g.spot.height, 0) << betSpot(slot).name;
    }
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(inside(outsideHitLabelRect(i), kTableArea)) << i;
}

TEST(LayoutGeometry, NoSpotCoversTheCentreOfAnother) {
    for (int a = 0; a < kSpotCount; ++a) {
        const Point c = doubledCentre(spotRect(a));
        for (int b = 0; b < kSpotCount; ++b) {
            if (a == b)
                continue;
            const TwipRect& r = spotRect(b);
            const bool covered = c.x >= 2 * r.left && c.x < 2 * r.right() && c.y >= 2 * r.top && c.y < 2 * r.bottom();
            EXPECT_FALSE(covered) << betSpot(b).name << " hides the centre of " << betSpot(a).name;
        }
    }
}

TEST(LayoutGeometry, StraightSpotsFollowTheRowsAndColumns) {
    for (const BetSpot& spot : betSpots()) {
        if (!isNumberGridSpot(spot) || spot.kindOn(Wheel::European) != BetKind::Straight)
            continue;
        const int n = numbersOf(spot).front();
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        const TwipRect& r = spotRect(spot.slot);
        EXPECT_EQ(r.top, 780 + 360 * row) << spot.name;
        EXPECT_EQ(r.left, (std::array{7590, 8310, 9045})[static_cast<std::size_t>(column)]) << spot.name;
        EXPECT_EQ(r.width, 255) << spot.name;
        EXPECT_EQ(r.height, 195) << spot.name;
        const Point c = centre(r);
        EXPECT_TRUE(numberCell(n).contains(c.x, c.y)) << spot.name << " is off the printed cell of " << n;
    }
}

// Splits, corners, streets and six lines: the centre lies on the printed line
// or corner shared by exactly the numbers the spot covers.
TEST(LayoutGeometry, SpotsBetweenNumbersSitWhereTheirNumbersMeet) {
    for (const BetSpot& spot : betSpots()) {
        if (!isNumberGridSpot(spot) || spot.kindOn(Wheel::European) == BetKind::Straight)
            continue;
        const std::vector<int> numbers = numbersOf(spot);
        const Point c = centre(spotRect(spot.slot));
        int left = numberCell(numbers.front()).left;
        int right = numberCell(numbers.front()).right();
        int top = numberCell(numbers.front()).top;
        int bottom = numberCell(numbers.front()).bottom();
        for (int n : numbers) {
            left = std::min(left, numberCell(n).left);
            right = std::max(right, numberCell(n).right());
            top = std::min(top, numberCell(n).top);
            bottom = std::max(bottom, numberCell(n).bottom());
        }
        const bool wholeRows =
            spot.kindOn(Wheel::European) == BetKind::Street || spot.kindOn(Wheel::European) == BetKind::SixLine;
        const bool oneRow = bottom - top == kRowPitch;
        const bool oneColumn = right - left == kColumnWidth;
        if (wholeRows)
            EXPECT_TRUE(nearLine(c.x, kGridLeft)) << spot.name << " is off the edge of the grid";
        else if (oneColumn)
            EXPECT_TRUE(c.x > left && c.x < right) << spot.name;
        else
            EXPECT_TRUE(nearLine(c.x, (left + right) / 2)) << spot.name << " is off the line between its columns";
        if (oneRow)
            EXPECT_TRUE(c.y > top && c.y < bottom) << spot.name;
        else
            EXPECT_TRUE(nearLine(c.y, (top + bottom) / 2)) << spot.name << " is off the line between its rows";
    }
}

TEST(LayoutGeometry, ZeroAreaSpotsSitOnTheZerosOrOnTheirLine) {
    for (int slot : {slot::lblZeroA, slot::lblZeroE, slot::lblDoubleZero}) {
        const Point c = centre(spotRect(slot));
        EXPECT_GT(c.y, kZeroAreaTop) << betSpot(slot).name;
        EXPECT_LT(c.y, kGridTop) << betSpot(slot).name;
    }
    // The single European zero stands in the middle, where 0 and 00 meet on
    // the American table.
    EXPECT_TRUE(nearLine(centre(spotRect(slot::lblZeroE)).x, kZeroAreaMiddle));
    EXPECT_LT(centre(spotRect(slot::lblZeroA)).x, kZeroAreaMiddle);
    EXPECT_GT(centre(spotRect(slot::lblDoubleZero)).x, kZeroAreaMiddle);

    for (int slot = slot::lblFirstFour; slot <= 10; ++slot) {
        const BetSpot& spot = betSpot(slot);
        const Point c = centre(spotRect(slot));
        EXPECT_TRUE(nearLine(c.y, kGridTop)) << spot.name << " is off the line under the zeros";
        // On both wheels the numbers covered are where the spot touches row 1;
        // the first four alone covers a whole row from its corner.
        if (spot.kindOn(Wheel::European) == BetKind::FirstFour)
            continue;
        for (Wheel wheel : {Wheel::European, Wheel::American}) {
            const PocketSet covered = spot.coversOn(wheel);
            for (int n = 1; n <= 3; ++n) {
                const TwipRect cell = numberCell(n);
                const bool touches = c.x >= cell.left - kOnLineTolerance && c.x <= cell.right() + kOnLineTolerance;
                if (covered.contains(n)) {
                    EXPECT_TRUE(touches) << spot.name << " covers " << n << " but is not on it";
                } else if (!covered.empty()) {
                    EXPECT_FALSE(c.x > cell.left + kOnLineTolerance && c.x < cell.right() - kOnLineTolerance)
                        << spot.name << " lies on " << n << " without covering it";
                }
            }
        }
    }
    // On the American table 0 is left of the middle and 00 right of it.
    EXPECT_LT(centre(spotRect(slot::lblZeroTwoA)).x, kZeroAreaMiddle);
    EXPECT_GT(centre(spotRect(slot::lblDoubleZeroTwo)).x, kZeroAreaMiddle);
    EXPECT_TRUE(nearLine(centre(spotRect(slot::lblZeroDoubleZeroTwo)).x, kZeroAreaMiddle));
    EXPECT_TRUE(nearLine(centre(spotRect(slot::lblFirstFour)).x, kGridLeft));
}

TEST(LayoutGeometry, InsideCountsLieOnTheirSpotWithTheMarkerUpAndLeft) {
    for (int slot = 0; slot < kFirstOutsideSlot; ++slot) {
        const SpotGeometry& g = spotGeometry(slot);
        EXPECT_EQ(g.chipLabel, g.spot) << betSpot(slot).name;
        EXPECT_EQ(g.marker, (TwipRect{g.spot.left - 30, g.spot.top - 15, 300, 210})) << betSpot(slot).name;
    }
}

TEST(LayoutGeometry, OutsideSpotsLieInTheirPrintedBoxes) {
    for (int i = 0; i < kOutsideBoxCount; ++i) {
        const int slot = kFirstOutsideSlot + i;
        const SpotGeometry& g = spotGeometry(slot);
        const TwipRect box = outsideBox(i);
        // The column spots were designed to the twip; half a pixel over the
        // line still draws inside it.
        const TwipRect widened{box.left - kTwipsPerPixel / 2, box.top, box.width + kTwipsPerPixel, box.height};
        EXPECT_TRUE(inside(g.spot, widened)) << betSpot(slot).name;
        EXPECT_TRUE(inside(g.chipLabel, box)) << betSpot(slot).name;
        EXPECT_EQ(g.chipLabel.width, 255) << betSpot(slot).name;
        EXPECT_EQ(g.marker.left, g.chipLabel.left - 30) << betSpot(slot).name;
        EXPECT_EQ(g.marker.top, g.chipLabel.top) << betSpot(slot).name;
        const Point hit =
            centre(outsideHitLabelRect(i < 6 ? std::array{0, 2, 3, 4, 5, 1}[static_cast<std::size_t>(i)] : i));
        EXPECT_TRUE(box.contains(hit.x, hit.y)) << "hit count of " << betSpot(slot).name;
    }
}

TEST(LayoutGeometry, OutsideSpotsKeepTheirDesignedPlaces) {
    EXPECT_EQ(spotRect(slot::lblLow), (TwipRect{6480, 750, 375, 615}));
    EXPECT_EQ(spotRect(slot::lblHigh), (TwipRect{6480, 4320, 375, 615}));
    EXPECT_EQ(spotRect(slot::lblSecondDoz), (TwipRect{6960, 2160, 255, 1335}));
    EXPECT_EQ(spotRect(slot::lblFirstColumn), (TwipRect{7350, 5040, 735, 375}));
    EXPECT_EQ(spotGeometry(slot::lblThirdColumn).marker, (TwipRect{9000, 5160, 300, 210}));
    EXPECT_EQ(outsideHitLabelRect(11), (TwipRect{9270, 5220, 300, 180}));
}
