#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/BetSpotCatalogue.h"
#include "systems/RecordedSession.h"

using namespace systems;

namespace {

constexpr PocketCode W = 1; // red, odd, low, first dozen, first column
constexpr PocketCode L = 2; // black
constexpr PocketCode Z = 0;

System onRed(MoneyManagement money, std::int64_t chips = 1, AtCap atCap = AtCap::Stay,
             Money bankroll = Money::fromDollars(100)) {
    System s;
    s.bets.push_back(Bet{FixedSpots{{{"lblRed", 1}}}, std::move(money), chips, atCap});
    s.rules.bankroll = bankroll;
    return s;
}

struct MoneyWalk {
    const char* name;
    System system;
    std::vector<PocketCode> pockets;
    std::vector<std::int64_t> stakes;    // chips staked on each spin
    std::vector<std::int64_t> bankrolls; // chips after each spin
    EndReason end = EndReason::SpinsDone;
};

} // namespace

// Every money management walked by hand over a written list of spins.
TEST(MoneyManagement, StakesAndBankrollFollowTheRulesOverAWrittenListOfSpins) {
    System seriesEnd = onRed(Martingale{});
    seriesEnd.rules.stopAtSeriesEnd = true;
    System afterWin = onRed(Labouchere{{1, 2}});
    afterWin.rules.stopAfterWin = true;
    System broke = onRed(Martingale{}, 1, AtCap::Stay, Money::fromDollars(6));
    System minimums = onRed(Flat{}, 1, AtCap::Stay, Money::fromDollars(500));
    minimums.rules.unit = BettingUnit::FiveDollars;
    minimums.rules.tableMinimums = true;
    const std::vector<MoneyWalk> walks = {
        {"Labouchere 1-2-3-4",
         onRed(Labouchere{{1, 2, 3, 4}}),
         {L, L, W, L, W, W},
         {5, 6, 7, 7, 9, 8},
         {95, 89, 96, 89, 98, 106}},
        {"Martingale, a zero loses", onRed(Martingale{}), {L, Z, L, W, W}, {1, 2, 4, 8, 1}, {99, 97, 93, 101, 102}},
        {"reverse Martingale", onRed(ReverseMartingale{}), {W, W, L, W}, {1, 2, 4, 1}, {101, 103, 99, 100}},
        {"D'Alembert", onRed(DAlembert{}), {L, L, W, W, W}, {1, 2, 3, 2, 1}, {99, 97, 100, 102, 103}},
        {"Fibonacci", onRed(Fibonacci{}), {L, L, L, L, W, W}, {1, 1, 2, 3, 5, 2}, {99, 98, 96, 93, 98, 100}},
        {"Paroli of three wins", onRed(Paroli{3}), {W, W, W, W, L}, {1, 2, 4, 1, 2}, {101, 103, 107, 108, 106}},
        {"reverse Labouchere, restarting at six",
         onRed(ReverseLabouchere{{1, 2, 3, 4}, 6}),
         {W, W, L, L, W},
         {5, 6, 5, 5, 5},
         {105, 111, 106, 101, 106}},
        {"Oscar's Grind, never raising past a unit of profit",
         onRed(OscarsGrind{}),
         {L, L, W, W, L, W, W},
         {1, 1, 1, 2, 1, 1, 1},
         {99, 98, 99, 101, 100, 101, 102}},
        {"1-3-2-6", onRed(OneThreeTwoSix{}), {W, W, W, W, W, L}, {1, 3, 2, 6, 1, 3}, {101, 104, 106, 112, 113, 110}},
        {"stake list, back one on a win",
         onRed(StakeList{{1, 2, 5}, {MoveKind::Back, 1}, {MoveKind::Next, 1}}),
         {L, L, W, W, L},
         {1, 2, 5, 2, 1},
         {99, 97, 102, 104, 103}},
        {"Martingale staying at the table limit",
         onRed(Martingale{}, 50, AtCap::Stay, Money::fromDollars(1000)),
         {L, L, L, L, W, L},
         {50, 100, 200, 200, 200, 50},
         {950, 850, 650, 450, 650, 600}},
        {"Martingale restarting at the table limit",
         onRed(Martingale{}, 50, AtCap::Restart, Money::fromDollars(1000)),
         {L, L, L, L},
         {50, 100, 200, 50},
         {950, 850, 650, 600}},
        {"the table's minimum on Red with the $5 unit", minimums, {L, W}, {5, 5}, {95, 100}},
        {"stopping at the end of a Martingale series",
         seriesEnd,
         {L, L, W, L},
         {1, 2, 4},
         {99, 97, 101},
         EndReason::SystemStop},
        {"stopping after a win", afterWin, {L, W, W}, {3, 4}, {97, 101}, EndReason::SystemStop},
        {"stopping when the next stake is not covered, the last spin too",
         broke,
         {L, L},
         {1, 2},
         {5, 3},
         EndReason::NotCovered},
    };
    for (const MoneyWalk& walk : walks) {
        SCOPED_TRACE(walk.name);
        const RecordedSession session = playRecorded(walk.system, walk.pockets);
        ASSERT_EQ(session.spins.size(), walk.stakes.size());
        EXPECT_EQ(session.end, walk.end);
        for (std::size_t i = 0; i < walk.stakes.size(); ++i) {
            SCOPED_TRACE("spin " + std::to_string(i + 1));
            EXPECT_EQ(session.spins[i].stakedChips, walk.stakes[i]);
            EXPECT_EQ(session.spins[i].bankrollChips, walk.bankrolls[i]);
        }
    }
}

