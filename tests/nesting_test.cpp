#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "tests/FakeTable.h"

// User actions handled at the yields of a running run, as the event loop
// handles them on the table.

namespace {

// 17.5/37 makes every spin a single draw (r1 * 2 + 1 < 2, r2 * 2 < 1) of 17.
constexpr double kAlwaysSeventeen = 17.5 / 37;
// In quick-spin mode on a single draw, spin k of a run yields twice: after
// the draw (before settlement) and after recording.
constexpr int kYieldsPerQuickSpin = 2;

struct Table : FakeTable {
    Table() : FakeTable({kAlwaysSeventeen}) {
        game.Form_Load();
        game.mnuTenSpins_Click();
    }
    // Runs the action at the given yield of the next START, counted from 1.
    void atYieldOfRun(int yield, std::function<void()> action) {
        const int base = screen.yields;
        screen.onYield = [this, base, yield, action](int number) {
            if (number == base + yield)
                screen.pendingEvents.push_back(action);
        };
    }
    int numberCaptions() const {
        int n = 0;
        for (const std::string& line : screen.log)
            n += line.rfind("caption lblWinningNumber=", 0) == 0 ? 1 : 0;
        return n;
    }
};

int seventeen() { return *slotOfName("lblSeventeen"); }

} // namespace

TEST(RunNesting, aChipPlacedDuringARunIsSettledFromTheNextSettlementOn) {
    struct Case {
        int yield;
        int winningSpins;
    };
    // Placed during spin 3: after its draw it still counts for spin 3, after
    // its recording only from spin 4 on.
    for (const Case c : {Case{3 * kYieldsPerQuickSpin - 1, 8}, Case{3 * kYieldsPerQuickSpin, 7}}) {
        SCOPED_TRACE(c.yield);
        Table t;
        t.atYieldOfRun(c.yield, [&t] { t.game.BetSpotMouseUp(seventeen(), 1); });
        t.game.cmdStart_Click();
        EXPECT_EQ(t.game.state().SpinCount, 10);
        EXPECT_EQ(t.game.state().Winnings, Money::fromDollars(35) * c.winningSpins);
    }
}

TEST(RunNesting, reinitialisingDuringARunRestartsTheCountAndKeepsTheRestOutOfTheHistory) {
    struct Case {
        std::string name;
        std::function<void(QueltaGame&)> action;
    };
    const std::vector<Case> cases = {
        {"Reset", [](QueltaGame& g) { g.cmdReset_Click(); }},
        {"unit change", [](QueltaGame& g) { g.mnuFiveDollar_Click(); }},
        // 17.5/37 still draws 17 on the 38 pockets of the American wheel
        {"wheel change", [](QueltaGame& g) { g.mnuAmerican_Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        t.game.BetSpotMouseUp(seventeen(), 1);
        // After spin 4 has been recorded.
        t.atYieldOfRun(4 * kYieldsPerQuickSpin, [&t, &c] { c.action(t.game); });
        t.game.cmdStart_Click();

        const GameState& s = t.game.state();
        EXPECT_EQ(s.SpinCount, 6) << "spins 5 to 10 counted from 1";
        EXPECT_EQ(t.screen.caption(ctl::lblSpins), "6");
        EXPECT_TRUE(s.FreshWheel);
        EXPECT_EQ(s.stats.history.filled(), 0) << "the remaining spins stay out of the history";
        EXPECT_EQ(s.Winnings, Money{}) << "the chip went with the re-initialisation";
        EXPECT_EQ(s.NumberHits[17], 6) << "hits count again from the re-initialisation";
    }
}

TEST(RunNesting, aSecondStartRunsACompleteNestedRun) {
    Table t;
    t.atYieldOfRun(3 * kYieldsPerQuickSpin, [&t] { t.game.cmdStart_Click(); });
    t.game.cmdStart_Click();
    EXPECT_EQ(t.game.state().SpinCount, 20);
    EXPECT_EQ(t.game.state().stats.history.filled(), 20);
    EXPECT_EQ(t.game.state().NumberHits[17], 20);
}

TEST(RunNesting, normalSpinChosenDuringARunMakesTheRemainingSpinsSweep) {
    Table t;
    t.atYieldOfRun(kYieldsPerQuickSpin, [&t] { t.game.mnuNormalSpin_Click(); });
    t.screen.recordLog = true;
    t.game.cmdStart_Click();
    // Spin 1 quick; spins 2 to 10 each sweep 37 steps before their number.
    EXPECT_EQ(t.numberCaptions(), 1 + 9 * 38);
}

TEST(RunNesting, quitOrExitEndsTheProcessAtOnceWithoutFinishingTheSpin) {
    struct Case {
        std::string name;
        bool normalSpin;
        int yield;
        std::function<void(QueltaGame&)> action;
    };
    const std::vector<Case> cases = {
        // during the draw yield of spin 3, before it is settled
        {"Quit mid-run", false, 3 * kYieldsPerQuickSpin - 1, [](QueltaGame& g) { g.cmdQuit_Click(); }},
        {"Exit mid-run", false, 3 * kYieldsPerQuickSpin - 1, [](QueltaGame& g) { g.mnuExit_Click(); }},
        // in the middle of the first sweep
        {"Quit mid-sweep", true, 50, [](QueltaGame& g) { g.cmdQuit_Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        if (c.normalSpin)
            t.game.mnuOneSpins_Click(), t.game.mnuNormalSpin_Click();
        t.game.BetSpotMouseUp(seventeen(), 1);
        t.atYieldOfRun(c.yield, [&t, &c] { c.action(t.game); });
        t.screen.recordLog = true;
        EXPECT_THROW(t.game.cmdStart_Click(), ProcessEnded);

        const GameState& s = t.game.state();
        const int finished = c.normalSpin ? 0 : 2;
        EXPECT_EQ(s.SpinCount, finished + 1) << "no spin after the one in progress";
        EXPECT_EQ(s.stats.history.filled(), finished) << "the spin in progress is not recorded";
        EXPECT_EQ(s.Winnings, Money::fromDollars(35) * finished) << "nor settled";
        if (c.normalSpin) {
            EXPECT_LT(t.numberCaptions(), 37) << "the sweep stopped";
        }
    }
}
