#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "cli/Report.h"
#include "layout/BetSpotCatalogue.h"

namespace report {
namespace {

using systems::EndReason;

std::string money(double chips, Money chipValue) {
    return formatCurrencyUs(
        Money::fromTenThousandths(std::llround(chips * static_cast<double>(chipValue.tenThousandths()))));
}

std::string percent(double p) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", 100 * p);
    return text;
}

// The same, right-aligned so that a column of them lines up.
std::string percentColumn(double p) {
    char text[32];
    std::snprintf(text, sizeof text, "%6.2f%%", 100 * p);
    return text;
}

std::string decimal(double x, int places) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", places, x);
    return text;
}

// The figure, and its 95% interval where it is an estimate.
std::string withRange(const Estimate& e, const std::function<std::string(double)>& shown) {
    if (e.low == e.high)
        return shown(e.value);
    return shown(e.value) + " (" + shown(e.low) + " to " + shown(e.high) + ")";
}

void row(std::ostream& out, const std::string& caption, const std::string& value) {
    std::string padded = "  " + caption;
    if (padded.size() < 44)
        padded.resize(44, ' ');
    out << padded << value << '\n';
}

std::string wheelWords(Wheel wheel) { return wheel == Wheel::European ? "European wheel" : "American wheel"; }

void heading(std::ostream& out, const systems::System& system) {
    const systems::SystemRules& rules = system.rules;
    out << system.name << ": " << wheelWords(rules.wheel) << ", " << formatCurrencyUs(unitRow(rules.unit).chipValue)
        << " chips, bankroll " << formatCurrencyUs(rules.bankroll) << ", up to " << rules.spins << " spins a session";
    if (rules.stopLoss)
        out << ", stop-loss at " << formatCurrencyUs(*rules.stopLoss);
    if (rules.target)
        out << ", target " << formatCurrencyUs(*rules.target);
    out << ".\n";
}

// "lost $12.40 a session" or "won ..." or "broke even": the sign in words.
std::string resultWords(double chips, Money chipValue) {
    const std::string amount = money(std::fabs(chips), chipValue);
    if (amount == "$0.00")
        return "broke even on average";
    return (chips < 0 ? "lost " : "won ") + amount + " a session on average";
}

} // namespace

void outcomeText(std::ostream& out, const systems::System& system, const systems::SystemOutcome& outcome) {
    const Money chip = outcome.chipValue;
    const auto asMoney = [chip](double chips) { return money(chips, chip); };
    heading(out, system);
    if (outcome.method == Method::Exact)
        out << "Answered exactly.\n";
    else
        out << "Answered by Monte Carlo: " << outcome.sessions << " sessions from seed " << outcome.seed
            << "; the ranges are 95% intervals.\n";

    out << "\nHow the sessions end\n";
    for (int e = 0; e < systems::kEndReasons; ++e) {
        const auto end = static_cast<EndReason>(e);
        std::string caption = endWords(end, system.rules.spins);
        caption[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[0])));
        row(out, caption, withRange(outcome.end(end), percentColumn));
    }
    row(out, "Ended ahead of the bankroll", withRange(outcome.ahead, percentColumn));

    out << "\nMoney\n";
    row(out, "Result", resultWords(outcome.meanNetChips.value, chip));
    row(out, "Mean net result", withRange(outcome.meanNetChips, asMoney));
    row(out, "Mean bankroll at the end", withRange(outcome.meanEndChips, asMoney));
    row(out, "Mean total staked", withRange(outcome.meanTotalStakedChips, asMoney));
    row(out, "Loss per dollar staked", withRange(outcome.lossPerChipStaked, percent));
    row(out, "Mean spins played", withRange(outcome.meanSpinsPlayed, [](double x) { return decimal(x, 1); }));

    out << "\nAlong the way (Monte Carlo, " << outcome.sessions << " sessions from seed " << outcome.seed << ")\n";
    row(out, "Mean largest drawdown", withRange(outcome.meanLargestDrawdown, asMoney));
    row(out, "Mean longest losing streak",
        withRange(outcome.meanLongestLosingStreak, [](double x) { return decimal(x, 2) + " spins"; }));
    row(out, "Largest stake on one spin, any session",
        std::to_string(outcome.largestStake) + " chips (" + money(static_cast<double>(outcome.largestStake), chip) +
            ")");
    row(out, "Mean of each session's largest stake", withRange(outcome.meanLargestStake, asMoney));
    row(out, "Sessions a table limit held back", withRange(outcome.limitStopped, percent));
    // The sessions the bankroll stopped are the ones that could not cover
    // the next stake, shown with how the sessions end.

    out << "\nChance of still playing\n";
    const std::size_t spins = outcome.stillPlaying.size();
    for (std::size_t quarter = 1; quarter <= 4 && spins > 0; ++quarter) {
        const std::size_t spin = std::max<std::size_t>(1, spins * quarter / 4);
        row(out, "at spin " + std::to_string(spin), percentColumn(outcome.stillPlaying[spin - 1]));
    }
}

