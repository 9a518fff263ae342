#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <stop_token>
#include <string>

#include "analysis/SessionAnalysis.h"
#include "layout/BetSpotCatalogue.h"
#include "systems/NamedSystems.h"
#include "systems/StateGraph.h"
#include "systems/SystemAnalysis.h"
#include "systems/SystemSimulation.h"

using namespace systems;

namespace {

double edgeOf(Wheel wheel) { return wheel == Wheel::European ? 1.0 / 37 : 2.0 / 38; }

// A 95% interval stretched to about five standard errors, so that a table of
// dozens of checks does not fail by chance.
bool within(double value, const Estimate& e, double slack = 1e-12) {
    const double half = std::max(e.high - e.value, e.value - e.low);
    return std::abs(value - e.value) <= 2.5 * half + slack;
}

System shortened(System system) {
    system.rules.spins = 60;
    return system;
}

// The named systems, and two with the session rules they leave out.
std::vector<System> systemsToJudge(Wheel wheel) {
    std::vector<System> all = namedSystems(wheel);
    System series = all[1]; // Martingale
    series.name += ", stopping at the end of a series, with a stop-loss and a target";
    series.rules.stopAtSeriesEnd = true;
    series.rules.stopLoss = Money::fromDollars(480);
    series.rules.target = Money::fromDollars(505);
    all.push_back(series);
    System afterWin = all[9]; // follow the last colour
    afterWin.name += ", stopping after a win";
    afterWin.rules.stopAfterWin = true;
    afterWin.bets[0].money = DAlembert{};
    all.push_back(afterWin);
    return all;
}

} // namespace

// Whatever a system does, the house keeps its edge of every chip staked:
// E[net] = -edge x E[total staked] (Wald's identity). Exact to 1e-9 where the
// exact method answers, inside the interval from Monte Carlo always; the two
// methods agree, and the simulation over the table of states gives the very
// figures the simulation over the rules gives.
TEST(NamedSystems, KeepTheHouseEdgeOfEveryChipStakedAndTheMethodsAgree) {
    int solvedExactly = 0;
    for (Wheel wheel : {Wheel::European, Wheel::American}) {
        for (const System& named : systemsToJudge(wheel)) {
            const System system = shortened(named);
            SCOPED_TRACE(system.name + (wheel == Wheel::European ? " (European)" : " (American)"));
            ASSERT_FALSE(problemWith(system).has_value());
            const auto graph = buildStateGraph(system, kMostGraphStates);
            const SystemOutcome mc = simulateOn(system, graph ? &*graph : nullptr, 3000, 29, 2, {}, {});
            ASSERT_EQ(mc.sessions, 3000);
            EXPECT_TRUE(within(edgeOf(wheel), mc.lossPerChipStaked))
                << mc.lossPerChipStaked.low << " .. " << mc.lossPerChipStaked.high;
            double share = 0;
            for (const Estimate& e : mc.ends)
                share += e.value;
            EXPECT_NEAR(share, 1.0, 1e-12);

            if (graph) {
                const SystemOutcome rules = simulateOn(system, nullptr, 500, 31, 1, {}, {});
                const SystemOutcome tables = simulateOn(system, &*graph, 500, 31, 1, {}, {});
                EXPECT_EQ(rules.meanNetChips.value, tables.meanNetChips.value);
                EXPECT_EQ(rules.meanTotalStakedChips.value, tables.meanTotalStakedChips.value);
                EXPECT_EQ(rules.meanLargestDrawdown.value, tables.meanLargestDrawdown.value);
                EXPECT_EQ(rules.limitStopped.value, tables.limitStopped.value);
                for (int e = 0; e < kEndReasons; ++e)
                    EXPECT_EQ(rules.ends[e].value, tables.ends[e].value) << "end " << e;
            }
            if (!exactMethodTakes(system))
                continue;
            ++solvedExactly;
            const auto exact = solveExactly(system, *graph, {}, {});
            ASSERT_TRUE(exact.has_value());
            const double staked = exact->meanTotalStakedChips.value;
            EXPECT_NEAR(exact->meanNetChips.value, -edgeOf(wheel) * staked, 1e-9 * std::max(1.0, staked));
            for (int e = 0; e < kEndReasons; ++e)
                EXPECT_TRUE(within(exact->ends[e].value, mc.ends[e], 1e-3))
                    << "end " << e << ": exact " << exact->ends[e].value << ", simulated " << mc.ends[e].value;
            EXPECT_TRUE(within(exact->meanEndChips.value, mc.meanEndChips));
            EXPECT_TRUE(within(exact->meanSpinsPlayed.value, mc.meanSpinsPlayed, 0.05))
                << exact->meanSpinsPlayed.value << " vs " << mc.meanSpinsPlayed.low << " .. "
                << mc.meanSpinsPlayed.high;
            EXPECT_TRUE(within(exact->stillPlaying.back(), mc.end(EndReason::SpinsDone), 1e-3));
        }
    }
    EXPECT_GE(solvedExactly, 22); // all but the long lines and the sleeper, on both wheels
}

