#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/TableFixture.h"

namespace {
void expectEmptyLayout(const Table& table) {
    for (int k = 0; k < kSpotCount; ++k) {
        EXPECT_EQ(table.game.state().Stakes[static_cast<std::size_t>(k)], 0) << betSpot(k).name;
        EXPECT_EQ(table.screen.caption(ctl::lblZero(k)), " ") << betSpot(k).name;
        EXPECT_FALSE(table.screen.control(ctl::shpChip(betSpot(k).marker)).visible) << betSpot(k).name;
    }
    EXPECT_EQ(table.total(), Money{});
    EXPECT_TRUE(table.totalLabel().hasMoney);
    EXPECT_EQ(table.totalLabel().caption, "$0.00");
}
} // namespace

TEST(Clearing, removeChipsTakesEveryChipOffAndZeroesTheTotal) {
    Table table;
    table.startUp();
    table.game.mnuFifty_Click();
    // Twenty spots spread over the zero area, the numbers and the outside.
    for (int k = 3; k < kFirstOutsideSlot; k += 8)
        table.game.BetSpotMouseUp(k, Table::kLeft);
    table.clickTimes("lblRed", 4);
    ASSERT_EQ(std::count_if(table.game.state().Stakes.begin(), table.game.state().Stakes.end(),
                            [](ChipCount stake) { return stake > 0; }),
              20);
    ASSERT_GT(table.total(), Money{});

    table.game.cmdRemChips_Click();
    expectEmptyLayout(table);

    // Nothing is left to be charged: the next chip counts alone.
    table.click("lblSeven");
    EXPECT_EQ(table.total(), cents(50));
}

TEST(Clearing, removeChipsOnAnEmptyLayoutOnlyRewritesTheTotal) {
    Table table;
    table.startUp();
    table.game.cmdRemChips_Click();
    expectEmptyLayout(table);
    table.game.cmdRemChips_Click();
    expectEmptyLayout(table);
}

TEST(Clearing, clearLayoutHidesTheChipsButKeepsTheStakes) {
    Table table;
    table.startUp();
    table.clickTimes("lblTwentyNine", 3);
    table.clickTimes("lblThirdDoz", 2);

    table.game.ClearLayout();
    EXPECT_EQ(table.chipCaption("lblTwentyNine"), " ");
    EXPECT_FALSE(table.markerVisible("lblTwentyNine"));
    EXPECT_FALSE(table.markerVisible("lblThirdDoz"));
    EXPECT_EQ(table.stake("lblTwentyNine"), 3);
    EXPECT_EQ(table.total(), dollars(5));

    table.click("lblTwentyNine");
    EXPECT_EQ(table.chipCaption("lblTwentyNine"), "4");
    EXPECT_TRUE(table.markerVisible("lblTwentyNine"));
    EXPECT_EQ(table.total(), dollars(6));
}

TEST(Clearing, togglingRemoveChipsEitherWaySelectsTheOneSpinRun) {
    using M = MenuItem;
    const std::vector<M> runs = {M::mnuOneSpins,   M::mnuTenSpins,     M::mnuTwentyFiveSpins,
                                 M::mnuFiftySpins, M::mnuHundredSpins, M::mnuDaySpins};
    Table table;
    table.startUp();
    for (bool expectChecked : {true, false, true}) {
        // A longer run can be chosen only while chips stay on (it unchecks the removal).
        if (expectChecked) {
            table.game.mnuHundredSpins_Click();
            ASSERT_TRUE(table.game.checked(M::mnuHundredSpins));
        }
        table.game.mnuRemoveChips_Click();
        EXPECT_EQ(table.game.checked(M::mnuRemoveChips), expectChecked);
        EXPECT_EQ(table.screen.menuChecked(M::mnuRemoveChips), expectChecked);
        for (M run : runs) {
            const bool one = run == M::mnuOneSpins;
            EXPECT_EQ(table.game.checked(run), one) << menuRow(run).name;
            EXPECT_EQ(table.game.enabled(run), !one) << menuRow(run).name;
            EXPECT_EQ(table.screen.menuEnabled(run), !one) << menuRow(run).name;
        }
    }
}
