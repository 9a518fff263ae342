#include <array>
#include <bitset>
#include <string>
#include <type_traits>

#include "layout/BetSpotCatalogue.h"
#include "systems/OutsideBets.h"
#include "systems/System.h"

namespace systems {
namespace {

using Problem = std::optional<std::string>;

std::string count(std::int64_t n) { return std::to_string(n); }

Problem listProblem(const char* what, std::size_t length) {
    if (length == 0)
        return std::string("The ") + what + " is empty.";
    if (length > kMaxListLength)
        return std::string("The ") + what + " has " + count(static_cast<std::int64_t>(length)) + " entries; at most " +
               count(kMaxListLength) + " are allowed.";
    return std::nullopt;
}

Problem unitsProblem(const char* what, const std::vector<std::int64_t>& numbers) {
    if (auto problem = listProblem(what, numbers.size()))
        return problem;
    for (std::int64_t n : numbers)
        if (n < 1 || n > kMaxUnits)
            return std::string("Every number of the ") + what + " must be from 1 to " + count(kMaxUnits) + "; " +
                   count(n) + " is not.";
    return std::nullopt;
}

Problem countProblem(const char* what, std::int64_t n, std::int64_t least) {
    if (n < least || n > kMaxCount)
        return std::string("The ") + what + " must be from " + count(least) + " to " + count(kMaxCount) + "; " +
               count(n) + " is not.";
    return std::nullopt;
}

bool dividedAmongst(OutsideGroup group) { return group == OutsideGroup::Dozen || group == OutsideGroup::Column; }

Problem selectionProblem(const Selection& selection, Wheel wheel) {
    return std::visit(
        [wheel](const auto& s) -> Problem {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, FixedSpots>) {
                if (auto problem = listProblem("list of spots", s.spots.size()))
                    return problem;
                for (const SpotChips& spot : s.spots) {
                    const auto slot = slotOfName(spot.spot);
                    if (!slot)
                        return "There is no bet spot called \"" + spot.spot + "\".";
                    if (!betSpot(*slot).takesChipsOn(wheel))
                        return "The spot " + spot.spot + " is not on the " +
                               (wheel == Wheel::European ? "European" : "American") + " wheel.";
                    if (spot.chips < 1 || spot.chips > kMaxChipsPerSpot)
                        return "The chips on " + spot.spot + " must be from 1 to " + count(kMaxChipsPerSpot) + "; " +
                               count(spot.chips) + " is not.";
                }
            } else if constexpr (std::is_same_v<S, Sleepers>) {
                if (!dividedAmongst(s.group))
                    return std::string("Sleepers are dozens or columns.");
                return countProblem("number of spins a sleeper is absent", s.absentAtLeast, 0);
            } else if constexpr (std::is_same_v<S, Pattern>) {
                return listProblem("pattern", s.bets.size());
            } else if constexpr (std::is_same_v<S, AfterMisses>) {
                return countProblem("number of misses before betting", s.misses, 1);
            }
            return std::nullopt;
        },
        selection);
}

Problem moneyProblem(const MoneyManagement& money) {
    return std::visit(
        [](const auto& m) -> Problem {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, Paroli>) {
                return countProblem("number of wins of a Paroli", m.wins, 1);
            } else if constexpr (std::is_same_v<M, Labouchere>) {
                return unitsProblem("Labouchere line", m.line);
            } else if constexpr (std::is_same_v<M, ReverseLabouchere>) {
                if (auto problem = unitsProblem("reverse Labouchere line", m.line))
                    return problem;
                if (m.restartAtLength != 0 && (m.restartAtLength <= static_cast<std::int32_t>(m.line.size()) ||
                                               m.restartAtLength > static_cast<std::int32_t>(kMaxListLength)))
                    return "The length at which the reverse Labouchere line starts again must be longer than the "
                           "line and at most " +
                           count(kMaxListLength) + ", or 0 for none.";
            } else if constexpr (std::is_same_v<M, StakeList>) {
                if (auto problem = unitsProblem("list of stakes", m.stakes))
                    return problem;
                for (const Move& move : {m.onWin, m.onLoss})
                    if (move.kind == MoveKind::Back)
                        if (auto problem = countProblem("number of stakes to go back", move.by, 1))
                            return problem;
            }
            return std::nullopt;
        },
        money);
}

