#include <cstdio>
#include <string>
#include <type_traits>

#include "systems/files/SystemFile.h"
#include "systems/files/SystemFileNames.h"

namespace systems::files {
namespace {

// A TOML basic string: quotes, backslashes and control characters escaped.
std::string tomlString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

template <typename T>
std::string numbers(const std::vector<T>& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i)
        out += (i == 0 ? "" : ", ") + std::to_string(list[i]);
    return out + "]";
}

std::string move(const Move& move) {
    std::string word(wordFor(kMoveWords, move.kind));
    if (move.kind == MoveKind::Back && move.by != 1)
        word.append(1, ' ').append(std::to_string(move.by));
    return tomlString(word);
}

std::string selection(const Selection& selection) {
    std::string out = "[bet.select]\nkind = " + tomlString(kSelectionKinds[selection.index()]) + "\n";
    std::visit(
        [&out](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, FixedSpots>) {
                out += "spots = [\n";
                for (const SpotChips& spot : s.spots)
                    out +=
                        "    { spot = " + tomlString(spot.spot) + ", chips = " + std::to_string(spot.chips) + " },\n";
                out += "]\n";
            } else if constexpr (std::is_same_v<S, LastCame>) {
                out += "group = " + tomlString(wordFor(kGroupWords, s.group)) + "\n";
                out += "side = " + tomlString(wordFor(kSideWords, s.side)) + "\n";
            } else if constexpr (std::is_same_v<S, Sleepers>) {
                out += "group = " + tomlString(wordFor(kGroupWords, s.group)) + "\n";
                out += "absent_at_least = " + std::to_string(s.absentAtLeast) + "\n";
                out += std::string("longest_only = ") + (s.longestOnly ? "true" : "false") + "\n";
            } else if constexpr (std::is_same_v<S, Pattern>) {
                out += "bets = [";
                for (std::size_t i = 0; i < s.bets.size(); ++i)
                    out += (i == 0 ? "" : ", ") + tomlString(wordFor(kOutsideBetWords, s.bets[i]));
                out += "]\n";
            } else if constexpr (std::is_same_v<S, AfterMisses>) {
                out += "bet = " + tomlString(wordFor(kOutsideBetWords, s.bet)) + "\n";
                out += "misses = " + std::to_string(s.misses) + "\n";
            }
        },
        selection);
    return out;
}

std::string money(const MoneyManagement& money) {
    const std::string kind = tomlString(kMoneyKinds[money.index()]);
    std::string body;
    std::visit(
        [&body](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, Paroli>) {
                body += "wins = " + std::to_string(m.wins) + "\n";
            } else if constexpr (std::is_same_v<M, Labouchere>) {
                body += "line = " + numbers(m.line) + "\n";
            } else if constexpr (std::is_same_v<M, ReverseLabouchere>) {
                body += "line = " + numbers(m.line) + "\n";
                body += "restart_at_length = " + std::to_string(m.restartAtLength) + "\n";
            } else if constexpr (std::is_same_v<M, StakeList>) {
                body += "stakes = " + numbers(m.stakes) + "\n";
                body += "on_win = " + move(m.onWin) + "\n";
                body += "on_loss = " + move(m.onLoss) + "\n";
            }
        },
        money);
    if (body.empty())
        return "money = " + kind + "\n";
    return "\n[bet.money]\nkind = " + kind + "\n" + body;
}

} // namespace

std::string writeSystem(const System& system) {
    const SystemRules& rules = system.rules;
    std::string out;
    out += "name = " + tomlString(system.name) + "\n";
    out += "description = " + tomlString(system.description) + "\n";
    out += "wheel = " + tomlString(wordFor(kWheelWords, rules.wheel)) + "\n";
    out += "unit = " + unitRow(rules.unit).chipValue.toPlainString() + "\n";
    out += std::string("table_minimums = ") + (rules.tableMinimums ? "true" : "false") + "\n";

    out += "\n[session]\n";
    out += "bankroll = " + rules.bankroll.toPlainString() + "\n";
    out += "spins = " + std::to_string(rules.spins) + "\n";
    if (rules.stopLoss)
        out += "stop_loss = " + rules.stopLoss->toPlainString() + "\n";
    if (rules.target)
        out += "target = " + rules.target->toPlainString() + "\n";
    out += std::string("stop_after_win = ") + (rules.stopAfterWin ? "true" : "false") + "\n";
    out += std::string("stop_at_series_end = ") + (rules.stopAtSeriesEnd ? "true" : "false") + "\n";

    for (const Bet& bet : system.bets) {
        out += "\n[[bet]]\n";
        out += "chips = " + std::to_string(bet.chips) + "\n";
        out += "at_cap = " + tomlString(wordFor(kAtCapWords, bet.atCap)) + "\n";
        const std::string moneyText = money(bet.money);
        // A bare kind belongs to the bet's own table, before its sub-tables.
        if (!moneyText.starts_with("\n"))
            out += moneyText;
        out += "\n" + selection(bet.selection);
        if (moneyText.starts_with("\n"))
            out += moneyText;
    }
    return out;
}

} // namespace systems::files
