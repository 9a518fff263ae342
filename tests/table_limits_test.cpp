#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/TableFixture.h"

namespace {
constexpr const char* kLimitPrompt = "Sorry you have reached the table limit for this bet!";
constexpr const char* kLimitTitle = "Table Limt Reached!";

void expectLimitMessage(const FakeScreen::Message& message) {
    EXPECT_EQ(message.prompt, kLimitPrompt);
    EXPECT_EQ(message.title, kLimitTitle);
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
}
} // namespace

TEST(TableLimits, lastChipBelowTheLimitIsAcceptedAndTheNextRefused) {
    struct Case {
        const char* spot;
        bool european;
        int limit;
    };
    const std::vector<Case> cases = {
        {"lblSeven", false, 100},
        {"lblSevenEight", false, 200},
        {"lblOneThreeStreet", false, 300},
        {"lblZeroOneTwo", false, 300},
        {"lblOneFive", false, 400},
        {"lblOneSixSixLine", false, 600},
        {"lblRed", false, 200},
        {"lblFirstDoz", false, 100},
        {"lblThirdColumn", false, 100},
        {"lblZeroE", false, 100},
        {"lblZeroE", true, 100},
        {"lblFirstFour", true, 400},
        {"lblZeroDoubleZeroTwo", true, 200},
        {"lblZeroDoubleZeroTwo", false, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.spot) + (c.european ? " European" : " American"));
        Table table;
        table.game.mnuOff_Click(); // one chip per click on the outside spots too
        if (c.european)
            table.startUp();
        table.clickTimes(c.spot, c.limit);
        EXPECT_EQ(table.stake(c.spot), c.limit);
        EXPECT_EQ(table.chipCaption(c.spot), std::to_string(c.limit));
        EXPECT_TRUE(table.screen.messages.empty());
        const Money before = table.total();
        EXPECT_EQ(before, dollars(c.limit));

        table.click(c.spot, Table::kLeft);
        table.click(c.spot, Table::kMiddle);
        ASSERT_EQ(table.screen.messages.size(), 2U);
        expectLimitMessage(table.screen.messages.front());
        EXPECT_EQ(table.stake(c.spot), c.limit);
        EXPECT_EQ(table.chipCaption(c.spot), std::to_string(c.limit));
        EXPECT_TRUE(table.markerVisible(c.spot));
        EXPECT_EQ(table.total(), before);
        EXPECT_EQ(table.totalLabel().money, before);
    }
}

TEST(TableLimits, limitCountsChipsWhateverTheUnit) {
    struct Case {
        void (QueltaGame::*choose)();
        Money fullStraight;
    };
    for (const Case& c : std::vector<Case>{{&QueltaGame::mnuTwentyFive_Click, dollars(25)},
                                           {&QueltaGame::mnuTenDollar_Click, dollars(1000)}}) {
        Table table;
        std::invoke(c.choose, table.game);
        table.clickTimes("lblTwentyTwo", 101);
        EXPECT_EQ(table.stake("lblTwentyTwo"), 100);
        EXPECT_EQ(table.total(), c.fullStraight);
        EXPECT_EQ(table.screen.messages.size(), 1U);
    }
}

TEST(TableLimits, rightClickAtTheLimitShowsTheMessageThenTakesTheStakeOff) {
    Table table;
    table.clickTimes("lblFive", 3);
    table.clickTimes("lblSix", 100);
    table.screen.recordLog = true;
    table.click("lblSix", Table::kRight);

    ASSERT_EQ(table.screen.messages.size(), 1U);
    expectLimitMessage(table.screen.messages.front());
    const auto& log = table.screen.log;
    const auto message = std::find(log.begin(), log.end(), std::string("message ") + kLimitPrompt);
    const auto blanked = std::find(log.begin(), log.end(), "caption lblZero(28)= ");
    ASSERT_NE(message, log.end());
    ASSERT_NE(blanked, log.end());
    EXPECT_LT(message, blanked) << "the message comes before the stake is taken off";

    EXPECT_EQ(table.stake("lblSix"), 0);
    EXPECT_EQ(table.chipCaption("lblSix"), " ");
    EXPECT_FALSE(table.markerVisible("lblSix"));
    EXPECT_EQ(table.total(), dollars(3));
    EXPECT_EQ(table.totalLabel().money, dollars(3));
}

// The limit box is modal but runs an event loop; whatever empties the spot
// while it is open, the spot must not come back showing a count of 0.
TEST(TableLimits, aSpotEmptiedWhileTheLimitBoxIsOpenShowsNoCountAndNoChip) {
    for (const int button : {Table::kLeft, Table::kMiddle}) {
        Table table;
        table.clickTimes("lblFive", 3);
        table.clickTimes("lblSix", 100);
        table.screen.onMessage = [&table](const FakeScreen::Message&) { table.game.cmdRemChips_Click(); };
        table.click("lblSix", button);

        ASSERT_EQ(table.screen.messages.size(), 1U);
        EXPECT_EQ(table.stake("lblSix"), 0);
        EXPECT_EQ(table.chipCaption("lblSix"), " ");
        EXPECT_FALSE(table.markerVisible("lblSix"));
        EXPECT_EQ(table.total(), Money{});
        EXPECT_EQ(table.totalLabel().money, Money{});
    }
}

