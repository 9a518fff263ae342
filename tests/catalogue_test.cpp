// The catalogue is checked against facts of the roulette layout worked out
// here from the grid of twelve rows of three, not against a second copy of
// the table: a slip in one row of the table shows up as a broken fact.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "layout/BetSpotCatalogue.h"

namespace {
constexpr std::array<Wheel, 2> kWheels = {Wheel::European, Wheel::American};
constexpr int kLastInsideSlot = 148;

const char* wheelName(Wheel wheel) { return wheel == Wheel::European ? "European" : "American"; }

int rowOf(int number) { return (number - 1) / 3; }    // 0 for 1-2-3 ... 11 for 34-35-36
int columnOf(int number) { return (number - 1) % 3; } // 0 for 1, 4 ... 34

PocketSet setOf(const std::vector<int>& codes) {
    PocketSet set;
    for (int code : codes)
        set.bits |= std::uint64_t{1} << code;
    return set;
}

PocketSet numbersWhere(bool (*rule)(int)) {
    std::vector<int> codes;
    for (int n = 1; n <= 36; ++n)
        if (rule(n))
            codes.push_back(n);
    return setOf(codes);
}

// Red by the layout's own pattern: from 1 to 10 and from 19 to 28 the odd
// numbers are red, from 11 to 18 and from 29 to 36 the even ones.
bool isRedByPattern(int n) {
    const bool oddIsRed = (n <= 10) || (n >= 19 && n <= 28);
    return (n % 2 == 1) == oddIsRed;
}

// How many spots of a kind cover exactly this set on the wheel.
int spotsCovering(PocketSet set, BetKind kind, Wheel wheel) {
    return static_cast<int>(std::count_if(betSpots().begin(), betSpots().end(), [&](const BetSpot& spot) {
        return spot.kindOn(wheel) == kind && spot.coversOn(wheel) == set;
    }));
}

std::map<BetKind, int> winningInsideKinds(int pocket, Wheel wheel) {
    std::map<BetKind, int> count;
    for (const BetSpot& spot : betSpots().first(kLastInsideSlot + 1))
        if (spot.coversOn(wheel).contains(pocket))
            ++count[spot.kindOn(wheel)];
    return count;
}

std::set<std::string> zeroAreaSpotsWinningOn(int pocket, Wheel wheel) {
    std::set<std::string> names;
    for (const BetSpot& spot : betSpots().first(11))
        if (spot.coversOn(wheel).contains(pocket))
            names.emplace(spot.name);
    return names;
}
} // namespace

TEST(Catalogue, slotsNamesAndLookupAgree) {
    std::set<std::string_view> names;
    for (int k = 0; k < kSpotCount; ++k) {
        const BetSpot& spot = betSpot(k);
        EXPECT_EQ(spot.slot, k);
        EXPECT_EQ(spot.isOutside(), k >= kFirstOutsideSlot) << spot.name;
        EXPECT_TRUE(names.insert(spot.name).second) << "duplicate name " << spot.name;
        EXPECT_EQ(slotOfName(spot.name), k) << spot.name;
    }
    EXPECT_EQ(outsideSpots().size(), 12U);
    EXPECT_EQ(outsideSpots().front().name, "lblLow");

    // The design spells one control with a lower-case letter; lookups use it as written.
    EXPECT_EQ(slotOfName("lblthirtyTwo"), 134);
    EXPECT_EQ(slotOfName("lblThirtyTwo"), std::nullopt);
    EXPECT_EQ(slotOfName(""), std::nullopt);
}

TEST(Catalogue, markersArePermutationMatchingInsideSlots) {
    std::vector<int> markers;
    for (const BetSpot& spot : betSpots()) {
        markers.push_back(spot.marker);
        if (spot.slot <= kLastInsideSlot) {
            EXPECT_EQ(spot.marker, spot.slot) << spot.name;
        }
    }
    std::sort(markers.begin(), markers.end());
    for (int m = 0; m < kSpotCount; ++m)
        EXPECT_EQ(markers[static_cast<std::size_t>(m)], m);
    // The column markers come first among the outside markers.
    EXPECT_EQ(betSpot(slot::lblFirstColumn).marker, 149);
    EXPECT_EQ(betSpot(slot::lblThirdColumn).marker, 151);
    EXPECT_EQ(betSpot(slot::lblLow).marker, 152);
}