namespace {

std::string spotName(int displaySlot) { return std::string(betSpot(displaySlot).name); }

MoneyManagement moneyOf(Progression progression) {
    switch (progression) {
    case Progression::Flat: return Flat{};
    case Progression::Martingale: return Martingale{};
    case Progression::DAlembert: return DAlembert{};
    case Progression::Fibonacci: return Fibonacci{};
    case Progression::Paroli: return Paroli{3};
    }
    return Flat{};
}

} // namespace

// A fixed layout with one of the table analyser's progressions is the same
// system to both analysers: the same figures from the same seed, and the
// same exact figures.
TEST(FixedLayouts, GiveTheTableAnalysersFigures) {
    BettingSystem table;
    table.wheel = Wheel::American;
    table.stakes[slot::lblRed] = 3;
    table.stakes[slot::lblThirdDoz] = 2;
    table.stakes[12] = 1; // lblOne, a straight
    table.rules.bankroll = Money::fromDollars(150);
    table.rules.spinsPerSession = 60;
    table.rules.stopLoss = Money::fromDollars(40);
    table.rules.target = Money::fromDollars(260);

    System system;
    system.bets.push_back(
        Bet{FixedSpots{{{spotName(slot::lblRed), 3}, {spotName(slot::lblThirdDoz), 2}, {spotName(12), 1}}}, Flat{}, 1,
            AtCap::Stay});
    system.rules.wheel = table.wheel;
    system.rules.bankroll = table.rules.bankroll;
    system.rules.spins = table.rules.spinsPerSession;
    system.rules.stopLoss = table.rules.stopLoss;
    system.rules.target = table.rules.target;

    for (Progression progression : {Progression::Flat, Progression::Martingale, Progression::DAlembert,
                                    Progression::Fibonacci, Progression::Paroli}) {
        SCOPED_TRACE(static_cast<int>(progression));
        table.rules.progression = progression;
        system.bets[0].money = moneyOf(progression);

        const SessionOutcome before = simulateSessions(table, 3000, 5, 2);
        const SystemOutcome now = simulateSystem(system, 3000, 5, 2);
        EXPECT_EQ(now.meanEndChips.value, before.meanEndChips.value);
        EXPECT_EQ(now.meanSpinsPlayed.value, before.meanSpinsPlayed.value);
        EXPECT_EQ(now.end(EndReason::Target).value, before.target.value);
        EXPECT_EQ(now.end(EndReason::StopLoss).value, before.stopLoss.value);
        EXPECT_EQ(now.end(EndReason::NotCovered).value, before.notCovered.value);
        EXPECT_EQ(now.end(EndReason::SpinsDone).value, before.spinsDone.value);
        EXPECT_EQ(now.meanTotalStakedChips.value, before.meanTotalStakedChips.value);

        ASSERT_TRUE(exactMethodFits(table));
        ASSERT_TRUE(exactMethodTakes(system));
        const SessionOutcome exactBefore = analyseExactly(table);
        const SystemOutcome exactNow = analyseSystemExactly(system, 100, 5, 1);
        EXPECT_EQ(exactNow.method, Method::Exact);
        EXPECT_NEAR(exactNow.meanEndChips.value, exactBefore.meanEndChips.value, 1e-9);
        EXPECT_NEAR(exactNow.meanSpinsPlayed.value, exactBefore.meanSpinsPlayed.value, 1e-9);
        EXPECT_NEAR(exactNow.end(EndReason::Target).value, exactBefore.target.value, 1e-12);
        EXPECT_NEAR(exactNow.end(EndReason::StopLoss).value, exactBefore.stopLoss.value, 1e-12);
        EXPECT_NEAR(exactNow.ahead.value, exactBefore.ahead.value, 1e-12);
        EXPECT_NEAR(exactNow.end(EndReason::NotCovered).value, exactBefore.notCovered.value, 1e-12);
        EXPECT_NEAR(exactNow.meanTotalStakedChips.value, exactBefore.meanTotalStakedChips.value, 1e-9);
    }
}

