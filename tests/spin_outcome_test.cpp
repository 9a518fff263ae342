#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/ResultsTable.h"

namespace {

struct OutcomeCase {
    const char* what;
    bool american;
    MenuItem unit;
    std::vector<std::pair<const char*, int>> chips;
    PocketCode pocket;
    const char* youWon;
    Money winnings; // from 0 before the spin
};

TEST(SpinOutcome, showsTheReturnInUnitsAndTheRunningWinningsBySign) {
    const std::vector<OutcomeCase> cases = {
        {"straight at one dollar",
         false,
         MenuItem::mnuOneDollar,
         {{"lblSeventeen", 1}},
         17,
         "36",
         Money::fromDollars(35)},
        {"red loses at a quarter", false, MenuItem::mnuTwentyFive, {{"lblRed", 4}}, 2, "0", -Money::fromDollars(1)},
        {"column at fifty cents", false, MenuItem::mnuFifty, {{"lblSecondColumn", 1}}, 5, "3", Money::fromDollars(1)},
        {"column and even at five dollars",
         false,
         MenuItem::mnuFiveDollar,
         {{"lblThirdColumn", 2}, {"lblEven", 1}},
         36,
         "8",
         Money::fromDollars(25)},
        {"red and black break even", false, MenuItem::mnuTenDollar, {{"lblRed", 1}, {"lblBlack", 1}}, 5, "2", Money{}},
        {"zero takes the outside bets",
         false,
         MenuItem::mnuOneDollar,
         {{"lblRed", 3}, {"lblLow", 2}},
         0,
         "0",
         -Money::fromDollars(5)},
        {"double zero on the 0-00 split",
         true,
         MenuItem::mnuOneDollar,
         {{"lblZeroE", 1}},
         kDoubleZero,
         "18",
         Money::fromDollars(17)},
        {"two with inside and outside bets",
         true,
         MenuItem::mnuOneDollar,
         {{"lblTwo", 1},
          {"lblOneTwo", 2},
          {"lblZeroDoubleZeroTwo", 1},
          {"lblFirstDoz", 3},
          {"lblBlack", 4},
          {"lblEven", 1},
          {"lblOdd", 5}},
         2,
         "103",
         Money::fromDollars(103 - 17)},
        {"empty layout", false, MenuItem::mnuFiveDollar, {}, 9, "0", Money{}},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResultsTable table;
        table.choose(MenuItem::mnuOff); // stakes exactly as listed
        if (c.american)
            table.useAmericanWheel();
        if (c.unit != MenuItem::mnuOneDollar)
            table.choose(c.unit);
        for (const auto& [spot, count] : c.chips)
            table.bet(spot, count);

        table.spin(c.pocket);

        EXPECT_EQ(table.caption(ctl::lblYouWon), c.youWon);
        EXPECT_EQ(table.state().Winnings, c.winnings);
        const FakeScreen::ControlState& label = table.screen.control(ctl::lblWinnings);
        EXPECT_TRUE(label.hasMoney);
        EXPECT_EQ(label.money, c.winnings);
        const bool ahead = c.winnings >= Money{};
        EXPECT_EQ(table.caption(ctl::lblWinningsHeading), ahead ? "Winnings" : "Losses");
        EXPECT_EQ(label.backColour, ahead ? colours::black : colours::red);
        EXPECT_EQ(label.textColour, ahead ? colours::white : colours::black);
        // Without chip removal the same chips ride on the next spin.
        EXPECT_EQ(table.state().TotalAmountBet == Money{}, c.chips.empty());
    }
}

struct RemovalCase {
    MenuItem unit;
    int chips;
    bool startHeld;
};

TEST(SpinOutcome, removeChipsClearsTheLayoutAfterThePauseAndLeavesStartEnabled) {
    const std::vector<RemovalCase> cases = {
        {MenuItem::mnuOneDollar, 1, true},   // exactly a dollar
        {MenuItem::mnuTenDollar, 3, true},   //
        {MenuItem::mnuTwentyFive, 3, false}, // 75 cents
        {MenuItem::mnuOneDollar, 0, false},  // empty layout
    };
    for (const RemovalCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.chips) + " chips");
        ResultsTable table;
        if (c.unit != MenuItem::mnuOneDollar)
            table.choose(c.unit);
        table.game.mnuRemoveChips_Click();
        table.bet("lblSeventeen", c.chips);

        double settledAt = 0;
        table.screen.onYield = [&](int) {
            if (settledAt == 0 && table.caption(ctl::lblYouWon) == std::to_string(36 * c.chips) &&
                table.state().Winnings != Money{})
                settledAt = table.clock.seconds;
        };
        table.screen.recordLog = true;
        table.spin(17);

