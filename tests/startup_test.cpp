#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/QueltaGame.h"
#include "tests/FakeTable.h"

namespace {

constexpr double kSecondsPerYield = 0.001;

// 0.9999 would be the double zero on the American wheel of the design.
struct Table : FakeTable {
    Table() : FakeTable({0.9999}, kSecondsPerYield) {}
};

} // namespace

TEST(StartUp, selectsEuropeanQuickSpinOneSpinAndOneDollar) {
    Table t;
    t.game.Form_Load();
    using M = MenuItem;
    struct Expected {
        MenuItem item;
        bool checked;
        bool enabled;
    };
    const std::vector<Expected> table = {
        {M::mnuEuropean, true, false},
        {M::mnuAmerican, false, true},
        {M::mnuQuickSpin, true, false},
        {M::mnuNormalSpin, false, true},
        {M::mnuOneSpins, true, false},
        {M::mnuTenSpins, false, true},
        {M::mnuTwentyFiveSpins, false, true},
        {M::mnuFiftySpins, false, true},
        {M::mnuHundredSpins, false, true},
        {M::mnuDaySpins, false, true},
        {M::mnuTwentyFive, false, true},
        {M::mnuFifty, false, true},
        {M::mnuOneDollar, true, false},
        {M::mnuFiveDollar, false, true},
        {M::mnuTenDollar, false, true},
        {M::mnuOn, true, true},
        {M::mnuOff, false, true},
        {M::mnuRemoveChips, false, true},
        {M::mnuNumHits, false, true},
        {M::mnuLastResults, false, true},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(std::string(menuRow(e.item).name));
        EXPECT_EQ(t.game.checked(e.item), e.checked);
        EXPECT_EQ(t.game.enabled(e.item), e.enabled);
        EXPECT_EQ(t.screen.menuChecked(e.item), e.checked) << "the menu mirrors the flag";
        EXPECT_EQ(t.screen.menuEnabled(e.item), e.enabled) << "the menu mirrors the flag";
    }
    EXPECT_EQ(t.screen.caption(ctl::lblWheelType), "European Wheel");
    EXPECT_EQ(t.screen.caption(ctl::lblChip), "$1");
    EXPECT_EQ(t.screen.caption(ctl::lblResultsHeading), "Winning Number");
    EXPECT_EQ(t.screen.windowCentred, 1);
}

TEST(StartUp, initialSpinIsEuropeanSweptShownAndNeitherSettledNorCounted) {
    Table t;
    t.screen.recordLog = true;
    t.game.Form_Load();
    const GameState& s = t.game.state();

    // On the design's American wheel this fraction would be 00.
    EXPECT_EQ(s.WinningNumber, 36);
    const auto& number = t.screen.control(ctl::lblWinningNumber);
    EXPECT_EQ(number.caption, "36");
    EXPECT_EQ(number.backColour, colours::red);
    EXPECT_EQ(number.textColour, colours::yellow);
    EXPECT_EQ(t.screen.caption(ctl::lblRes(1)), "36") << "the strip shows it";

    // Quick spin is selected, yet the splash shows one full 37-step sweep.
    int captions = 0;
    for (const std::string& line : t.screen.log)
        captions += line.rfind("caption lblWinningNumber=", 0) == 0 ? 1 : 0;
    EXPECT_EQ(captions, 38);

    EXPECT_EQ(s.SpinCount, 0);
    EXPECT_EQ(s.Winnings, Money{});
    EXPECT_EQ(s.TotalAmountBet, Money{});
    EXPECT_EQ(s.NumberHits, NumberHitCounts{});
    EXPECT_EQ(s.OutsideHits, (std::array<std::int32_t, 12>{}));
    EXPECT_TRUE(s.FreshWheel);
    EXPECT_EQ(t.screen.historyUpdates, 0) << "the initial spin stays out of the history";
    EXPECT_EQ(s.stats.history.filled(), 0);

    // The labels of money and count show nothing (design blank) or zero.
    for (ControlRef blank : {ctl::lblSpins, ctl::lblWinnings}) {
        const std::string& caption = t.screen.caption(blank);
        EXPECT_TRUE(caption.empty() || caption == " ") << objectName(blank) << " shows '" << caption << "'";
    }
    const auto& bet = t.screen.control(ctl::lblTotalAmountBet);
    EXPECT_TRUE(bet.hasMoney);
    EXPECT_EQ(bet.money, Money{});
}

TEST(StartUp, aboutSplashStaysOpenThroughoutTheInitialSpin) {
    Table t;
    int yieldsWithSplash = 0;
    int yieldsWithout = 0;
    t.screen.onYield = [&](int) { (t.screen.aboutSplashOpen ? yieldsWithSplash : yieldsWithout)++; };
    const double start = t.clock.seconds;
    t.game.Form_Load();

    EXPECT_TRUE(t.screen.aboutSplashShown);
    EXPECT_FALSE(t.screen.aboutSplashOpen) << "closed when loading ends";
    EXPECT_EQ(yieldsWithout, 0);
    EXPECT_GT(yieldsWithSplash, 0);
    EXPECT_GE(t.clock.seconds - start, 37 * 0.07 - 1e-9) << "the splash lasts at least one sweep";
}
