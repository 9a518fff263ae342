// The table pictures against the overlay: a click on a printed number, line
// or box must land on the spot that the drawing shows there.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "PictureColours.h"
#include "PictureProbe.h"
#include "Pictures.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutGeometry.h"
#include "ui/TableGrid.h"

namespace {

constexpr std::array<Wheel, 2> kWheels = {Wheel::European, Wheel::American};
constexpr Rgb kWhiteLine = picturecolours::line;
constexpr Rgb kFelt = picturecolours::felt;

std::string wheelName(Wheel wheel) { return wheel == Wheel::European ? "European" : "American"; }

class TablePicture : public testing::TestWithParam<Wheel> {
protected:
    static const QImage& picture(Wheel wheel) {
        static const std::array<QImage, 2> pictures = {drawTablePicture(Wheel::European),
                                                       drawTablePicture(Wheel::American)};
        return pictures[static_cast<std::size_t>(wheel)];
    }
    const QImage& image() const { return picture(GetParam()); }
};

int numberOf(const BetSpot& spot) {
    for (int n = 1; n <= 36; ++n)
        if (spot.coversOn(Wheel::European).contains(n))
            return n;
    return -1;
}

bool isNumberStraight(const BetSpot& spot) {
    return !spot.isOutside() && spot.kindOn(Wheel::European) == BetKind::Straight && numberOf(spot) > 0;
}

// The first printed line met walking from a point in one direction.
int firstLineFrom(const QImage& image, QPoint from, QPoint step) {
    for (QPoint p = from; image.rect().contains(p); p += step)
        if (isColour(image.pixel(p), kWhiteLine))
            return step.x() != 0 ? p.x() : p.y();
    return -1;
}

} // namespace

TEST_P(TablePicture, HasTheWindowSizeAndPlainBackgroundOutsideTheTable) {
    ASSERT_EQ(image().size(), QSize(655, 400));
    const QRect table(422, 12, 223, 354); // (422, 12) to (644, 365)
    EXPECT_EQ(table, pixelsOf(kTableArea));
    int stray = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x)
            if (!table.contains(x, y) && !isColour(image().pixel(x, y), picturecolours::background))
                ++stray;
    EXPECT_EQ(stray, 0);
    // The table itself is felt, not background.
    EXPECT_GT(countPixels(image(), table, [](QRgb p) { return isColour(p, kFelt); }),
              table.width() * table.height() / 3);
}

TEST_P(TablePicture, EveryStraightSpotLiesOnAnOvalOfItsNumbersColour) {
    for (const BetSpot& spot : betSpots()) {
        if (!isNumberStraight(spot))
            continue;
        const int n = numberOf(spot);
        const Rgb own = pocketColour(n);
        const Rgb other = own == colours::red ? colours::black : colours::red;
        const QRect area = pixelsOf(spotGeometry(spot.slot).spot);
        const int ownPixels = countPixels(image(), area, [own](QRgb p) { return isColour(p, own); });
        EXPECT_GT(ownPixels, area.width() * area.height() / 3) << spot.name << " on " << wheelName(GetParam());
        EXPECT_EQ(countPixels(image(), area, [other](QRgb p) { return isColour(p, other); }), 0) << spot.name;
        EXPECT_EQ(countPixels(image(), area, [](QRgb p) { return isColour(p, kFelt); }), 0)
            << spot.name << " reaches off its oval";
        EXPECT_GT(countPixels(image(), area, looksYellow), 0) << spot.name << " shows no number";
    }
}

// Splits, corners, streets, six lines and the spots under the zeros all sit
// on a printed line.
TEST_P(TablePicture, SpotsBetweenNumbersSitOnALine) {
    for (const BetSpot& spot : betSpots()) {
        if (spot.isOutside() || spot.slot <= slot::lblDoubleZero || isNumberStraight(spot))
            continue;
        const QPoint centre = centrePixelOf(spotGeometry(spot.slot).spot);
        const QRect near(centre - QPoint(1, 1), QSize(3, 3));
        EXPECT_GT(countPixels(image(), near, [](QRgb p) { return isColour(p, kWhiteLine); }), 0)
            << spot.name << " on " << wheelName(GetParam());
    }
}

TEST_P(TablePicture, EveryOutsideSpotLiesInsideItsBox) {
    for (int i = 0; i < tablegrid::kOutsideBoxCount; ++i) {
        const int slot = kFirstOutsideSlot + i;
        const QRect spot = pixelsOf(spotGeometry(slot).spot);
        // A box's line may run along the spot's outermost pixels, never through it.
        const QRect within = spot.adjusted(1, 1, -1, -1);
        EXPECT_EQ(countPixels(image(), within, [](QRgb p) { return isColour(p, kWhiteLine); }), 0)
            << betSpot(slot).name << " is crossed by a line";
        const QPoint centre = centrePixelOf(spotGeometry(slot).spot);
        const int left = firstLineFrom(image(), centre, {-1, 0});
        const int right = firstLineFrom(image(), centre, {1, 0});
        const int top = firstLineFrom(image(), centre, {0, -1});
        const int bottom = firstLineFrom(image(), centre, {0, 1});
        EXPECT_LE(left, spot.left()) << betSpot(slot).name;
        EXPECT_GE(right, spot.right()) << betSpot(slot).name;
        EXPECT_LE(top, spot.top()) << betSpot(slot).name;
        EXPECT_GE(bottom, spot.bottom()) << betSpot(slot).name;
        // ...and those are the lines of the box printed for this spot.
        const TwipRect box = tablegrid::outsideBox(i);
        EXPECT_EQ(left, twipsToPixels(box.left)) << betSpot(slot).name;
        EXPECT_EQ(right, twipsToPixels(box.right())) << betSpot(slot).name;
        EXPECT_EQ(top, twipsToPixels(box.top)) << betSpot(slot).name;
        EXPECT_EQ(bottom, twipsToPixels(box.bottom())) << betSpot(slot).name;
    }
}

TEST_P(TablePicture, ZerosStandWhereTheirSpotsAre) {
    const auto yellowIn = [this](int slot) {
        return countPixels(image(), pixelsOf(spotGeometry(slot).spot), looksYellow);
    };
    if (GetParam() == Wheel::American) {
        EXPECT_GT(yellowIn(slot::lblZeroA), 0);
        EXPECT_GT(yellowIn(slot::lblDoubleZero), 0);
        // Between 0 and 00 lies the line that lblZeroE straddles.
        const QPoint middle = centrePixelOf(spotGeometry(slot::lblZeroE).spot);
        EXPECT_GT(countPixels(image(), QRect(middle - QPoint(1, 0), QSize(3, 1)),
                              [](QRgb p) { return isColour(p, kWhiteLine); }),
                  0);
    } else {
        EXPECT_GT(yellowIn(slot::lblZeroE), 0);
        // No double zero on the European table: only felt where its spot lies.
        const QRect doubleZero = pixelsOf(spotGeometry(slot::lblDoubleZero).spot);
        EXPECT_EQ(countPixels(image(), doubleZero, [](QRgb p) { return !isColour(p, kFelt); }), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWheels, TablePicture, testing::ValuesIn(kWheels),
                         [](const testing::TestParamInfo<Wheel>& info) { return wheelName(info.param); });
