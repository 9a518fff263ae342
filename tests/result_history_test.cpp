#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ResultsTable.h"

namespace {

struct StripLabel {
    std::string caption;
    Rgb back;
};

StripLabel strip(const ResultsTable& table, int k) {
    const auto& label = table.screen.control(ctl::lblRes(k));
    return {label.caption, label.backColour};
}

TEST(ResultHistory, firstSpinAfterStartUpOpensTheHistoryAndFollowsTheStartUpNumberOnTheStrip) {
    ResultsTable table(12);
    // The start-up spin reaches the strip only.
    EXPECT_EQ(table.screen.stats, FakeScreen::StatsWindow::NotLoaded);
    EXPECT_FALSE(table.state().stats.loaded);
    EXPECT_EQ(table.caption(ctl::lblRes(1)), "12");

    table.spin(7);

    EXPECT_EQ(table.screen.stats, FakeScreen::StatsWindow::Hidden);
    EXPECT_EQ(strip(table, 1).caption, "7");
    EXPECT_EQ(strip(table, 1).back, colours::red);
    EXPECT_EQ(strip(table, 2).caption, "12");
    EXPECT_EQ(strip(table, 2).back, colours::red);
    for (int k = 3; k <= 10; ++k) {
        EXPECT_EQ(strip(table, k).caption, " ") << k;
        EXPECT_EQ(strip(table, k).back, colours::green) << k;
    }
    ASSERT_EQ(table.screen.historyShown.size(), 400u);
    EXPECT_EQ(table.screen.historyShown[0], 7);
    for (std::size_t i = 1; i < 400; ++i)
        ASSERT_EQ(table.screen.historyShown[i], kNoNumber) << i;
    EXPECT_EQ(table.game.HitCountTip(0), "1");
    EXPECT_EQ(table.game.HitCountTip(1), "");
    EXPECT_EQ(table.caption(ctl::lbl400(1)), "1");
}

TEST(ResultHistory, stripShowsEachPocketInItsColour) {
    struct Case {
        PocketCode pocket;
        const char* caption;
        Rgb back;
    };
    const std::vector<Case> cases = {
        {0, "0", colours::green},   {kDoubleZero, "00", colours::green},
        {2, "2", colours::black},   {11, "11", colours::black},
        {35, "35", colours::black}, {1, "1", colours::red},
        {19, "19", colours::red},   {36, "36", colours::red},
    };
    ResultsTable table;
    table.useAmericanWheel();
    for (const Case& c : cases) {
        table.spin(c.pocket);
        EXPECT_EQ(strip(table, 1).caption, c.caption);
        EXPECT_EQ(strip(table, 1).back, c.back) << c.caption;
    }
    EXPECT_EQ(table.state().stats.history.at(static_cast<int>(cases.size()) - 2), kDoubleZero);
    EXPECT_EQ(table.game.HitCountTip(static_cast<int>(cases.size()) - 2), "1") << "the count of 00";
}

TEST(ResultHistory, numbersLeaveTheStripAfterTenAndTheHistoryAfterFourHundred) {
    ResultsTable table;
    std::vector<PocketCode> spun;
    for (int n = 0; n < 401; ++n) {
        const auto pocket = static_cast<PocketCode>(1 + n % 36);
        spun.push_back(pocket);
        table.spin(pocket);
        if (n == 10) {
            for (int k = 1; k <= 10; ++k)
                EXPECT_EQ(strip(table, k).caption, std::to_string(spun[spun.size() - static_cast<std::size_t>(k)]));
            EXPECT_EQ(table.state().stats.history.at(10), spun[0]) << "still in the history";
        }
    }
    const ResultHistory& history = table.state().stats.history;
    EXPECT_EQ(history.filled(), 400);
    for (int i = 0; i < 400; ++i)
        ASSERT_EQ(history.at(i), spun[spun.size() - 1 - static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(table.screen.historyShown.back(), spun[1]);
}

TEST(ResultHistory, everyTooltipShowsTheCountAsItStandsNow) {
    ResultsTable table;
    table.spin(9);
    table.spin(9);
    EXPECT_EQ(table.game.HitCountTip(0), "2");
    EXPECT_EQ(table.game.HitCountTip(1), "2");
    table.spin(4);
    table.spin(9);
    EXPECT_EQ(table.game.HitCountTip(3), "3");
    EXPECT_EQ(table.game.HitCountTip(1), "1");
    EXPECT_EQ(table.screen.historyHits[9], 3) << "the window is given the counts after the spin";
    EXPECT_EQ(table.game.HitCountTip(-1), "");
    EXPECT_EQ(table.game.HitCountTip(400), "");
}

TEST(ResultHistory, closingTheWindowForgetsTheHistoryButNotTheCounts) {
    ResultsTable table;
    table.spin(8);
    table.spin(8);
    table.game.mnuLastResults_Click();
    table.game.frmStats_cmdExit_Click();
    EXPECT_EQ(table.screen.stats, FakeScreen::StatsWindow::NotLoaded);

    table.spin(8);
    EXPECT_EQ(table.screen.stats, FakeScreen::StatsWindow::Hidden);
    EXPECT_EQ(table.state().stats.history.filled(), 1);
    EXPECT_EQ(table.game.HitCountTip(0), "3");
}

TEST(ResultHistory, resetLeavesTheReinitialisingSpinOutOfTheHistory) {
    ResultsTable table;
    table.spin(20);
    table.spin(21);
    table.random.script({0.0, 0.0, ResultsTable::fractionFor(30, Wheel::European)});
    table.game.cmdReset_Click();

    EXPECT_EQ(strip(table, 1).caption, "30");
    EXPECT_EQ(strip(table, 2).caption, " ");
    EXPECT_EQ(table.state().stats.history.filled(), 0);
    ASSERT_EQ(table.screen.historyShown.size(), 400u);
    EXPECT_EQ(table.screen.historyShown[0], kNoNumber);

    table.spin(22);
    EXPECT_EQ(table.state().stats.history.at(0), 22);
    EXPECT_EQ(table.state().stats.history.filled(), 1);
    EXPECT_EQ(strip(table, 2).caption, "30");
}

// The spin draws and shows its numbers and yields before it stores the last
// one; a START handled at that yield paints its own number on the label.
// The history keeps what each spin settled, not what the label shows.
TEST(ResultHistory, aSpinNestedAtTheDrawRecordsItsOwnNumberAndTheOuterOneKeepsIts) {
    ResultsTable table;
    bool nested = false;
    table.screen.onYield = [&](int) {
        if (!nested && table.caption(ctl::lblWinningNumber) == "17" && table.state().WinningNumber != 17) {
            nested = true;
            table.spin(5);
        }
    };
    table.spin(17);

    ASSERT_TRUE(nested);
    EXPECT_EQ(table.caption(ctl::lblWinningNumber), "5") << "the label still shows the nested draw";
    EXPECT_EQ(table.state().stats.history.at(0), 17);
    EXPECT_EQ(table.state().stats.history.at(1), 5);
    EXPECT_EQ(strip(table, 1).caption, "17");
    EXPECT_EQ(strip(table, 2).caption, "5");
}

TEST(ResultHistory, spinCountCopyIsBlankWhenZeroWasPressedInsideTheSpin) {
    ResultsTable table;
    table.spin(3);
    EXPECT_EQ(table.caption(ctl::lbl400(1)), "1");
    table.screen.pendingEvents.push_back([&] { table.game.cmdZeroSpin_Click(); });
    table.spin(4);
    EXPECT_EQ(table.state().SpinCount, 0);
    EXPECT_EQ(table.caption(ctl::lbl400(1)), " ");
    EXPECT_EQ(table.caption(ctl::lbl400(1)), table.caption(ctl::lblSpins));
}

} // namespace
