#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "systems/NamedSystems.h"
#include "systems/files/SystemFile.h"
#include "systems/files/SystemLibrary.h"
#include "systems/files/TextFile.h"

namespace {

using namespace systems;
using files::FileProblem;

System roundTrip(const System& system) { return files::parseSystem(files::writeSystem(system), "written", ""); }

TEST(ShippedSystems, EveryFileLoadsRoundTripsAndMatchesItsNamedSystem) {
    const auto shipped = files::librarySystems({QUELTA_LIBRARY_SYSTEMS_DIR});
    ASSERT_GE(shipped.size(), 12U);
    for (const files::LibraryEntry& entry : shipped) {
        SCOPED_TRACE(entry.file.string());
        const System system = files::readSystemFile(entry.file);
        EXPECT_EQ(system.name, entry.name);
        EXPECT_FALSE(system.description.empty());
        EXPECT_EQ(roundTrip(system), system);
    }
    for (const Wheel wheel : {Wheel::European, Wheel::American})
        for (const System& named : namedSystems(wheel)) {
            SCOPED_TRACE(named.name);
            const auto file = files::findLibrarySystem(named.name, {QUELTA_LIBRARY_SYSTEMS_DIR});
            ASSERT_TRUE(file) << "no file for a named system";
            // The files are for the European wheel; the American ones round-trip.
            if (wheel == Wheel::European)
                EXPECT_EQ(files::readSystemFile(*file), named);
            else
                EXPECT_EQ(roundTrip(named), named);
        }
}

// A system per money management, each with a different selection and every
// rule away from its default somewhere, so that a key the writer forgets or
// the reader misreads shows up as a difference.
std::vector<System> everyElement() {
    const std::vector<Selection> selections = {
        FixedSpots{{{"lblOneSixSixLine", 3}, {"lblDoubleZero", 2}}},
        LastCame{OutsideGroup::Parity, Side::Against},
        Sleepers{OutsideGroup::Column, 5, false},
        Pattern{{OutsideBet::Red, OutsideBet::Black, OutsideBet::Red, OutsideBet::ThirdColumn}},
        AfterMisses{OutsideBet::Low, 7},
    };
    const std::vector<MoneyManagement> moneys = {
        Flat{},
        Martingale{},
        ReverseMartingale{},
        DAlembert{},
        Fibonacci{},
        Paroli{4},
        Labouchere{{2, 1, 5}},
        ReverseLabouchere{{1, 1, 2}, 9},
        OscarsGrind{},
        OneThreeTwoSix{},
        StakeList{{1, 2, 4, 8}, {MoveKind::Back, 2}, {MoveKind::Stay, 1}},
    };
    std::vector<System> all;
    for (std::size_t m = 0; m < moneys.size(); ++m) {
        System s;
        s.name = "every \"element\" " + std::to_string(m);
        s.description = "Line one,\nline two with a tab\tand a backslash \\.";
        s.bets.push_back(Bet{selections[m % selections.size()], moneys[m], static_cast<std::int64_t>(m + 1),
                             m % 2 ? AtCap::Restart : AtCap::Stay});
        s.bets.push_back(Bet{LastCame{OutsideGroup::Dozen, Side::Follow}, Flat{}, 1, AtCap::Stay});
        s.rules.wheel = Wheel::American;
        s.rules.unit = kBettingUnits[m % kBettingUnits.size()].unit;
        s.rules.tableMinimums = m % 2 == 0;
        s.rules.bankroll = Money::fromCents(25 * 4001 * 40);
        s.rules.spins = static_cast<std::int32_t>(100 + m);
        if (m % 3 == 0)
            s.rules.stopLoss = Money::fromCents(25 * 1001);
        if (m % 3 != 2)
            s.rules.target = Money::fromCents(25 * 4001 * 80 + 75);
        s.rules.stopAfterWin = m % 4 == 1;
        s.rules.stopAtSeriesEnd = m % 4 == 2;
        all.push_back(s);
    }
    return all;
}

TEST(SystemFile, WritingThenReadingGivesBackTheSameSystem) {
    for (const System& system : everyElement()) {
        SCOPED_TRACE(files::writeSystem(system));
        ASSERT_FALSE(problemWith(system)) << *problemWith(system);
        EXPECT_EQ(roundTrip(system), system);
    }
}

// A small system file with `session`, `bet` and `select` lines put in.
std::string fileWith(const std::string& session, const std::string& bet, const std::string& select) {
    return "name = \"t\"\n" // line 1
           "[session]\n" +  // line 2
           session +
           "\n" +                               // line 3
           "[[bet]]\n" +                        // line 4
           bet + "\n" +                         // line 5
           "[bet.select]\nkind = \"spots\"\n" + // lines 6, 7
           select + "\n";                       // line 8
}

const std::string kSpots = "spots = [{ spot = \"lblRed\" }]";

struct Mistake {
    std::string text;
    std::string message; // what the message starts with
};

std::vector<Mistake> mistakes() {
    std::string longLine = "money = { kind = \"labouchere\", line = [";
    for (int i = 0; i < 100'000; ++i)
        longLine += "1, ";
    longLine += "1] }";
    return {
        {fileWith("bankrol = 500", "", kSpots),
         "t.toml:3:1: unknown key \"bankrol\" in [session]; expected one of bankroll, spins, stop_loss, target, "
         "stop_after_win, stop_at_series_end"},
        {fileWith("", "chip = 2", kSpots),
         "t.toml:5:1: unknown key \"chip\" in a bet; expected one of select, money, chips, at_cap"},
        {fileWith("spins = \"400\"", "", kSpots),
         "t.toml:3:9: \"spins\" expected a whole number from 1 to 100000, found a string"},
        {fileWith("", "money = 3", kSpots), "t.toml:5:9: \"money\" expected a table, found a whole number"},
        {fileWith("spins = 0", "", kSpots), "t.toml:3:9: \"spins\" expected a whole number from 1 to 100000, found 0"},
        {fileWith("", "chips = 1000000000000000000", kSpots),
         "t.toml:5:9: \"chips\" expected a whole number from 1 to 600, found 1000000000000000000"},
        {fileWith("bankroll = 10.1", "", kSpots),
         "t.toml:3:12: \"bankroll\" expected an amount in dollars, a multiple of 0.25 from 1 to 1099511627776, "
         "found 10.1"},
        {fileWith("stop_loss = 500", "", kSpots),
         "t.toml:3:13: \"stop_loss\" expected an amount in dollars, a multiple of 0.25 from 0 to 499.75, found 500"},
        {fileWith("", longLine, kSpots), "t.toml:5:39: \"line\" expected a list of 1 to 1000 entries, found 100001"},
        {fileWith("", "money = \"martingal\"", kSpots), "t.toml:5:9: \"money\" expected \"flat\", \"martingale\", "},
        {fileWith("", "", "spots = [{ spot = \"lblRde\" }]"),
         "t.toml:8:19: \"spot\" expected the name of a bet spot of the table, such as \"lblRed\" or "
         "\"lblOneSixSixLine\", found \"lblRde\""},
        {fileWith("", "", "spots = [{ spot = \"lblDoubleZero\" }]"),
         "t.toml:8:19: the spot lblDoubleZero is not on the European wheel"},
        {fileWith("", "", "spots = [{ spot = \"lblRed\", chips = 601 }]"),
         "t.toml:8:37: \"chips\" expected a whole number from 1 to 600, found 601"},
        {"name = \"t\"\n", "t.toml:1:1: the system has no [[bet]]; expected at least one"},
        {"name = \"t\"\nspins = = 4\n", "t.toml:2:"},
        // The parser this program uses would reach undefined behaviour on these.
        {"description = \"\"\"\\\n\xc2\xa7\"\"\"\n", "t.toml:2:1: a system file cannot hold the character U+00A7; in a "
                                                     "string write it as \\u00A7"},
    };
}

TEST(SystemFile, EachKindOfMistakeIsRefusedWithItsPlaceAndWhatWasExpected) {
    for (const Mistake& mistake : mistakes()) {
        SCOPED_TRACE(mistake.message);
        try {
            files::parseSystem(mistake.text, "t.toml", "t");
            ADD_FAILURE() << "read without complaint";
        } catch (const FileProblem& problem) {
            EXPECT_TRUE(std::string(problem.what()).starts_with(mistake.message)) << problem.what();
        }
    }
}

} // namespace
