#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "tests/FakeTable.h"

namespace {

constexpr double kSecondsPerYield = 0.001;

// A table whose clock moves a millisecond per yield. Before its load handler
// runs, the menus hold their design check marks: the American wheel and
// normal spin.
struct Table : FakeTable {
    Table() : FakeTable({0.0}, kSecondsPerYield) {}

    // The captions lblWinningNumber went through, in order.
    std::vector<std::string> numberCaptions() const {
        std::vector<std::string> shown;
        const std::string prefix = "caption lblWinningNumber=";
        for (const std::string& line : screen.log)
            if (line.rfind(prefix, 0) == 0)
                shown.push_back(line.substr(prefix.size()));
        return shown;
    }
};

struct LoadedTable : Table {
    LoadedTable() {
        game.Form_Load();
        screen.log.clear();
        random.seeds.clear();
    }
};

} // namespace

TEST(SpinWheel, makesOneToThreeDrawsAndKeepsTheLast) {
    struct Case {
        double r1, r2;
        std::vector<std::string> shown;
    };
    // The draws that follow pick pockets 3, 18 and 33 of the European wheel.
    const std::vector<Case> cases = {
        {0.0, 0.0, {"3"}},
        {0.49, 0.49, {"3"}},
        {0.5, 0.0, {"3", "18"}},
        {0.0, 0.5, {"3", "18"}},
        {0.99, 0.99, {"3", "18", "33"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "r1=" << c.r1 << " r2=" << c.r2);
        LoadedTable t;
        t.random.script({c.r1, c.r2, 3.5 / 37, 18.5 / 37, 33.5 / 37});
        t.screen.recordLog = true;
        t.game.SpinWheel();

        EXPECT_EQ(t.numberCaptions(), c.shown);
        EXPECT_EQ(std::to_string(t.game.state().WinningNumber), c.shown.back());
        // Once for the spin, then before every draw.
        EXPECT_EQ(t.random.seeds.size(), c.shown.size() + 1);
    }
}

TEST(SpinWheel, yieldsAfterEveryDrawAndBeforeShowingTheAmountBet) {
    LoadedTable t;
    t.random.script({0.5, 0.0, 3.5 / 37, 18.5 / 37});
    t.screen.recordLog = true;
    t.game.SpinWheel();

    std::vector<std::string> order;
    for (const std::string& line : t.screen.log)
        if (line == "yield" || line.rfind("caption lblWinningNumber=", 0) == 0 ||
            line.rfind("money lblTotalAmountBet=", 0) == 0)
            order.push_back(line);
    const std::vector<std::string> expected = {
        "caption lblWinningNumber=3",    "yield", "caption lblWinningNumber=18", "yield", "yield",
        "money lblTotalAmountBet=$0.00",
    };
    EXPECT_EQ(order, expected);
}

TEST(DrawNumber, mapsTheFractionOntoTheSelectedWheel) {
    struct Case {
        bool european;
        double r;
        PocketCode expected;
    };
    const std::vector<Case> cases = {
        {true, 0.0, 0},           {true, 0.5, 18},           {true, 36.0 / 37, 36},
        {true, 0.9999999999, 36}, {false, 0.0, 0},           {false, 36.0 / 38, 36},
        {false, 37.0 / 38, 37},   {false, 0.9999999999, 37}, {true, 1.0, 36}, // a faulty source stays on the wheel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.european ? "European" : "American") << " r=" << c.r);
        Table t;
        if (c.european)
            t.game.Form_Load();
        ASSERT_EQ(t.game.checked(MenuItem::mnuEuropean), c.european);
        t.random.script({c.r});
        t.random.seeds.clear();
        t.clock.seconds = 4321.25;
        EXPECT_EQ(t.game.DrawNumber(), c.expected);
        EXPECT_EQ(t.random.seeds, std::vector<double>{4321.25}) << "seeded from the clock before the draw";
    }
}

TEST(ShowWinningNumber, paintsThePocketColourUnderYellowText) {
    struct Case {
        PocketCode code;
        std::string caption;
        Rgb back;
    };
    const std::vector<Case> cases = {
        {0, "0", colours::green}, {kDoubleZero, "00", colours::green}, {1, "1", colours::red},
        {2, "2", colours::black}, {10, "10", colours::black},          {19, "19", colours::red},
        {36, "36", colours::red}, {35, "35", colours::black},
    };
    Table t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        t.game.ShowWinningNumber(c.code);
        const auto& label = t.screen.control(ctl::lblWinningNumber);
        EXPECT_EQ(label.caption, c.caption);
        EXPECT_EQ(label.backColour, c.back);
        EXPECT_EQ(label.textColour, colours::yellow);
    }
}

