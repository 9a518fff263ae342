#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "systems/NamedSystems.h"
#include "tests/TableFixture.h"

namespace {

using Chips = std::map<std::string, int>; // spot name -> chips; every other spot empty

// A European $1 table whose spins come out as scripted, recording after each
// settled spin the chips the spin was played with and the winnings.
struct PlayingTable : Table {
    PlayingTable() {
        startUp();
        screen.onYield = [this](int) {
            if (game.state().ledger.size() > seenSpins) {
                seenSpins = game.state().ledger.size();
                layouts.push_back(game.state().Stakes);
                winnings.push_back(game.state().Winnings);
                return;
            }
            if (onSpin && layouts.size() == spinsBeforeEvent) {
                auto event = std::move(onSpin);
                onSpin = nullptr;
                event();
            }
        };
    }

    // Each spin draws once: two fractions of 0 ask for one draw, then the pocket.
    void comeOut(const std::vector<int>& pockets) {
        std::vector<double> fractions;
        for (int pocket : pockets)
            fractions.insert(fractions.end(), {0.0, 0.0, (pocket + 0.5) / 37.0});
        random.script(fractions);
        seenSpins = game.state().ledger.size();
        layouts.clear();
        winnings.clear();
    }

    systems::System named(const std::string& name) const {
        for (const systems::System& s : systems::namedSystems(Wheel::European))
            if (s.name == name)
                return s;
        ADD_FAILURE() << name;
        return {};
    }

    std::size_t seenSpins = 0;
    std::vector<std::array<ChipCount, kSpotCount>> layouts;
    std::vector<Money> winnings;
    // Runs once, at the first yield of the spin after that many have settled.
    std::function<void()> onSpin;
    std::size_t spinsBeforeEvent = 0;
};

Chips chipsOf(const std::array<ChipCount, kSpotCount>& stakes) {
    Chips chips;
    for (int s = 0; s < kSpotCount; ++s)
        if (stakes[static_cast<std::size_t>(s)] != 0)
            chips[std::string(betSpot(s).name)] = stakes[static_cast<std::size_t>(s)];
    return chips;
}

} // namespace

