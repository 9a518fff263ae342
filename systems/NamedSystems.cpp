#include "systems/NamedSystems.h"

#include <utility>

namespace systems {
namespace {

System system(std::string name, std::string description, Selection selection, MoneyManagement money, Wheel wheel) {
    System s;
    s.name = std::move(name);
    s.description = std::move(description);
    s.bets.push_back(Bet{std::move(selection), std::move(money), 1, AtCap::Stay});
    s.rules.wheel = wheel;
    return s;
}

FixedSpots red() { return FixedSpots{{{"lblRed", 1}}}; }

} // namespace

std::vector<System> namedSystems(Wheel wheel) {
    const std::string zero = wheel == Wheel::European ? "lblZeroE" : "lblZeroA";
    std::vector<System> all;
    all.push_back(system("flat-red",
                         "One chip on Red every spin, whatever happens: the yardstick for every other system.", red(),
                         Flat{}, wheel));
    all.push_back(system("martingale-red",
                         "One chip on Red; after every loss the stake doubles, after a win it goes back to one chip, "
                         "so each win recovers the losses of the series and gains one chip, until the table limit or "
                         "the bankroll stops the doubling.",
                         red(), Martingale{}, wheel));
    all.push_back(system("reverse-martingale-red",
                         "One chip on Red; after every win the stake doubles, letting the winnings ride, and after a "
                         "loss it goes back to one chip.",
                         red(), ReverseMartingale{}, wheel));
    all.push_back(system("dalembert-red",
                         "One chip on Red; one chip more after a loss, one chip less after a win, never below one.",
                         red(), DAlembert{}, wheel));
    all.push_back(system("fibonacci-red",
                         "Stakes on Red along 1, 1, 2, 3, 5, 8, ... chips: one step on after a loss, two steps back "
                         "after a win.",
                         red(), Fibonacci{}, wheel));
    all.push_back(system("paroli-red",
                         "One chip on Red; after a win the stake doubles, and after three wins in a row or any loss "
                         "it goes back to one chip, banking the run.",
                         red(), Paroli{3}, wheel));
    all.push_back(system("labouchere-red",
                         "Write the line 1 2 3 4 and bet the first plus the last number on Red. A win crosses both "
                         "off, a loss writes the stake at the end. When the line is crossed out the series has won "
                         "10 chips and starts again.",
                         red(), Labouchere{{1, 2, 3, 4}}, wheel));
    all.push_back(system("oscars-grind-red",
                         "Grind out one chip of profit a series on Red: the stake stays after a loss and rises by one "
                         "chip after a win, but never past what would bring the series one chip ahead; once it is, "
                         "the series starts again at one chip.",
                         red(), OscarsGrind{}, wheel));
    all.push_back(system("one-three-two-six-red",
                         "Stakes of 1, 3, 2 and 6 chips on Red: each win moves to the next stake, a loss or the "
                         "fourth win goes back to one chip.",
                         red(), OneThreeTwoSix{}, wheel));
    all.push_back(system("follow-last-colour",
                         "One chip on the colour that came last, Red or Black; a zero does not change it, and "
                         "nothing is bet until a colour has come.",
                         LastCame{OutsideGroup::Colour, Side::Follow}, Flat{}, wheel));
    all.push_back(system("two-dozens-martingale",
                         "One chip on each of the two dozens that did not come last, doubling both after a loss and "
                         "going back to one chip each after a win.",
                         LastCame{OutsideGroup::Dozen, Side::Against}, Martingale{}, wheel));
    all.push_back(system("sleeper-dozen",
                         "Wait until a dozen has not come for eight spins, then bet one chip on the dozen absent "
                         "longest, doubling after every loss, until it comes.",
                         Sleepers{OutsideGroup::Dozen, 8, true}, Martingale{}, wheel));
    all.push_back(system("fixed-inside",
                         "A fixed layout replayed every spin: 14 chips on 19-36, 5 on the 13-18 six line and 1 on "
                         "zero, so that 13 to 36 and zero all pay back something.",
                         FixedSpots{{{"lblHigh", 14}, {"lblThirteenEighteen", 5}, {zero, 1}}}, Flat{}, wheel));
    return all;
}

} // namespace systems