TEST(AnimateWheel, sweepsThirtySevenOrThirtyEightStepsOfSeventyMilliseconds) {
    struct Case {
        bool american;
        std::size_t steps;
    };
    for (const Case c : {Case{false, 37}, Case{true, 38}}) {
        SCOPED_TRACE(c.american ? "American" : "European");
        Table t;
        if (!c.american)
            t.game.Form_Load();
        ASSERT_EQ(t.game.checked(MenuItem::mnuAmerican), c.american);
        t.screen.recordLog = true;
        const int repaintsBefore = t.screen.control(ctl::lblWinningNumber).repaints;
        const double start = t.clock.seconds;
        t.game.AnimateWheel();
        const double elapsed = t.clock.seconds - start;

        const std::vector<std::string> shown = t.numberCaptions();
        ASSERT_EQ(shown.size(), c.steps);
        EXPECT_EQ(shown.front(), "26");
        EXPECT_EQ(shown[1], "0");
        EXPECT_EQ(shown.back(), "3");
        const bool hasDoubleZero = std::find(shown.begin(), shown.end(), "00") != shown.end();
        EXPECT_EQ(hasDoubleZero, c.american);
        if (c.american) {
            EXPECT_EQ(shown[20], "00") << "00 sits between 10 and 5";
        }
        EXPECT_EQ(t.screen.control(ctl::lblWinningNumber).repaints - repaintsBefore, static_cast<int>(c.steps));
        // Every step waits at least 0.07 s and at most one yield longer:
        // about 2.59 s for 37 steps and 2.66 s for 38.
        EXPECT_GE(elapsed, static_cast<double>(c.steps) * 0.07 - 1e-9);
        EXPECT_LE(elapsed, static_cast<double>(c.steps) * (0.07 + kSecondsPerYield) + 1e-9);
    }
}

TEST(SpinWheel, normalSpinSweepsBeforeEveryDrawAndQuickSpinNever) {
    struct Case {
        bool normal;
        double r1, r2;
        std::size_t captions;
    };
    // European wheel after start-up: a sweep shows 37 captions, then the draw one more.
    const std::vector<Case> cases = {
        {false, 0.99, 0.99, 3},
        {true, 0.0, 0.0, 38},
        {true, 0.5, 0.0, 76},
        {true, 0.99, 0.99, 114},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "normal=" << c.normal << " r1=" << c.r1 << " r2=" << c.r2);
        LoadedTable t;
        if (c.normal)
            t.game.mnuNormalSpin_Click();
        t.random.script({c.r1, c.r2, 0.5});
        t.screen.recordLog = true;
        t.game.SpinWheel();
        const auto shown = t.numberCaptions();
        EXPECT_EQ(shown.size(), c.captions);
        EXPECT_EQ(shown.back(), "18");
    }
}

TEST(SpinWheel, showsTheAmountBetAfterEverySpinEvenIfUnchanged) {
    LoadedTable t;
    t.game.BetSpotMouseUp(*slotOfName("lblSeventeen"), 1);
    const Money bet = t.game.state().TotalAmountBet;
    ASSERT_GT(bet, Money{});
    t.screen.setCaption(ctl::lblTotalAmountBet, "stale");
    t.random.script({0.0, 0.0, 0.5});
    t.game.SpinWheel();
    const auto& label = t.screen.control(ctl::lblTotalAmountBet);
    EXPECT_TRUE(label.hasMoney);
    EXPECT_EQ(label.money, bet);
}

TEST(AnimateWheel, showsTheDoubleZeroStepWhileAmericanIsCheckedEvenOnAEuropeanDraw) {
    LoadedTable t;
    t.game.mnuAmerican_Click();
    t.game.mnuNormalSpin_Click();
    // One draw at 0.9999: 37 (00) on the American wheel, 36 on the European.
    t.random.script({0.0, 0.0, 0.9999});
    t.screen.recordLog = true;
    // Switching back re-initialises while both wheels are checked.
    t.game.mnuEuropean_Click();

    const auto shown = t.numberCaptions();
    ASSERT_EQ(shown.size(), 39u) << "a 38-step sweep and the number";
    EXPECT_EQ(shown[20], "00");
    EXPECT_EQ(shown.back(), "36") << "the draw itself is European";
    EXPECT_EQ(t.game.state().WinningNumber, 36);
}
