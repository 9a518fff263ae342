#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "tests/FakeTable.h"

namespace {

using M = MenuItem;

struct Table : FakeTable {
    Table() : FakeTable({0.3}) { game.Form_Load(); }

    int numberCaptions() const {
        int n = 0;
        for (const std::string& line : screen.log)
            n += line.rfind("caption lblWinningNumber=", 0) == 0 ? 1 : 0;
        return n;
    }
};

constexpr std::array<M, 6> kCountItems = {M::mnuOneSpins,   M::mnuTenSpins,     M::mnuTwentyFiveSpins,
                                          M::mnuFiftySpins, M::mnuHundredSpins, M::mnuDaySpins};

} // namespace

TEST(Start, runsTheSelectedNumberOfSpinsAndForcesQuickSpinForLongRuns) {
    struct Case {
        M count; // mnuOneSpins: nothing chosen after start-up
        bool normalBefore;
        int spins;
    };
    const std::vector<Case> cases = {
        {M::mnuOneSpins, false, 1},         {M::mnuOneSpins, true, 1},     {M::mnuTenSpins, false, 10},
        {M::mnuTwentyFiveSpins, false, 25}, {M::mnuFiftySpins, false, 50}, {M::mnuHundredSpins, false, 100},
        {M::mnuDaySpins, false, 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << menuRow(c.count).name << (c.normalBefore ? " normal" : " quick"));
        Table t;
        if (c.normalBefore)
            t.game.mnuNormalSpin_Click();
        if (c.count != M::mnuOneSpins)
            t.game.menuClicked(c.count);
        t.game.cmdZeroSpin_Click();
        t.game.cmdStart_Click();
        t.game.cmdStart_Click(); // counting goes on from where it stood

        EXPECT_EQ(t.game.state().SpinCount, 2 * c.spins);
        EXPECT_EQ(t.screen.caption(ctl::lblSpins), std::to_string(2 * c.spins));
        EXPECT_FALSE(t.game.state().FreshWheel);
        EXPECT_EQ(t.game.state().stats.history.filled(), std::min(2 * c.spins, 400)) << "every spin recorded";
        const bool quick = c.spins > 1 || !c.normalBefore;
        EXPECT_EQ(t.game.checked(M::mnuQuickSpin), quick);
        EXPECT_EQ(t.game.checked(M::mnuNormalSpin), !quick);
        if (c.spins > 1) {
            EXPECT_FALSE(t.game.enabled(M::mnuQuickSpin));
            EXPECT_TRUE(t.game.enabled(M::mnuNormalSpin));
        }
    }
}

TEST(Start, countsEachSpinBeforeItIsRecorded) {
    Table t;
    t.game.mnuTenSpins_Click();
    std::vector<std::string> recordedAs;
    t.screen.onYield = [&](int) { recordedAs.push_back(t.screen.caption(ctl::lbl400(1))); };
    t.game.cmdStart_Click();
    // The first spin is history entry 0 already, recorded as spin "1".
    EXPECT_EQ(t.game.state().stats.history.filled(), 10);
    EXPECT_EQ(t.screen.caption(ctl::lbl400(1)), "10");
    EXPECT_NE(std::find(recordedAs.begin(), recordedAs.end(), "1"), recordedAs.end());
}

TEST(Start, minimisesAnOpenStatisticsWindowBeforeTheFirstSpin) {
    Table t;
    t.game.mnuLastResults_Click();
    ASSERT_EQ(t.screen.stats, FakeScreen::StatsWindow::Shown);
    t.screen.recordLog = true;
    t.game.cmdStart_Click();
    EXPECT_EQ(t.screen.stats, FakeScreen::StatsWindow::Minimised);
    ASSERT_FALSE(t.screen.log.empty());
    EXPECT_EQ(t.screen.log.front(), "stats minimise");
}

TEST(Start, normalSpinAfterATwentyFiveRunKeepsTwentyFiveSpinsInQuickMode) {
    Table t;
    t.game.mnuTwentyFiveSpins_Click();
    t.game.cmdStart_Click();
    t.game.mnuNormalSpin_Click();
    EXPECT_TRUE(t.game.checked(M::mnuOneSpins));
    EXPECT_FALSE(t.game.enabled(M::mnuOneSpins));
    EXPECT_TRUE(t.game.checked(M::mnuTwentyFiveSpins)) << "25 stays checked";
    EXPECT_TRUE(t.game.checked(M::mnuNormalSpin));

    t.screen.recordLog = true;
    t.game.cmdStart_Click();
    EXPECT_EQ(t.game.state().SpinCount, 50);
    EXPECT_LE(t.numberCaptions(), 25 * 3) << "no sweeps: quick spins";
    EXPECT_TRUE(t.game.checked(M::mnuQuickSpin));
    EXPECT_FALSE(t.game.enabled(M::mnuQuickSpin));
    EXPECT_FALSE(t.game.checked(M::mnuNormalSpin));
    EXPECT_TRUE(t.game.enabled(M::mnuNormalSpin));
}

TEST(SpinCountMenus, aLongCountExcludesChipRemovalAndBothSpinModes) {
    for (M chosen : kCountItems) {
        if (chosen == M::mnuOneSpins)
            continue;
        SCOPED_TRACE(std::string(menuRow(chosen).name));
        Table t;
        t.game.mnuRemoveChips_Click();
        t.game.mnuNormalSpin_Click();
        t.game.menuClicked(chosen);
        EXPECT_FALSE(t.game.checked(M::mnuRemoveChips));
        for (M item : kCountItems) {
            EXPECT_EQ(t.game.checked(item), item == chosen) << menuRow(item).name;
            EXPECT_EQ(t.game.enabled(item), item != chosen) << menuRow(item).name;
        }
        EXPECT_TRUE(t.game.checked(M::mnuQuickSpin));
        EXPECT_FALSE(t.game.enabled(M::mnuQuickSpin));
        EXPECT_FALSE(t.game.checked(M::mnuNormalSpin));
        EXPECT_FALSE(t.game.enabled(M::mnuNormalSpin));
        EXPECT_FALSE(t.screen.menuEnabled(M::mnuNormalSpin)) << "the menu mirrors the flag";
    }
}

TEST(SpinCountMenus, oneSpinFreesNormalSpinOnlyFromQuickSpin) {
    struct Case {
        std::function<void(QueltaGame&)> before;
        bool quickChecked, quickEnabled, normalChecked, normalEnabled;
    };
    const std::vector<Case> cases = {
        // after a long count both modes were disabled; "1" frees Normal Spin
        {[](QueltaGame& g) { g.mnuFiftySpins_Click(); }, true, false, false, true},
        // in normal-spin mode "1" leaves the modes alone
        {[](QueltaGame& g) { g.mnuNormalSpin_Click(); }, false, true, true, false},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        Table t;
        cases[i].before(t.game);
        t.game.mnuOneSpins_Click();
        for (M item : kCountItems) {
            EXPECT_EQ(t.game.checked(item), item == M::mnuOneSpins);
            EXPECT_EQ(t.game.enabled(item), item != M::mnuOneSpins);
        }
        EXPECT_EQ(t.game.checked(M::mnuQuickSpin), cases[i].quickChecked);
        EXPECT_EQ(t.game.enabled(M::mnuQuickSpin), cases[i].quickEnabled);
        EXPECT_EQ(t.game.checked(M::mnuNormalSpin), cases[i].normalChecked);
        EXPECT_EQ(t.game.enabled(M::mnuNormalSpin), cases[i].normalEnabled);
    }
}
