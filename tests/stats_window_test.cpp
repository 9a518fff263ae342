#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "tests/ResultsTable.h"

namespace {

using Window = FakeScreen::StatsWindow;

// Spins 1, 2, 3 ... 36, 1, 2 ... so every number is known by its place.
std::vector<PocketCode> spinNumbers(ResultsTable& table, int count) {
    std::vector<PocketCode> spun;
    for (int n = 0; n < count; ++n) {
        spun.push_back(static_cast<PocketCode>(1 + n % 36));
        table.spin(spun.back());
    }
    return spun;
}

TEST(StatsWindow, lastResultsAfterFiftySpinsShowsThemNewestFirst) {
    ResultsTable table;
    const std::vector<PocketCode> spun = spinNumbers(table, 50);
    table.game.mnuLastResults_Click();

    EXPECT_EQ(table.screen.stats, Window::Shown);
    EXPECT_TRUE(table.game.checked(MenuItem::mnuLastResults));
    EXPECT_TRUE(table.screen.menuChecked(MenuItem::mnuLastResults));
    ASSERT_EQ(table.screen.historyShown.size(), 400u);
    for (std::size_t i = 0; i < 400; ++i)
        ASSERT_EQ(table.screen.historyShown[i], i < 50 ? spun[49 - i] : kNoNumber) << i;
    EXPECT_EQ(table.caption(ctl::lbl400(1)), "50");
    EXPECT_FALSE(table.state().stats.noteShown);
    EXPECT_FALSE(table.screen.control(ctl::lbl400(2)).visible);
}

TEST(StatsWindow, theNoteShowsPastFourHundredSpinsAndStaysUntilTheWindowGoes) {
    ResultsTable table;
    const std::vector<PocketCode> spun = spinNumbers(table, 401);
    table.game.mnuLastResults_Click();
    EXPECT_TRUE(table.state().stats.noteShown);
    EXPECT_TRUE(table.screen.control(ctl::lbl400(2)).visible);
    EXPECT_EQ(table.screen.historyShown[0], spun[400]);
    EXPECT_EQ(table.screen.historyShown[399], spun[1]);

    table.game.frmStats_cmdClose_Click();
    table.spin(1);
    table.game.mnuLastResults_Click();
    EXPECT_TRUE(table.screen.control(ctl::lbl400(2)).visible);

    table.game.frmStats_cmdExit_Click();
    EXPECT_FALSE(table.state().stats.noteShown);
    table.game.cmdZeroSpin_Click();
    table.game.mnuLastResults_Click();
    EXPECT_FALSE(table.screen.control(ctl::lbl400(2)).visible);
}

TEST(StatsWindow, resumePlayMinimisesAndLastResultsRestoresTheSameHistory) {
    ResultsTable table;
    spinNumbers(table, 30);
    table.game.mnuLastResults_Click();
    const std::vector<PocketCode> before = table.screen.historyShown;

    table.game.frmStats_cmdClose_Click();
    EXPECT_EQ(table.screen.stats, Window::Minimised);
    EXPECT_TRUE(table.game.checked(MenuItem::mnuLastResults));

    table.game.mnuLastResults_Click();
    EXPECT_EQ(table.screen.stats, Window::Shown);
    EXPECT_TRUE(table.game.checked(MenuItem::mnuLastResults));
    EXPECT_EQ(table.screen.historyShown, before);
    EXPECT_EQ(table.state().stats.history.filled(), 30);
}

TEST(StatsWindow, everyWayOfClosingDiscardsTheHistoryAndUnchecksTheItem) {
    const std::vector<std::pair<const char*, void (QueltaGame::*)()>> closes = {
        {"Close", &QueltaGame::frmStats_cmdExit_Click},
        {"window manager", &QueltaGame::frmStats_QueryClose},
        {"Last Results on a shown window", &QueltaGame::mnuLastResults_Click},
    };
    for (const auto& [what, close] : closes) {
        SCOPED_TRACE(what);
        ResultsTable table;
        spinNumbers(table, 5);
        table.game.mnuLastResults_Click();
        (table.game.*close)();
        EXPECT_EQ(table.screen.stats, Window::NotLoaded);
        EXPECT_FALSE(table.game.checked(MenuItem::mnuLastResults));
        EXPECT_FALSE(table.screen.menuChecked(MenuItem::mnuLastResults));

        table.game.mnuLastResults_Click();
        EXPECT_EQ(table.screen.stats, Window::Shown);
        ASSERT_EQ(table.screen.historyShown.size(), 400u);
        EXPECT_EQ(table.screen.historyShown, std::vector<PocketCode>(400, kNoNumber));

        table.spin(33);
        EXPECT_EQ(table.state().stats.history.filled(), 1);
        EXPECT_EQ(table.screen.historyShown[0], 33);
    }
}

TEST(StatsWindow, numberOfHitsAfterThirtySevenNonZeroSpinsAddsUpPerGroup) {
    ResultsTable table;
    for (int n = 0; n < 37; ++n)
        table.spin(static_cast<PocketCode>(1 + (n * 7) % 36));
    table.game.mnuNumHits_Click();
    EXPECT_TRUE(table.game.checked(MenuItem::mnuNumHits));

    std::array<int, 12> shown{};
    for (int i = 0; i < 12; ++i) {
        const auto& label = table.screen.control(ctl::outsideHitLabel(i));
        EXPECT_TRUE(label.visible) << i;
        shown[static_cast<std::size_t>(i)] = std::stoi(label.caption);
        EXPECT_EQ(shown[static_cast<std::size_t>(i)], table.state().OutsideHits[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(std::accumulate(shown.begin(), shown.begin() + 6, 0), 111);
    EXPECT_EQ(std::accumulate(shown.begin() + 6, shown.begin() + 9, 0), 37);
    EXPECT_EQ(std::accumulate(shown.begin() + 9, shown.end(), 0), 37);

    // The labels follow the spins while shown.
    table.spin(36);
    EXPECT_EQ(table.caption(ctl::outsideHitLabel(static_cast<int>(OutsideBet::ThirdColumn))),
              std::to_string(table.state().OutsideHits[static_cast<std::size_t>(OutsideBet::ThirdColumn)]));

    table.game.mnuNumHits_Click();
    EXPECT_FALSE(table.game.checked(MenuItem::mnuNumHits));
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(table.screen.control(ctl::outsideHitLabel(i)).visible) << i;

    table.spin(1);
    table.game.mnuNumHits_Click();
    EXPECT_EQ(table.caption(ctl::outsideHitLabel(static_cast<int>(OutsideBet::Low))),
              std::to_string(table.state().OutsideHits[static_cast<std::size_t>(OutsideBet::Low)]));
    EXPECT_TRUE(table.screen.control(ctl::outsideHitLabel(0)).visible);
}

TEST(StatsWindow, resetShowsTheClearedCountsAndClosesAnOpenWindow) {
    ResultsTable table;
    spinNumbers(table, 12);
    table.game.mnuNumHits_Click();
    table.game.mnuLastResults_Click();
    table.choose(MenuItem::mnuFifty);

    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(table.caption(ctl::outsideHitLabel(i)), "0") << i;
    EXPECT_EQ(table.state().NumberHits, NumberHitCounts{});
    EXPECT_EQ(table.screen.stats, Window::NotLoaded);
    EXPECT_FALSE(table.game.checked(MenuItem::mnuLastResults));
}

} // namespace