        const auto& log = table.screen.log;
        const auto won = std::find(log.begin(), log.end(), "caption lblYouWon=" + std::to_string(36 * c.chips));
        const auto held = std::find(log.begin(), log.end(), "enabled cmdStart=0");
        const auto released = std::find(log.begin(), log.end(), "enabled cmdStart=1");
        const auto cleared = std::find(log.begin(), log.end(), "money lblTotalAmountBet=$0.00");
        ASSERT_NE(won, log.end());
        ASSERT_NE(released, log.end());
        EXPECT_EQ(held != log.end(), c.startHeld);
        if (c.startHeld) {
            EXPECT_LT(won, held) << "the outcome is shown before the pause";
        }
        EXPECT_LT(won, cleared);
        EXPECT_LT(cleared, released);
        EXPECT_TRUE(table.screen.control(ctl::cmdStart).enabled);
        EXPECT_EQ(table.state().TotalAmountBet, Money{});
        EXPECT_EQ(table.state().Stakes, (std::array<ChipCount, kSpotCount>{}));
        EXPECT_EQ(table.caption(ctl::lblZero(slotOfName("lblSeventeen").value())), " ");
        if (c.chips > 0) {
            ASSERT_GT(settledAt, 0);
            EXPECT_GE(table.clock.seconds - settledAt, 0.97 - 0.011);
        }
    }
}

// A START clicked while the chips wait to come off runs a whole spin inside
// this one. Each spin must still record the number it settled.
TEST(SpinOutcome, aSpinNestedInTheRemovalPauseDoesNotTakeOverTheOuterSpinsNumber) {
    ResultsTable table;
    table.choose(MenuItem::mnuTwentyFive); // 25 cents on the layout leaves START enabled
    table.game.mnuRemoveChips_Click();
    table.bet("lblSeventeen", 1);

    bool nested = false;
    table.screen.onYield = [&](int) {
        const bool outerInPause = table.state().Winnings != Money{};
        if (!nested && outerInPause) {
            nested = true;
            table.spin(5);
        }
    };
    table.spin(17);

    ASSERT_TRUE(nested);
    EXPECT_EQ(table.state().WinningNumber, 17);
    EXPECT_EQ(table.caption(ctl::lblRes(1)), "17");
    EXPECT_EQ(table.caption(ctl::lblRes(2)), "5");
    EXPECT_EQ(table.state().stats.history.at(0), 17);
    EXPECT_EQ(table.state().stats.history.at(1), 5);
    EXPECT_EQ(table.state().NumberHits[17], 1);
    EXPECT_EQ(table.state().NumberHits[5], 1);
}

// Reset, a unit change or a wheel change while the chips wait to come off
// discards the spin that waits: the fresh table shows only its own spin.
TEST(SpinOutcome, aSpinWhoseTableIsReinitialisedDuringTheRemovalPauseRecordsNothing) {
    const std::vector<std::pair<const char*, std::function<void(QueltaGame&)>>> reinitialisations = {
        {"Reset", [](QueltaGame& game) { game.cmdReset_Click(); }},
        {"unit change", [](QueltaGame& game) { game.menuClicked(MenuItem::mnuTwentyFive); }},
        {"wheel change", [](QueltaGame& game) { game.menuClicked(MenuItem::mnuEuropean); }},
    };
    for (const auto& [what, reinitialise] : reinitialisations) {
        SCOPED_TRACE(what);
        ResultsTable table;
        table.useAmericanWheel();
        table.game.mnuRemoveChips_Click();
        table.bet("lblDoubleZero", 1);

        bool reinitialised = false;
        table.screen.onYield = [&](int) {
            const bool inPause = table.state().Winnings != Money{};
            if (!reinitialised && inPause) {
                reinitialised = true;
                table.random.script({0.0, 0.0, 0.0}); // the fresh table's spin lands on 0
                reinitialise(table.game);
            }
        };
        table.spin(kDoubleZero);

        ASSERT_TRUE(reinitialised);
        EXPECT_EQ(table.state().WinningNumber, 0);
        EXPECT_EQ(table.caption(ctl::lblRes(1)), "0");
        EXPECT_EQ(table.caption(ctl::lblRes(1)), table.caption(ctl::lblWinningNumber));
        EXPECT_EQ(table.caption(ctl::lblRes(2)), " ");
        EXPECT_EQ(table.state().RecentNumbers[0], 0);
        EXPECT_EQ(table.state().RecentNumbers[1], kNoNumber);
        EXPECT_EQ(table.state().stats.history.at(0), kNoNumber);
    }
}

} // namespace
