#include <gtest/gtest.h>

#include <functional>

#include "analysis/BettingSystem.h"
#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "tests/FakeTable.h"

// What the system analyser takes from the table: a snapshot of the layout and
// the ledger of the spins the player has settled.

namespace {

// 17.5/37 makes every spin a single draw of 17 (black), on either wheel.
constexpr double kAlwaysSeventeen = 17.5 / 37;

struct Table : FakeTable {
    Table() : FakeTable({kAlwaysSeventeen}) { game.Form_Load(); }
    void chip(const char* spot) { game.BetSpotMouseUp(*slotOfName(spot), 1); }
    // Runs the action once, at the given yield counted from now.
    void atYield(int yield, std::function<void()> action) {
        const int base = screen.yields;
        screen.onYield = [this, base, yield, action](int number) {
            if (number == base + yield)
                screen.pendingEvents.push_back(action);
        };
    }
    const std::vector<LedgerEntry>& ledger() const { return game.state().ledger.entries(); }
};

} // namespace

TEST(TableSnapshot, takesTheWheelUnitAndStakesTheTablePlaysWith) {
    Table t;
    t.game.mnuAmerican_Click();
    t.game.mnuFiveDollar_Click();
    t.chip("lblDoubleZero");
    const SessionRules rules;
    const BettingSystem system = snapshotOf(t.game.state(), rules);
    EXPECT_EQ(system.wheel, Wheel::American);
    EXPECT_EQ(system.unit, BettingUnit::FiveDollars);
    EXPECT_EQ(system.stakes[slot::lblDoubleZero], 1);

    // The $1 item is never read: with no unit checked a chip is a dollar.
    FakeTable designState;
    EXPECT_EQ(snapshotOf(designState.game.state(), rules).unit, BettingUnit::OneDollar);
}

TEST(SessionLedger, recordsEverySettledSpinInTheOrderItSettlesNestedOnesIncluded) {
    Table t;
    t.chip("lblSeventeen");
    t.game.mnuTenSpins_Click();
    // After the draw of spin 3, before it settles: a chip on Red and a nested
    // run of ten spins, which settle before spin 3 does.
    t.atYield(5, [&t] {
        t.chip("lblRed");
        t.game.cmdStart_Click();
    });
    t.game.cmdStart_Click();

    ASSERT_EQ(t.ledger().size(), 20U);
    Money net;
    for (std::size_t k = 0; k < t.ledger().size(); ++k) {
        const LedgerEntry& e = t.ledger()[k];
        EXPECT_EQ(e.bet, Money::fromDollars(k < 2 ? 1 : 2)) << k;
        EXPECT_EQ(e.returned, Money::fromDollars(36)) << k;
        EXPECT_EQ(e.pocket, 17);
        net += e.returned - e.bet;
    }
    EXPECT_EQ(net, t.game.state().Winnings);
}

TEST(SessionLedger, startsAfreshWithEveryReinitialisation) {
    Table t;
    EXPECT_TRUE(t.ledger().empty()) << "the start-up spin settles nothing";
    t.chip("lblSeventeen");
    t.game.mnuTenSpins_Click();
    // Reset after spin 4 has been recorded: the six spins left in the run
    // settle on the cleared layout.
    t.atYield(8, [&t] { t.game.cmdReset_Click(); });
    t.game.cmdStart_Click();
    // The fresh wheel's spin and the six spins left in the run.
    ASSERT_EQ(t.ledger().size(), 7U);
    EXPECT_EQ(t.ledger().front().bet, Money{});

    for (const auto& reinitialise :
         std::vector<std::function<void()>>{[&t] { t.game.cmdReset_Click(); }, [&t] { t.game.mnuAmerican_Click(); },
                                            [&t] { t.game.mnuFifty_Click(); }}) {
        t.chip("lblSeventeen");
        t.game.cmdStart_Click();
        ASSERT_FALSE(t.ledger().empty());
        reinitialise();
        // Only the fresh wheel's own spin, on the emptied layout.
        ASSERT_EQ(t.ledger().size(), 1U);
        EXPECT_EQ(t.ledger().front().bet, Money{});
        EXPECT_EQ(t.ledger().front().returned, Money{});
    }
}