TEST(TableLimits, zeroTwoSpotStopsAtTwoHundredInEuropeAndThreeHundredInAmerica) {
    Table table;
    table.startUp();
    table.clickTimes("lblZeroDoubleZeroTwo", 250);
    EXPECT_EQ(table.stake("lblZeroDoubleZeroTwo"), 200);
    EXPECT_EQ(table.screen.messages.size(), 50U);

    table.game.mnuAmerican_Click();
    EXPECT_EQ(table.stake("lblZeroDoubleZeroTwo"), 0) << "a change of wheel clears the layout";
    table.clickTimes("lblZeroDoubleZeroTwo", 301);
    EXPECT_EQ(table.stake("lblZeroDoubleZeroTwo"), 300);
    EXPECT_EQ(table.screen.messages.size(), 51U);
}

TEST(TableMinimums, firstClickOnAnEmptyOutsideSpotPlacesTheMinimum) {
    struct Case {
        void (QueltaGame::*unit)();
        bool minimumsOn;
        const char* spot;
        int firstChips;
        Money chipValue;
    };
    const std::vector<Case> cases = {
        {&QueltaGame::mnuFiveDollar_Click, true, "lblRed", 5, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, true, "lblHigh", 5, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, true, "lblFirstDoz", 2, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, true, "lblThirdColumn", 2, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, true, "lblSeven", 1, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, true, "lblOneSixSixLine", 1, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, false, "lblRed", 1, dollars(5)},
        {&QueltaGame::mnuFiveDollar_Click, false, "lblFirstDoz", 1, dollars(5)},
        {&QueltaGame::mnuTenDollar_Click, true, "lblRed", 1, dollars(10)},
        {&QueltaGame::mnuOneDollar_Click, true, "lblRed", 1, dollars(1)},
        {&QueltaGame::mnuTwentyFive_Click, true, "lblSecondDoz", 1, cents(25)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.spot) + (c.minimumsOn ? " minimums on, " : " minimums off, ") +
                     c.chipValue.toPlainString());
        Table table;
        table.startUp();
        std::invoke(c.unit, table.game);
        if (c.minimumsOn)
            table.game.mnuOn_Click();
        else
            table.game.mnuOff_Click();

        table.click(c.spot);
        EXPECT_EQ(table.stake(c.spot), c.firstChips);
        EXPECT_EQ(table.chipCaption(c.spot), std::to_string(c.firstChips));
        EXPECT_EQ(table.total(), c.chipValue * c.firstChips);
        EXPECT_EQ(table.totalLabel().money, c.chipValue * c.firstChips);

        table.click(c.spot, Table::kMiddle);
        EXPECT_EQ(table.stake(c.spot), c.firstChips + 1) << "later clicks add one chip";
        EXPECT_EQ(table.total(), c.chipValue * (c.firstChips + 1));
    }
}

TEST(TableMinimums, rightClickOnAnEmptyOutsideSpotLeavesTheTotal) {
    Table table;
    table.game.mnuFiveDollar_Click();
    table.clickTimes("lblNine", 2);
    for (const char* spot : {"lblBlack", "lblSecondColumn"}) {
        table.click(spot, Table::kRight);
        EXPECT_EQ(table.stake(spot), 0) << spot;
        EXPECT_EQ(table.chipCaption(spot), " ") << spot;
        EXPECT_FALSE(table.markerVisible(spot)) << spot;
        EXPECT_EQ(table.total(), dollars(10)) << spot;
        EXPECT_EQ(table.totalLabel().money, dollars(10)) << spot;
    }
}

TEST(TableMinimums, choosingTheCheckedItemAgainChangesNothing) {
    Table table;
    table.startUp();
    table.game.mnuOn_Click();
    EXPECT_TRUE(table.game.checked(MenuItem::mnuOn));
    EXPECT_FALSE(table.game.checked(MenuItem::mnuOff));
    table.game.mnuOff_Click();
    table.game.mnuOff_Click();
    EXPECT_FALSE(table.game.checked(MenuItem::mnuOn));
    EXPECT_TRUE(table.game.checked(MenuItem::mnuOff));
    EXPECT_FALSE(table.screen.menuChecked(MenuItem::mnuOn));
    EXPECT_TRUE(table.screen.menuChecked(MenuItem::mnuOff));
    table.game.mnuOn_Click();
    EXPECT_TRUE(table.game.checked(MenuItem::mnuOn));
    EXPECT_FALSE(table.game.checked(MenuItem::mnuOff));
    EXPECT_TRUE(table.game.enabled(MenuItem::mnuOn));
    EXPECT_TRUE(table.game.enabled(MenuItem::mnuOff));
}
