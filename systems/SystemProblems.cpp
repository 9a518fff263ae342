#include <string>
#include <type_traits>

#include "layout/BetSpotCatalogue.h"
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