namespace {

System selecting(Selection selection) {
    System s;
    s.bets.push_back(Bet{std::move(selection), Flat{}, 1, AtCap::Stay});
    return s;
}

struct SelectorWalk {
    const char* name;
    Selection selection;
    std::vector<PocketCode> pockets;
    std::vector<std::vector<int>> slots; // the spots staked on each spin
};

} // namespace

// Each selector's choice over a written sequence of numbers, zeros included.
TEST(Selectors, ChooseFromTheSpinsSoFarAndNeverAZero) {
    using O = OutsideBet;
    using G = OutsideGroup;
    const std::vector<SelectorWalk> walks = {
        {"follow the last colour",
         LastCame{G::Colour, Side::Follow},
         {Z, 1, Z, 2, 3},
         {{}, {}, {slot::lblRed}, {slot::lblRed}, {slot::lblBlack}}},
        {"against the last colour",
         LastCame{G::Colour, Side::Against},
         {Z, 1, Z, 2, 3},
         {{}, {}, {slot::lblBlack}, {slot::lblBlack}, {slot::lblRed}}},
        {"the two dozens that did not come",
         LastCame{G::Dozen, Side::Against},
         {5, Z, 20, 30},
         {{},
          {slot::lblSecondDoz, slot::lblThirdDoz},
          {slot::lblSecondDoz, slot::lblThirdDoz},
          {slot::lblFirstDoz, slot::lblThirdDoz}}},
        {"follow the last column", LastCame{G::Column, Side::Follow}, {5, 6}, {{}, {slot::lblSecondColumn}}},
        {"follow the last half", LastCame{G::HighLow, Side::Follow}, {20, Z}, {{}, {slot::lblHigh}}},
        {"the dozen absent longest, two spins or more",
         Sleepers{G::Dozen, 2, true},
         {1, 13, Z, 25, 2},
         {{}, {}, {slot::lblThirdDoz}, {slot::lblThirdDoz}, {slot::lblFirstDoz}}},
        {"every dozen absent two spins or more",
         Sleepers{G::Dozen, 2, false},
         {1, 13, Z, 25, 2},
         {{},
          {},
          {slot::lblThirdDoz},
          {slot::lblFirstDoz, slot::lblThirdDoz},
          {slot::lblFirstDoz, slot::lblSecondDoz}}},
        {"a pattern",
         Pattern{{O::Red, O::Black, O::Odd}},
         {Z, Z, Z, Z},
         {{slot::lblRed}, {slot::lblBlack}, {slot::lblOdd}, {slot::lblRed}}},
        {"Red after two misses in a row",
         AfterMisses{O::Red, 2},
         {2, Z, 4, 1, 3},
         {{}, {}, {slot::lblRed}, {slot::lblRed}, {}}},
    };
    for (const SelectorWalk& walk : walks) {
        SCOPED_TRACE(walk.name);
        const RecordedSession session = playRecorded(selecting(walk.selection), walk.pockets);
        ASSERT_EQ(session.spins.size(), walk.slots.size());
        for (std::size_t i = 0; i < walk.slots.size(); ++i) {
            std::vector<int> staked;
            for (const SpotStake& stake : session.spins[i].stakes)
                staked.push_back(stake.slot);
            EXPECT_EQ(staked, walk.slots[i]) << "spin " << i + 1;
        }
    }
}

// Bad input gets a clear sentence and nothing else.
TEST(SystemProblems, RefuseWhatCannotBePlayed) {
    struct Case {
        const char* name;
        System system;
        const char* saying; // a part of the message
    };
    System noBets = onRed(Flat{});
    noBets.bets.clear();
    System doubleZeroOnEuropean = selecting(FixedSpots{{{"lblDoubleZero", 1}}});
    System unknownSpot = selecting(FixedSpots{{{"lblPurple", 1}}});
    System hugeChips = onRed(Flat{}, 1'000'000'000'000'000'000);
    System hugeStake = onRed(StakeList{{1'000'000'000'000'000'000}, {}, {}});
    System longLine = onRed(Labouchere{std::vector<std::int64_t>(100'000, 1)});
    System emptyPattern = selecting(Pattern{});
    System sharedSpot = onRed(Flat{});
    sharedSpot.bets.push_back(Bet{LastCame{OutsideGroup::Colour, Side::Follow}, Martingale{}, 1, AtCap::Stay});
    System noBankroll = onRed(Flat{});
    noBankroll.rules.bankroll = Money{};
    System targetBelow = onRed(Flat{});
    targetBelow.rules.target = Money::fromDollars(50);
    const std::vector<Case> cases = {
        {"no bets", noBets, "no bets"},
        {"00 on the European wheel", doubleZeroOnEuropean, "not on the European wheel"},
        {"unknown spot", unknownSpot, "lblPurple"},
        {"10^18 chips", hugeChips, "chips of a bet"},
        {"a stake of 10^18 units", hugeStake, "list of stakes"},
        {"a line of 100,000 numbers", longLine, "100000 entries"},
        {"an empty pattern", emptyPattern, "pattern is empty"},
        {"two bets that can stake Red on one spin", sharedSpot, "Bets 1 and 2 can both stake lblRed"},
        {"no bankroll", noBankroll, "bankroll"},
        {"a target below the bankroll", targetBelow, "target"},
    };
    for (const Case& c : cases) {
        const auto problem = problemWith(c.system);
        ASSERT_TRUE(problem.has_value()) << c.name;
        EXPECT_NE(problem->find(c.saying), std::string::npos) << c.name << ": " << *problem;
        EXPECT_THROW(playRecorded(c.system, std::vector<PocketCode>{1}), std::invalid_argument) << c.name;
    }
    EXPECT_THROW(playRecorded(onRed(Flat{}), std::vector<PocketCode>{kDoubleZero}), std::invalid_argument);
}