// The spots a bet may ever stake, by slot.
std::bitset<kSpotCount> spotsOf(const Selection& selection) {
    std::bitset<kSpotCount> spots;
    auto group = [&](OutsideGroup g) {
        using O = OutsideBet;
        switch (g) {
        case OutsideGroup::Colour: spots.set(slotOf(O::Red)).set(slotOf(O::Black)); return;
        case OutsideGroup::Parity: spots.set(slotOf(O::Even)).set(slotOf(O::Odd)); return;
        case OutsideGroup::HighLow: spots.set(slotOf(O::Low)).set(slotOf(O::High)); return;
        case OutsideGroup::Dozen:
            spots.set(slotOf(O::FirstDozen)).set(slotOf(O::SecondDozen)).set(slotOf(O::ThirdDozen));
            return;
        case OutsideGroup::Column:
            spots.set(slotOf(O::FirstColumn)).set(slotOf(O::SecondColumn)).set(slotOf(O::ThirdColumn));
            return;
        }
    };
    std::visit(
        [&](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, FixedSpots>) {
                for (const SpotChips& spot : s.spots)
                    spots.set(static_cast<std::size_t>(slotOfName(spot.spot).value_or(0)));
            } else if constexpr (std::is_same_v<S, LastCame> || std::is_same_v<S, Sleepers>) {
                group(s.group);
            } else if constexpr (std::is_same_v<S, Pattern>) {
                for (OutsideBet bet : s.bets)
                    spots.set(static_cast<std::size_t>(slotOf(bet)));
            } else {
                spots.set(static_cast<std::size_t>(slotOf(s.bet)));
            }
        },
        selection);
    return spots;
}

// The table holds one stake a spot, capped at its limit: two bets that could
// stake the same spot on one spin would share that limit, so a system keeps
// its bets on spots of their own.
Problem sharedSpotProblem(const std::vector<Bet>& bets) {
    for (const Bet& bet : bets)
        if (const auto* fixed = std::get_if<FixedSpots>(&bet.selection))
            for (std::size_t i = 0; i < fixed->spots.size(); ++i)
                for (std::size_t j = i + 1; j < fixed->spots.size(); ++j)
                    if (fixed->spots[i].spot == fixed->spots[j].spot)
                        return "The spot " + fixed->spots[i].spot +
                               " is listed twice in one bet; give it its chips once.";
    for (std::size_t i = 0; i < bets.size(); ++i)
        for (std::size_t j = i + 1; j < bets.size(); ++j) {
            const auto shared = spotsOf(bets[i].selection) & spotsOf(bets[j].selection);
            for (int slot = 0; slot < kSpotCount; ++slot)
                if (shared.test(static_cast<std::size_t>(slot)))
                    return "Bets " + count(static_cast<std::int64_t>(i + 1)) + " and " +
                           count(static_cast<std::int64_t>(j + 1)) + " can both stake " +
                           std::string(betSpot(slot).name) +
                           " on one spin; the table holds one stake a spot, so each bet needs spots of its own.";
        }
    return std::nullopt;
}

} // namespace

std::optional<std::string> problemWith(const System& system) {
    if (system.bets.empty())
        return "The system has no bets.";
    if (system.bets.size() > kMaxBets)
        return "The system has " + count(static_cast<std::int64_t>(system.bets.size())) + " bets; at most " +
               count(kMaxBets) + " are allowed.";
    for (const Bet& bet : system.bets) {
        if (auto problem = selectionProblem(bet.selection, system.rules.wheel))
            return problem;
        if (auto problem = moneyProblem(bet.money))
            return problem;
        if (bet.chips < 1 || bet.chips > kMaxChipsPerSpot)
            return "The chips of a bet must be from 1 to " + count(kMaxChipsPerSpot) + "; " + count(bet.chips) +
                   " is not.";
    }

    if (auto problem = sharedSpotProblem(system.bets))
        return problem;

    const SystemRules& rules = system.rules;
    if (static_cast<unsigned>(rules.unit) >= kBettingUnits.size())
        return std::string("The betting unit is not one the table has.");
    if (rules.wheel != Wheel::European && rules.wheel != Wheel::American)
        return std::string("The wheel must be European or American.");
    if (rules.spins < 1 || rules.spins > kMaxSpins)
        return "The spins per session must be from 1 to " + count(kMaxSpins) + "; " + count(rules.spins) + " is not.";
    const Money chip = unitRow(rules.unit).chipValue;
    const Money largest = chip * kMaxBankrollChips;
    if (rules.bankroll < chip || rules.bankroll > largest)
        return "The bankroll must be from " + formatCurrencyUs(chip) + " to " + formatCurrencyUs(largest) + ".";
    if (rules.stopLoss && (*rules.stopLoss < Money{} || *rules.stopLoss >= rules.bankroll))
        return "The stop-loss must be from $0.00 to below the bankroll of " + formatCurrencyUs(rules.bankroll) + ".";
    if (rules.target && (*rules.target <= rules.bankroll || *rules.target > largest))
        return "The target must be above the bankroll of " + formatCurrencyUs(rules.bankroll) + " and at most " +
               formatCurrencyUs(largest) + ".";
    return std::nullopt;
}

} // namespace systems
