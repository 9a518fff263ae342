#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "layout/BetSpotCatalogue.h"
#include "results/Settlement.h"
#include "tests/ResultsTable.h"

namespace {

using StakeTable = std::array<ChipCount, kSpotCount>;

// The rules themselves: a spot wins when the pocket is among those it covers
// on the wheel, and pays 36 / (numbers covered) - 1 to one, stake included.
std::int64_t oracleReturn(const BetSpot& spot, Wheel wheel, int pocket, ChipCount stake) {
    const PocketSet covered = spot.coversOn(wheel);
    if (!covered.contains(pocket))
        return 0;
    const int odds = 36 / covered.size() - 1;
    return std::int64_t{stake} * (odds + 1);
}

std::int64_t oracleInside(Wheel wheel, int pocket, const StakeTable& stakes) {
    std::int64_t total = 0;
    for (const BetSpot& spot : betSpots())
        if (!spot.isOutside())
            total += oracleReturn(spot, wheel, pocket, stakes[static_cast<std::size_t>(spot.slot)]);
    return total;
}

StakeTable randomLayout(std::mt19937& rng, Wheel wheel) {
    StakeTable stakes{};
    std::uniform_int_distribution<int> coin(0, 3);
    for (const BetSpot& spot : betSpots()) {
        if (!spot.takesChipsOn(wheel) || coin(rng) != 0)
            continue;
        std::uniform_int_distribution<int> chips(1, spot.limitOn(wheel));
        stakes[static_cast<std::size_t>(spot.slot)] = static_cast<ChipCount>(chips(rng));
    }
    return stakes;
}

TEST(Settlement, everyPocketOfBothWheelsPaysWhatTheRulesSayOnRandomLayouts) {
    std::mt19937 rng(20240611);
    for (Wheel wheel : {Wheel::European, Wheel::American}) {
        for (int pocket = 0; pocket < pocketsOn(wheel); ++pocket) {
            for (int layout = 0; layout < 40; ++layout) {
                const StakeTable stakes = randomLayout(rng, wheel);
                const auto code = static_cast<PocketCode>(pocket);
                SCOPED_TRACE("wheel " + std::to_string(static_cast<int>(wheel)) + " pocket " + std::to_string(pocket));

                EXPECT_EQ(settleInsideChips(wheel, code, stakes), oracleInside(wheel, pocket, stakes));
                const OutsideReturns outside = settleOutsideChips(wheel, code, stakes);
                for (const BetSpot& spot : outsideSpots())
                    EXPECT_EQ(outside[static_cast<std::size_t>(spot.slot - kFirstOutsideSlot)],
                              oracleReturn(spot, wheel, pocket, stakes[static_cast<std::size_t>(spot.slot)]))
                        << spot.name;
            }
        }
    }
}

TEST(Settlement, outsideHitsAreTheCoveringBetsInHitCountOrderAndNoneOnZeros) {
    for (Wheel wheel : {Wheel::European, Wheel::American}) {
        for (int pocket = 0; pocket < pocketsOn(wheel); ++pocket) {
            std::vector<int> expected;
            for (std::size_t bet = 0; bet < kOutsideHitSlots.size(); ++bet)
                if (betSpot(kOutsideHitSlots[bet]).coversOn(wheel).contains(pocket))
                    expected.push_back(static_cast<int>(bet));
            std::vector<int> actual;
            for (const WinningOutsideBet& winner : winningOutsideBets(wheel, static_cast<PocketCode>(pocket)))
                actual.push_back(winner.hitIndex);
            EXPECT_EQ(actual, expected) << "pocket " << pocket;
            EXPECT_EQ(actual.size(), isZero(pocket) ? 0u : 5u) << "pocket " << pocket;
        }
    }
    // Codes that are no pocket settle nothing rather than reading past the tables.
    for (PocketCode code : {kNoNumber, PocketCode{-1}, PocketCode{38}}) {
        EXPECT_TRUE(winningOutsideBets(Wheel::American, code).empty());
        EXPECT_TRUE(winningInsideSpots(Wheel::American, code).empty());
    }
}

struct WorkedExample {
    const char* what;
    Wheel wheel;
    PocketCode pocket;
    std::map<std::string, ChipCount> stakes;
    std::int64_t inside;
    std::map<std::string, std::int64_t> outside; // the spots that return anything
};

TEST(Settlement, workedExamplesOfTheTable) {
    const std::vector<WorkedExample> examples = {
        {"zero on the single-zero wheel",
         Wheel::European,
         0,
         {{"lblFirstFour", 1}, {"lblZeroE", 2}, {"lblRed", 1}},
         9 + 72,
         {}},
        {"double zero on the 0-00 split", Wheel::American, kDoubleZero, {{"lblZeroE", 1}}, 18, {}},
        {"the same spot as straight 0", Wheel::European, 0, {{"lblZeroE", 1}}, 36, {}},
        {"split, first number", Wheel::European, 7, {{"lblSevenEight", 1}}, 18, {}},
        {"split, second number", Wheel::European, 8, {{"lblSevenEight", 1}}, 18, {}},
        {"two on the double-zero wheel",
         Wheel::American,
         2,
         {{"lblTwo", 1},
          {"lblOneTwo", 2},
          {"lblZeroDoubleZeroTwo", 1},
          {"lblFirstDoz", 3},
          {"lblBlack", 4},
          {"lblEven", 1},
          {"lblOdd", 5}},
         36 + 36 + 12,
         {{"lblFirstDoz", 9}, {"lblBlack", 8}, {"lblEven", 2}}},
        {"full six line", Wheel::European, 36, {{"lblThirtyOneSix", 600}}, 3600, {}},
        {"outside only on double zero", Wheel::American, kDoubleZero, {{"lblRed", 5}, {"lblLow", 2}}, 0, {}},
        {"zero-two pays as a split on the single-zero wheel",
         Wheel::European,
         2,
         {{"lblZeroDoubleZeroTwo", 1}},
         18,
         {}},
        {"zero-two-three keeps its trio odds with double zero",
         Wheel::American,
         kDoubleZero,
         {{"lblZeroTwoThree", 1}, {"lblZeroThree", 1}},
         12 + 18,
         {}},
    };
    for (const WorkedExample& example : examples) {
        SCOPED_TRACE(example.what);
        StakeTable stakes{};
        for (const auto& [name, chips] : example.stakes)
            stakes[static_cast<std::size_t>(slotOfName(name).value())] = chips;
        EXPECT_EQ(settleInsideChips(example.wheel, example.pocket, stakes), example.inside);
        const OutsideReturns outside = settleOutsideChips(example.wheel, example.pocket, stakes);
        for (const BetSpot& spot : outsideSpots()) {
            const auto it = example.outside.find(std::string(spot.name));
            EXPECT_EQ(outside[static_cast<std::size_t>(spot.slot - kFirstOutsideSlot)],
                      it == example.outside.end() ? 0 : it->second)
                << spot.name;
        }
    }
}

TEST(Settlement, aSpinAdvancesTheHitCountsOfItsPocketWhateverIsStaked) {
    ResultsTable table;
    table.spin(0);
    EXPECT_EQ(table.state().NumberHits[0], 1);
    EXPECT_EQ(table.state().OutsideHits, (std::array<std::int32_t, 12>{}));

    table.bet("lblSeventeen", 1);
    table.spin(2);
    // Low, Even, Black, first dozen, second column.
    EXPECT_EQ(table.state().OutsideHits, (std::array<std::int32_t, 12>{1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 1, 0}));
    EXPECT_EQ(table.state().NumberHits[2], 1);
}

// Winnings is the exact sum of every spin's return less what it charged,
// over long random sequences at every unit and on both wheels.
TEST(Settlement, winningsStayExactOverRandomSequences) {
    const std::array<MenuItem, 5> units = {MenuItem::mnuTwentyFive, MenuItem::mnuFifty, MenuItem::mnuOneDollar,
                                           MenuItem::mnuFiveDollar, MenuItem::mnuTenDollar};
    const std::array<Money, 5> chipValues = {Money::fromCents(25), Money::fromCents(50), Money::fromDollars(1),
                                             Money::fromDollars(5), Money::fromDollars(10)};
    std::mt19937 rng(7);
    for (bool american : {false, true}) {
        for (std::size_t u = 0; u < units.size(); ++u) {
            ResultsTable table;
            table.choose(MenuItem::mnuOff);
            if (american)
                table.useAmericanWheel();
            if (units[u] != MenuItem::mnuOneDollar)
                table.choose(units[u]);
            const Wheel wheel = table.wheel();

            Money expected;
            std::uniform_int_distribution<int> anySpot(0, kSpotCount - 1);
            std::uniform_int_distribution<int> anyPocket(0, pocketsOn(wheel) - 1);
            for (int spin = 0; spin < 120; ++spin) {
                const int slot = anySpot(rng);
                if (betSpot(slot).takesChipsOn(wheel) &&
                    table.state().Stakes[static_cast<std::size_t>(slot)] < betSpot(slot).limitOn(wheel))
                    table.game.BetSpotMouseUp(slot, spin % 7 == 0 ? 2 : 1);

                const auto pocket = static_cast<PocketCode>(anyPocket(rng));
                StakeTable stakes = table.state().Stakes;
                std::int64_t chips = oracleInside(wheel, pocket, stakes);
                for (const BetSpot& spot : outsideSpots())
                    chips += oracleReturn(spot, wheel, pocket, stakes[static_cast<std::size_t>(spot.slot)]);
                expected += chipValues[u] * chips - table.state().TotalAmountBet;

                table.spin(pocket);
                ASSERT_EQ(table.state().Winnings, expected) << "unit " << u << " spin " << spin;
                ASSERT_EQ(table.caption(ctl::lblYouWon), std::to_string(chips));
            }
            EXPECT_EQ(table.screen.control(ctl::lblWinnings).money, expected);
        }
    }
}

} // namespace
