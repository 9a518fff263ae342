#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "tests/FakeTable.h"

namespace {

struct Table : FakeTable {
    Table() : FakeTable({0.3}) { game.Form_Load(); }

    // Some play to undo: hits shown, chips on the layout, a ten-spin run.
    void play() {
        game.mnuNumHits_Click();
        game.BetSpotMouseUp(*slotOfName("lblSeventeen"), 1);
        game.BetSpotMouseUp(*slotOfName("lblRed"), 1);
        game.mnuTenSpins_Click();
        random.script({0.99, 0.99, 0.1, 0.5, 17.5 / 37});
        game.cmdStart_Click();
    }
};

} // namespace

TEST(Reset, returnsTheGameToItsBeginningWithOneFreshSpin) {
    Table t;
    t.play();
    ASSERT_EQ(t.screen.stats, FakeScreen::StatsWindow::Hidden) << "recording loaded the window";
    ASSERT_NE(t.game.state().Winnings, Money{});

    t.random.script({0.0, 0.0, 22.5 / 37}); // the re-initialisation spin draws 22
    t.game.cmdReset_Click();
    const GameState& s = t.game.state();

    EXPECT_EQ(t.screen.caption(ctl::lblSpins), " ");
    EXPECT_EQ(s.SpinCount, 0);
    EXPECT_EQ(s.Winnings, Money{});
    EXPECT_EQ(s.TotalAmountBet, Money{});
    EXPECT_EQ(t.screen.control(ctl::lblWinnings).money, Money{});
    EXPECT_TRUE(t.screen.control(ctl::lblTotalAmountBet).hasMoney) << "zero as currency after the spin";
    for (int slot = 0; slot < kSpotCount; ++slot)
        ASSERT_EQ(s.Stakes[static_cast<std::size_t>(slot)], 0) << slot;
    EXPECT_EQ(s.NumberHits, NumberHitCounts{});
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(t.screen.caption(ctl::outsideHitLabel(i)), "0") << i;
    EXPECT_TRUE(s.FreshWheel);
    EXPECT_EQ(t.screen.caption(ctl::lblResultsHeading), "Winning Number");

    EXPECT_EQ(s.WinningNumber, 22);
    EXPECT_EQ(t.screen.caption(ctl::lblRes(1)), "22");
    for (int k = 2; k <= 10; ++k) {
        EXPECT_EQ(t.screen.caption(ctl::lblRes(k)), " ") << k;
        EXPECT_EQ(t.screen.control(ctl::lblRes(k)).backColour, colours::green) << k;
    }
    // The hidden window's entries are blank again.
    EXPECT_EQ(s.stats.history.filled(), 0);
    EXPECT_EQ(t.screen.historyShown, std::vector<PocketCode>(ResultHistory::kCapacity, kNoNumber));

    // The next START's first spin becomes entry 0 of an empty history.
    t.game.mnuOneSpins_Click();
    t.random.script({0.0, 0.0, 5.5 / 37});
    t.game.cmdStart_Click();
    EXPECT_EQ(s.stats.history.filled(), 1);
    EXPECT_EQ(s.stats.history.at(0), 5);
    EXPECT_EQ(t.screen.caption(ctl::lblSpins), "1");
}

TEST(Reset, closesAnOpenStatisticsWindowAndUnchecksLastResults) {
    Table t;
    t.play();
    t.game.mnuLastResults_Click();
    ASSERT_TRUE(t.game.checked(MenuItem::mnuLastResults));
    t.game.cmdReset_Click();
    EXPECT_FALSE(t.game.checked(MenuItem::mnuLastResults));
    EXPECT_FALSE(t.screen.menuChecked(MenuItem::mnuLastResults));
    EXPECT_EQ(t.screen.stats, FakeScreen::StatsWindow::NotLoaded);
    EXPECT_EQ(t.game.state().stats.history.filled(), 0);
}

TEST(Reset, spinsUnderInitialisingWheelAndSweepsInNormalMode) {
    Table t;
    t.game.mnuNormalSpin_Click();
    t.random.script({0.99, 0.99, 0.3});
    std::vector<std::string> headings;
    t.screen.onYield = [&](int) { headings.push_back(t.screen.caption(ctl::lblResultsHeading)); };
    t.screen.recordLog = true;
    t.game.cmdReset_Click();

    // Three sweeps of 37 steps, each followed by its number.
    int captions = 0;
    for (const std::string& line : t.screen.log)
        captions += line.rfind("caption lblWinningNumber=", 0) == 0 ? 1 : 0;
    EXPECT_EQ(captions, 3 * 38);
    // Every yield after the first (the one between clearing the layout and
    // the stakes) falls under the heading.
    ASSERT_GT(headings.size(), 2u);
    for (std::size_t i = 1; i < headings.size(); ++i)
        ASSERT_EQ(headings[i], "Initialising Wheel") << "yield " << i;
    EXPECT_EQ(t.screen.caption(ctl::lblResultsHeading), "Winning Number");
    EXPECT_EQ(t.game.state().SpinCount, 0) << "the fresh spin is not counted";
}

TEST(Zero, clearsOnlyTheSpinCount) {
    Table t;
    t.play();
    const GameState before = t.game.state();
    const std::string strip = t.screen.caption(ctl::lblRes(1));
    t.game.cmdZeroSpin_Click();
    const GameState& after = t.game.state();

    EXPECT_EQ(after.SpinCount, 0);
    EXPECT_EQ(t.screen.caption(ctl::lblSpins), " ");
    EXPECT_EQ(after.Winnings, before.Winnings);
    EXPECT_EQ(after.TotalAmountBet, before.TotalAmountBet);
    EXPECT_EQ(after.Stakes, before.Stakes);
    EXPECT_EQ(after.WinningNumber, before.WinningNumber);
    EXPECT_EQ(after.RecentNumbers, before.RecentNumbers);
    EXPECT_EQ(after.NumberHits, before.NumberHits);
    EXPECT_EQ(after.OutsideHits, before.OutsideHits);
    EXPECT_EQ(after.FreshWheel, before.FreshWheel);
    EXPECT_EQ(after.stats.history.filled(), before.stats.history.filled());
    EXPECT_EQ(t.screen.caption(ctl::lblRes(1)), strip);
}

TEST(QuitAndExit, endTheProcess) {
    Table t;
    EXPECT_THROW(t.game.cmdQuit_Click(), ProcessEnded);
    EXPECT_THROW(t.game.mnuExit_Click(), ProcessEnded);
    EXPECT_THROW(t.game.menuClicked(MenuItem::mnuExit), ProcessEnded);
}