// Worked by hand, spin by spin, from each system's rules: what lies on the
// layout when the ball drops, the table's winnings after the spin, and why
// the session ends.
TEST(SystemOnTable, playsEachSpinAsWorkedByHand) {
    struct Case {
        std::string system;
        Money bankroll;
        std::int32_t spins;
        std::optional<Money> target;
        std::vector<int> pockets;
        std::vector<Chips> layouts;
        std::vector<int> winnings; // dollars
        SystemPlayEnd end;
        std::string words;
    };
    const std::vector<Case> cases = {
        // Doubling on Red up to 128, then held at the limit of 200 chips;
        // the win at the limit goes back to one chip.
        {"martingale-red",
         dollars(700),
         12,
         std::nullopt,
         {1, 2, 4, 6, 8, 10, 11, 13, 15, 0, 3, 5},
         {{{"lblRed", 1}},
          {{"lblRed", 1}},
          {{"lblRed", 2}},
          {{"lblRed", 4}},
          {{"lblRed", 8}},
          {{"lblRed", 16}},
          {{"lblRed", 32}},
          {{"lblRed", 64}},
          {{"lblRed", 128}},
          {{"lblRed", 200}},
          {{"lblRed", 200}},
          {{"lblRed", 1}}},
         {1, 0, -2, -6, -14, -30, -62, -126, -254, -454, -254, -253},
         SystemPlayEnd::SpinsDone,
         "martingale-red: played all 12 spins; the bankroll is $447.00, down $253.00 on the $700.00 it started "
         "with."},
        // Line 1 2 3 4: losses write 5 and 6, three wins cross the line out.
        {"labouchere-red",
         dollars(30),
         400,
         dollars(40),
         {2, 4, 1, 3, 5},
         {{{"lblRed", 5}}, {{"lblRed", 6}}, {{"lblRed", 7}}, {{"lblRed", 7}}, {{"lblRed", 7}}},
         {-5, -11, -4, 3, 10},
         SystemPlayEnd::Target,
         "labouchere-red: reached its target after 5 spins; the bankroll is $40.00, up $10.00 on the $30.00 it "
         "started with."},
        // Nothing until a dozen has come; a zero keeps the dozen that came last.
        {"two-dozens-martingale",
         dollars(10),
         400,
         std::nullopt,
         {0, 5, 14, 0, 20},
         {{},
          {},
          {{"lblSecondDoz", 1}, {"lblThirdDoz", 1}},
          {{"lblFirstDoz", 1}, {"lblThirdDoz", 1}},
          {{"lblFirstDoz", 2}, {"lblThirdDoz", 2}}},
         {0, 0, 1, -1, -5},
         SystemPlayEnd::NotCovered,
         "two-dozens-martingale: stopped after 5 spins; its next stake, $8.00, is more than the bankroll of $5.00, "
         "which started at $10.00."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        PlayingTable t;
        systems::System system = t.named(c.system);
        system.rules.bankroll = c.bankroll;
        system.rules.spins = c.spins;
        system.rules.target = c.target;
        t.comeOut(c.pockets);
        const int spinsBefore = t.game.state().SpinCount;

        ASSERT_TRUE(t.game.playSystem(system));

        ASSERT_EQ(t.layouts.size(), c.layouts.size());
        for (std::size_t k = 0; k < c.layouts.size(); ++k) {
            SCOPED_TRACE(k + 1);
            EXPECT_EQ(chipsOf(t.layouts[k]), c.layouts[k]);
            EXPECT_EQ(t.winnings[k], dollars(c.winnings[k]));
        }
        EXPECT_TRUE(t.screen.messages.empty()) << "no chip was placed past a limit, nor taken off one";
        const SystemPlayStatus& status = t.game.systemPlay();
        EXPECT_FALSE(t.game.systemPlaying());
        EXPECT_EQ(status.end, c.end);
        EXPECT_EQ(status.spins, static_cast<int>(c.pockets.size()));
        EXPECT_EQ(t.game.state().SpinCount - spinsBefore, status.spins);
        EXPECT_EQ(status.bankroll, c.bankroll + dollars(c.winnings.back()));
        EXPECT_EQ(describeSystemPlay(status), c.words);
        // The layout shows what the last spin was played with.
        EXPECT_EQ(t.screen.caption(ctl::lblZero(slot::lblRed)),
                  c.layouts.back().contains("lblRed") ? std::to_string(c.layouts.back().at("lblRed")) : " ");
    }
}

// With minimums on and $5 chips, the first click on an even-money spot lays
// five chips, so a one-chip system stakes five, and the money follows.
TEST(SystemOnTable, stakesWhatTheTableMinimumMakesOfAClick) {
    PlayingTable t;
    t.game.mnuFiveDollar_Click();
    systems::System system = t.named("flat-red");
    system.rules.spins = 2;
    t.comeOut({1, 2});
    ASSERT_TRUE(t.game.playSystem(system));
    ASSERT_EQ(t.layouts.size(), 2U);
    EXPECT_EQ(chipsOf(t.layouts[0]), (Chips{{"lblRed", 5}}));
    EXPECT_EQ(t.winnings, (std::vector<Money>{dollars(25), dollars(0)}));
    EXPECT_EQ(t.game.systemPlay().bankroll, dollars(500));
}

// What the player does at a yield of the third spin of a 10-spin flat run.
TEST(SystemOnTable, answersThePlayerDuringTheRun) {
    struct Case {
        const char* what;
        std::function<void(QueltaGame&)> action;
        SystemPlayEnd end;
        int spins; // the system played
    };
    const std::vector<Case> cases = {
        {"Stop", [](QueltaGame& g) { g.stopSystem(); }, SystemPlayEnd::Stopped, 3},
        {"a click on the layout", [](QueltaGame& g) { g.BetSpotMouseUp(slot::lblBlack, Table::kLeft); },
         SystemPlayEnd::SpinsDone, 10},
        {"Play again", [](QueltaGame& g) { EXPECT_FALSE(g.playSystem(systems::namedSystems()[0])); },
         SystemPlayEnd::SpinsDone, 10},
        {"Reset", [](QueltaGame& g) { g.cmdReset_Click(); }, SystemPlayEnd::TableReset, 2},
        {"a unit change", [](QueltaGame& g) { g.mnuTenDollar_Click(); }, SystemPlayEnd::TableReset, 2},
        {"a wheel change", [](QueltaGame& g) { g.mnuAmerican_Click(); }, SystemPlayEnd::TableReset, 2},
        {"Remove Chips", [](QueltaGame& g) { g.cmdRemChips_Click(); }, SystemPlayEnd::Stopped, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayingTable t;
        systems::System system = t.named("flat-red");
        system.rules.spins = 10;
        t.comeOut(std::vector<int>(10, 1));
        // The first yield of the third spin, before it settles.
        t.spinsBeforeEvent = 2;
        t.onSpin = [&] { c.action(t.game); };
        const int spinsBefore = t.game.state().SpinCount;
        ASSERT_TRUE(t.game.playSystem(system));

        const SystemPlayStatus& status = t.game.systemPlay();
        EXPECT_FALSE(t.game.systemPlaying());
        EXPECT_EQ(status.end, c.end);
        EXPECT_EQ(status.spins, c.spins);
        EXPECT_EQ(t.game.state().Stakes[slot::lblBlack], 0) << "the player's chip was refused";
        if (c.end != SystemPlayEnd::TableReset) {
            EXPECT_EQ(t.game.state().SpinCount - spinsBefore, c.end == SystemPlayEnd::SpinsDone ? 10 : 3);
            EXPECT_EQ(status.bankroll, dollars(500) + t.game.state().Winnings) << "every spin of the run won $1";
        }
    }
    PlayingTable refused;
    refused.comeOut({1});
    refused.spinsBeforeEvent = 0;
    refused.onSpin = [&] { refused.click("lblBlack"); };
    systems::System one = refused.named("flat-red");
    one.rules.spins = 1;
    refused.game.playSystem(one);
    EXPECT_EQ(refused.screen.statusLines,
              std::vector<std::string>{"A system is playing on the table; press Stop to place chips yourself."});
    refused.click("lblBlack");
    EXPECT_EQ(refused.stake("lblBlack"), 1) << "the player's clicks count again once the system has stopped";
}