void backtestText(std::ostream& out, const systems::System& system, const systems::Backtest& backtest) {
    const systems::RecordedSession& session = backtest.session;
    const Money chip = unitRow(system.rules.unit).chipValue;
    heading(out, system);
    out << "\n spin  number  staked       net  bankroll  stakes (chips)\n";
    int number = 0;
    for (const systems::RecordedSpin& spin : session.spins) {
        char line[96];
        std::snprintf(line, sizeof line, "%5d  %6s  %6lld  %8lld  %8lld  ", ++number,
                      std::string(pocketText(spin.pocket)).c_str(), static_cast<long long>(spin.stakedChips),
                      static_cast<long long>(spin.netChips), static_cast<long long>(spin.bankrollChips));
        out << line;
        for (std::size_t i = 0; i < spin.stakes.size(); ++i)
            out << (i == 0 ? "" : ", ") << betSpot(spin.stakes[i].slot).name << ' ' << spin.stakes[i].chips;
        out << (spin.stakes.empty() ? "no bet\n" : "\n");
    }
    const std::int64_t endChips = session.spins.empty() ? session.startChips : session.spins.back().bankrollChips;
    const double net = static_cast<double>(endChips - session.startChips);
    const bool ranOut = session.end == systems::EndReason::SpinsDone &&
                        session.spins.size() < static_cast<std::size_t>(system.rules.spins);
    out << "\nThe session " << (ranOut ? "used up the recorded numbers" : endWords(session.end, system.rules.spins))
        << " after " << session.spins.size() << " spins and ended with " << money(static_cast<double>(endChips), chip)
        << ": "
        << (net < 0   ? "a loss of "
            : net > 0 ? "a win of "
                      : "even, ")
        << money(std::fabs(net), chip) << ".\n";
    if (session.limitStopped)
        out << "A table limit stopped a progression.\n";

    const FairnessReport& fair = backtest.fairness;
    out << "\nIs the wheel fair? " << fair.spins << " numbers, chi-square " << decimal(fair.chiSquare, 2) << " with "
        << fair.degreesOfFreedom << " degrees of freedom: a fair wheel gives a spread at least this uneven "
        << percent(fair.pValue) << " of the time.\n";
    for (const auto& [caption, pocket] : {std::pair{"Hottest", fair.hottest}, std::pair{"Coldest", fair.coldest}})
        out << caption << " number: " << pocketText(pocket.pocket) << ", " << pocket.observed << " hits against "
            << decimal(pocket.expected, 1) << " expected (z = " << decimal(pocket.z, 2) << ").\n";
}

void listText(std::ostream& out, const std::vector<ListedSystem>& systems) {
    for (const ListedSystem& listed : systems) {
        out << listed.entry.name << "\n    ";
        out << (listed.problem.empty() ? listed.description : "cannot be read: " + listed.problem) << "\n";
    }
}

} // namespace report