TEST(Catalogue, numberGridHasOneSpotForEveryStraightSplitStreetCornerAndSixLine) {
    for (Wheel wheel : kWheels) {
        SCOPED_TRACE(wheelName(wheel));
        for (int n = 1; n <= 36; ++n)
            EXPECT_EQ(spotsCovering(setOf({n}), BetKind::Straight, wheel), 1) << n;

        int pairs = 0;
        int blocks = 0;
        for (int n = 1; n <= 36; ++n) {
            if (columnOf(n) < 2) {
                EXPECT_EQ(spotsCovering(setOf({n, n + 1}), BetKind::Split, wheel), 1) << n << "-" << n + 1;
                ++pairs;
            }
            if (rowOf(n) < 11) {
                EXPECT_EQ(spotsCovering(setOf({n, n + 3}), BetKind::Split, wheel), 1) << n << "-" << n + 3;
                ++pairs;
            }
            if (columnOf(n) < 2 && rowOf(n) < 11) {
                EXPECT_EQ(spotsCovering(setOf({n, n + 1, n + 3, n + 4}), BetKind::Corner, wheel), 1) << n;
                ++blocks;
            }
        }
        EXPECT_EQ(pairs, 57);
        EXPECT_EQ(blocks, 22);

        for (int row = 0; row < 12; ++row) {
            const int first = 3 * row + 1;
            EXPECT_EQ(spotsCovering(setOf({first, first + 1, first + 2}), BetKind::Street, wheel), 1) << first;
            if (row < 11) {
                const PocketSet twoRows = setOf({first, first + 1, first + 2, first + 3, first + 4, first + 5});
                EXPECT_EQ(spotsCovering(twoRows, BetKind::SixLine, wheel), 1) << first;
            }
        }
        // Slots 11 to 148 hold these spots and nothing else.
        std::map<BetKind, int> kinds;
        for (int k = 11; k <= kLastInsideSlot; ++k) {
            ++kinds[betSpot(k).kindOn(wheel)];
            EXPECT_FALSE(betSpot(k).coversOn(wheel).contains(0) || betSpot(k).coversOn(wheel).contains(kDoubleZero))
                << betSpot(k).name;
        }
        const std::map<BetKind, int> grid = {{BetKind::Straight, 36},
                                             {BetKind::Split, 57},
                                             {BetKind::Street, 12},
                                             {BetKind::Corner, 22},
                                             {BetKind::SixLine, 11}};
        EXPECT_EQ(kinds, grid);
    }
}

TEST(Catalogue, eachNumberWinsTheExpectedInsideSpots) {
    struct Expect {
        int straight, split, street, corner, sixLine;
    };
    auto expected = [](int n) -> Expect {
        if (n == 34 || n == 36)
            return {1, 2, 1, 1, 1};
        if (n == 35)
            return {1, 3, 1, 2, 1};
        if (columnOf(n) == 1)
            return {1, 4, 1, 4, 2};
        return {1, 3, 1, 2, 2};
    };
    for (Wheel wheel : kWheels)
        for (int n = 4; n <= 36; ++n) {
            SCOPED_TRACE(std::string(wheelName(wheel)) + " number " + std::to_string(n));
            const Expect want = expected(n);
            auto got = winningInsideKinds(n, wheel);
            EXPECT_EQ(got[BetKind::Straight], want.straight);
            EXPECT_EQ(got[BetKind::Split], want.split);
            EXPECT_EQ(got[BetKind::Street], want.street);
            EXPECT_EQ(got[BetKind::Corner], want.corner);
            EXPECT_EQ(got[BetKind::SixLine], want.sixLine);
            EXPECT_EQ(got.size(), 5U) << "no other kind of inside spot wins on " << n;
        }
}