// The same seed gives the same figures on any number of threads; a stop
// ends the run with nothing to show.
TEST(SystemSimulation, IsTheSameOnAnyNumberOfThreadsAndStops) {
    const System system = shortened(namedSystems()[6]); // Labouchere: simulated over its rules
    const SystemOutcome one = simulateSystem(system, 1000, 8, 1);
    const SystemOutcome three = simulateSystem(system, 1000, 8, 3);
    EXPECT_EQ(one.meanNetChips.value, three.meanNetChips.value);
    EXPECT_EQ(one.meanLongestLosingStreak.value, three.meanLongestLosingStreak.value);
    EXPECT_EQ(one.largestStake, three.largestStake);
    EXPECT_EQ(one.stillPlaying, three.stillPlaying);
    ASSERT_EQ(one.samplePaths.size(), static_cast<std::size_t>(kSamplePaths));
    EXPECT_EQ(one.samplePaths[7].chips, three.samplePaths[7].chips);
    EXPECT_EQ(one.samplePaths[7].chips.front(), one.startChips);

    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(simulateSystem(system, 3000, 8, 2, stop.get_token()).sessions, 0);
    EXPECT_THROW(simulateSystem(system, 0, 8, 1), std::invalid_argument);
}

// With no more sessions than the sample paths, the bands are read across
// exactly those sessions (an ended one keeping its bankroll): their 5th, 50th
// and 95th percentiles are the 1st, 10th and 19th of 20 sorted bankrolls.
TEST(SystemSimulation, BandsAreTheSamplePathsPercentilesAtEverySpin) {
    for (const System& named : systemsToJudge(Wheel::European)) {
        SCOPED_TRACE(named.name);
        const System system = shortened(named);
        const SystemOutcome o = analyseSystem(system, MethodChoice::Auto, kSamplePaths, 5, 1);
        ASSERT_EQ(o.samplePaths.size(), static_cast<std::size_t>(kSamplePaths));
        ASSERT_EQ(o.bands.size(), static_cast<std::size_t>(system.rules.spins) + 1);
        for (std::size_t spin = 0; spin < o.bands.size(); ++spin) {
            std::vector<std::int64_t> column;
            for (const SamplePath& path : o.samplePaths)
                column.push_back(path.chips[std::min(spin, path.chips.size() - 1)]);
            std::sort(column.begin(), column.end());
            EXPECT_EQ(o.bands[spin].p5, static_cast<double>(column[0])) << "spin " << spin;
            EXPECT_EQ(o.bands[spin].p50, static_cast<double>(column[9])) << "spin " << spin;
            EXPECT_EQ(o.bands[spin].p95, static_cast<double>(column[18])) << "spin " << spin;
        }
    }
}