TEST(Catalogue, zeroAreaWinnersForZerosAndFirstRow) {
    using Names = std::set<std::string>;
    struct Case {
        Wheel wheel;
        int pocket;
        Names winners;
    };
    const std::vector<Case> cases = {
        {Wheel::American,
         0,
         {"lblZeroA", "lblZeroE", "lblZeroOne", "lblZeroOneTwo", "lblZeroTwoA", "lblZeroDoubleZeroTwo"}},
        {Wheel::European,
         0,
         {"lblZeroE", "lblFirstFour", "lblZeroOne", "lblZeroOneTwo", "lblZeroDoubleZeroTwo", "lblZeroTwoThree",
          "lblZeroThree"}},
        {Wheel::American,
         kDoubleZero,
         {"lblDoubleZero", "lblZeroE", "lblZeroDoubleZeroTwo", "lblDoubleZeroTwo", "lblZeroTwoThree", "lblZeroThree"}},
        {Wheel::European, kDoubleZero, {}},
        {Wheel::American, 1, {"lblZeroOne", "lblZeroOneTwo"}},
        {Wheel::European, 1, {"lblZeroOne", "lblZeroOneTwo", "lblFirstFour"}},
        {Wheel::American,
         2,
         {"lblZeroOneTwo", "lblZeroTwoA", "lblZeroDoubleZeroTwo", "lblDoubleZeroTwo", "lblZeroTwoThree"}},
        {Wheel::European, 2, {"lblZeroOneTwo", "lblZeroDoubleZeroTwo", "lblZeroTwoThree", "lblFirstFour"}},
        {Wheel::American, 3, {"lblZeroTwoThree", "lblZeroThree"}},
        {Wheel::European, 3, {"lblZeroTwoThree", "lblZeroThree", "lblFirstFour"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zeroAreaSpotsWinningOn(c.pocket, c.wheel), c.winners) << wheelName(c.wheel) << " pocket " << c.pocket;
}

TEST(Catalogue, wheelSpecificSpots) {
    // Spots that take chips on one wheel only.
    for (int k : {slot::lblZeroA, slot::lblDoubleZero, slot::lblZeroTwoA, slot::lblDoubleZeroTwo}) {
        EXPECT_FALSE(betSpot(k).takesChipsOn(Wheel::European)) << betSpot(k).name;
        EXPECT_TRUE(betSpot(k).takesChipsOn(Wheel::American)) << betSpot(k).name;
    }
    EXPECT_TRUE(betSpot(slot::lblFirstFour).takesChipsOn(Wheel::European));
    EXPECT_FALSE(betSpot(slot::lblFirstFour).takesChipsOn(Wheel::American));
    EXPECT_EQ(betSpot(slot::lblFirstFour).coversOn(Wheel::European), setOf({0, 1, 2, 3}));

    // The single-zero spot is 0 alone in Europe and the 0-00 split in America,
    // where the straight 0 is lblZeroA.
    EXPECT_EQ(betSpot(slot::lblZeroE).coversOn(Wheel::European), setOf({0}));
    EXPECT_EQ(betSpot(slot::lblZeroE).coversOn(Wheel::American), setOf({0, kDoubleZero}));
    EXPECT_EQ(betSpot(slot::lblZeroA).coversOn(Wheel::American), setOf({0}));

    int europeanSpots = 0;
    int americanSpots = 0;
    for (const BetSpot& spot : betSpots()) {
        EXPECT_FALSE(spot.coversOn(Wheel::European).contains(kDoubleZero)) << spot.name;
        EXPECT_EQ(spot.coversOn(Wheel::European).bits >> 37, 0U) << spot.name;
        EXPECT_EQ(spot.coversOn(Wheel::American).bits >> 38, 0U) << spot.name;
        europeanSpots += spot.takesChipsOn(Wheel::European) ? 1 : 0;
        americanSpots += spot.takesChipsOn(Wheel::American) ? 1 : 0;
    }
    EXPECT_EQ(europeanSpots, kSpotCount - 4);
    EXPECT_EQ(americanSpots, kSpotCount - 1);
}

TEST(Catalogue, outsideSpotsCoverTheirNumbersAndNeverAZero) {
    struct Case {
        int slot;
        BetKind kind;
        PocketSet covers;
    };
    const std::vector<Case> cases = {
        {slot::lblLow, BetKind::EvenMoney, numbersWhere([](int n) { return n <= 18; })},
        {slot::lblHigh, BetKind::EvenMoney, numbersWhere([](int n) { return n >= 19; })},
        {slot::lblEven, BetKind::EvenMoney, numbersWhere([](int n) { return n % 2 == 0; })},
        {slot::lblOdd, BetKind::EvenMoney, numbersWhere([](int n) { return n % 2 == 1; })},
        {slot::lblRed, BetKind::EvenMoney, numbersWhere(isRedByPattern)},
        {slot::lblBlack, BetKind::EvenMoney, numbersWhere([](int n) { return !isRedByPattern(n); })},
        {slot::lblFirstDoz, BetKind::Dozen, numbersWhere([](int n) { return n <= 12; })},
        {slot::lblSecondDoz, BetKind::Dozen, numbersWhere([](int n) { return n >= 13 && n <= 24; })},
        {slot::lblThirdDoz, BetKind::Dozen, numbersWhere([](int n) { return n >= 25; })},
        {slot::lblFirstColumn, BetKind::Column, numbersWhere([](int n) { return columnOf(n) == 0; })},
        {slot::lblSecondColumn, BetKind::Column, numbersWhere([](int n) { return columnOf(n) == 1; })},
        {slot::lblThirdColumn, BetKind::Column, numbersWhere([](int n) { return columnOf(n) == 2; })},
    };
    for (const Case& c : cases)
        for (Wheel wheel : kWheels) {
            const BetSpot& spot = betSpot(c.slot);
            EXPECT_EQ(spot.kindOn(wheel), c.kind) << spot.name;
            EXPECT_EQ(spot.coversOn(wheel), c.covers) << spot.name << " on the " << wheelName(wheel) << " wheel";
            EXPECT_FALSE(spot.coversOn(wheel).contains(0)) << spot.name;
            EXPECT_FALSE(spot.coversOn(wheel).contains(kDoubleZero)) << spot.name;
        }
    EXPECT_EQ(numbersWhere(isRedByPattern).size(), 18);
}

TEST(Catalogue, limitsFollowTheKindExceptTwoZeroSpots) {
    const std::map<BetKind, int> limitOfKind = {
        {BetKind::Straight, 100}, {BetKind::Split, 200},     {BetKind::Street, 300},  {BetKind::Trio, 300},
        {BetKind::Corner, 400},   {BetKind::FirstFour, 400}, {BetKind::SixLine, 600}, {BetKind::EvenMoney, 200},
        {BetKind::Dozen, 100},    {BetKind::Column, 100},
    };
    for (const BetSpot& spot : betSpots())
        for (Wheel wheel : kWheels) {
            if (!spot.takesChipsOn(wheel))
                continue;
            if (spot.slot == slot::lblZeroE) {
                // Kept at the straight-up limit also where it is the 0-00 split.
                EXPECT_EQ(spot.limitOn(wheel), 100) << wheelName(wheel);
                continue;
            }
            EXPECT_EQ(spot.limitOn(wheel), limitOfKind.at(spot.kindOn(wheel)))
                << spot.name << " on the " << wheelName(wheel) << " wheel";
        }
    EXPECT_EQ(betSpot(slot::lblZeroE).kindOn(Wheel::American), BetKind::Split);
    EXPECT_EQ(betSpot(slot::lblZeroDoubleZeroTwo).limitOn(Wheel::European), 200);
    EXPECT_EQ(betSpot(slot::lblZeroDoubleZeroTwo).limitOn(Wheel::American), 300);
}

TEST(Catalogue, oddsAreThirtySixOverNumbersCoveredMinusOne) {
    for (const BetSpot& spot : betSpots())
        for (Wheel wheel : kWheels) {
            const int covered = spot.coversOn(wheel).size();
            if (covered == 0)
                continue;
            ASSERT_EQ(36 % covered, 0) << spot.name << " covers " << covered << " numbers";
            EXPECT_EQ(oddsOf(spot.kindOn(wheel)), 36 / covered - 1)
                << spot.name << " on the " << wheelName(wheel) << " wheel";
        }
}