namespace {

// A system drawn at random: up to three bets on spots of their own (the
// colours, the dozens, a few inside spots), any selector and money
// management, table limits met or not, minimums on or off, any stops.
System randomSystem(std::mt19937_64& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); };
    auto money = [&]() -> MoneyManagement {
        switch (pick(11)) {
        case 0: return Flat{};
        case 1: return Martingale{};
        case 2: return ReverseMartingale{};
        case 3: return DAlembert{};
        case 4: return Fibonacci{};
        case 5: return Paroli{1 + pick(4)};
        case 6: return Labouchere{{1, 1 + pick(3)}};
        case 7: return ReverseLabouchere{{2, 1}, pick(2) == 0 ? 0 : 4};
        case 8: return OscarsGrind{};
        case 9: return OneThreeTwoSix{};
        default:
            return StakeList{
                {1, 3, 2}, {MoveKind::Back, 1 + pick(2)}, {pick(2) == 0 ? MoveKind::Next : MoveKind::Stay, 1}};
        }
    };
    using O = OutsideBet;
    const std::vector<Selection> colours = {LastCame{OutsideGroup::Colour, pick(2) == 0 ? Side::Follow : Side::Against},
                                            AfterMisses{O::Black, 1 + pick(3)}, Pattern{{O::Red, O::Red, O::Black}},
                                            FixedSpots{{{"lblRed", 1 + pick(3)}}}};
    const std::vector<Selection> dozens = {LastCame{OutsideGroup::Dozen, pick(2) == 0 ? Side::Follow : Side::Against},
                                           Sleepers{OutsideGroup::Dozen, pick(4), pick(2) == 0},
                                           Pattern{{O::FirstDozen, O::ThirdDozen}}};
    const std::vector<Selection> inside = {FixedSpots{{{"lblSeventeen", 1}, {"lblOneSixSixLine", 2}}},
                                           FixedSpots{{{"lblZeroOne", 1 + pick(2)}}}};
    System s;
    s.name = "random";
    const int shape = 1 + pick(7); // which of the three kinds of bet it has
    if (shape & 1)
        s.bets.push_back(Bet{colours[static_cast<std::size_t>(pick(4))], money(), 1 + pick(40) / 10 * 25,
                             pick(2) == 0 ? AtCap::Stay : AtCap::Restart});
    if (shape & 2)
        s.bets.push_back(Bet{dozens[static_cast<std::size_t>(pick(3))], money(), 1 + pick(3),
                             pick(2) == 0 ? AtCap::Stay : AtCap::Restart});
    if (shape & 4)
        s.bets.push_back(Bet{inside[static_cast<std::size_t>(pick(2))], money(), 1, AtCap::Stay});
    s.rules.wheel = pick(2) == 0 ? Wheel::European : Wheel::American;
    s.rules.unit = pick(2) == 0 ? BettingUnit::FiveDollars : BettingUnit::OneDollar;
    s.rules.tableMinimums = pick(2) == 0;
    const std::int64_t chips = 20 + pick(200);
    s.rules.bankroll = unitRow(s.rules.unit).chipValue * chips;
    s.rules.spins = 10 + pick(30);
    if (pick(3) == 0)
        s.rules.stopLoss = unitRow(s.rules.unit).chipValue * (chips / 2);
    if (pick(3) == 0)
        s.rules.target = unitRow(s.rules.unit).chipValue * (chips + 1 + pick(40));
    s.rules.stopAfterWin = pick(5) == 0;
    s.rules.stopAtSeriesEnd = pick(5) == 0;
    return s;
}

} // namespace

// The same identities for systems nobody wrote down: the house edge of every
// chip staked, tables against rules, exact against simulated.
TEST(RandomSystems, KeepTheHouseEdgeAndTheMethodsAgree) {
    std::mt19937_64 random(16);
    int tabled = 0, solved = 0;
    for (int n = 0; n < 40; ++n) {
        const System system = randomSystem(random);
        SCOPED_TRACE("random system " + std::to_string(n));
        ASSERT_FALSE(problemWith(system).has_value()) << *problemWith(system);
        const double edge = edgeOf(system.rules.wheel);
        const auto graph = buildStateGraph(system, 5000); // more are played over the rules
        const SystemOutcome mc = simulateOn(system, graph ? &*graph : nullptr, 2000, 3, 2, {}, {});
        if (mc.meanTotalStakedChips.value > 0) {
            EXPECT_TRUE(within(edge, mc.lossPerChipStaked))
                << mc.lossPerChipStaked.low << " .. " << mc.lossPerChipStaked.high;
        }
        if (graph) {
            ++tabled;
            const SystemOutcome rules = simulateOn(system, nullptr, 300, 4, 1, {}, {});
            const SystemOutcome tables = simulateOn(system, &*graph, 300, 4, 1, {}, {});
            EXPECT_EQ(rules.meanNetChips.value, tables.meanNetChips.value);
            EXPECT_EQ(rules.meanTotalStakedChips.value, tables.meanTotalStakedChips.value);
            EXPECT_EQ(rules.limitStopped.value, tables.limitStopped.value);
            for (int e = 0; e < kEndReasons; ++e)
                EXPECT_EQ(rules.ends[e].value, tables.ends[e].value) << "end " << e;
            if (exactFits(system, *graph)) {
                ++solved;
                const auto exact = solveExactly(system, *graph, {}, {});
                ASSERT_TRUE(exact.has_value());
                const double staked = exact->meanTotalStakedChips.value;
                EXPECT_NEAR(exact->meanNetChips.value, -edge * staked, 1e-9 * std::max(1.0, staked));
                for (int e = 0; e < kEndReasons; ++e)
                    EXPECT_TRUE(within(exact->ends[e].value, mc.ends[e], 1e-3))
                        << "end " << e << ": exact " << exact->ends[e].value << ", simulated " << mc.ends[e].value;
                EXPECT_TRUE(within(exact->meanEndChips.value, mc.meanEndChips, 1e-9));
            }
        }
    }
    EXPECT_GE(tabled, 25); // so that most draws test the tables and the exact method too
    EXPECT_GE(solved, 25);
}
