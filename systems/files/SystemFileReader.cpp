#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <toml++/toml.h>
#include <type_traits>
#include <utility>

#include "layout/BetSpotCatalogue.h"
#include "systems/files/SystemFile.h"
#include "systems/files/SystemFileNames.h"
#include "systems/files/TextFile.h"

namespace systems::files {
namespace {

std::string_view typeName(const toml::node& node) {
    switch (node.type()) {
    case toml::node_type::table: return "a table";
    case toml::node_type::array: return "a list";
    case toml::node_type::string: return "a string";
    case toml::node_type::integer: return "a whole number";
    case toml::node_type::floating_point: return "a number with a fraction";
    case toml::node_type::boolean: return "true or false";
    case toml::node_type::date:
    case toml::node_type::time:
    case toml::node_type::date_time: return "a date or time";
    case toml::node_type::none: break;
    }
    return "nothing";
}

// "key" in quotes. Built by appending: GCC 12 warns falsely (-Wrestrict) about
// a literal added to a temporary string.
std::string quotedKey(std::string_view key) {
    std::string text = "\"";
    text += key;
    text += '"';
    return text;
}

template <typename T, std::size_t N>
std::string wordList(const std::array<Word<T>, N>& words) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += (i == 0 ? "\"" : i + 1 == N ? " or \"" : ", \"") + std::string(words[i].text) + "\"";
    return list;
}

template <std::size_t N>
std::string kindList(const std::array<std::string_view, N>& kinds) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i)
        list += (i == 0 ? "\"" : i + 1 == N ? " or \"" : ", \"") + std::string(kinds[i]) + "\"";
    return list;
}

// Makes the variant's alternative `index`, default-constructed.
template <typename Variant, std::size_t... I>
Variant alternative(std::size_t index, std::index_sequence<I...>) {
    Variant result;
    ((index == I ? (result = std::variant_alternative_t<I, Variant>{}, 0) : 0), ...);
    return result;
}
template <typename Variant>
Variant alternative(std::size_t index) {
    return alternative<Variant>(index, std::make_index_sequence<std::variant_size_v<Variant>>{});
}

class Reader {
public:
    explicit Reader(std::string_view source) : source_(source) {}

    [[noreturn]] void fail(const toml::source_region& where, const std::string& what) const {
        throw FileProblem(source_ + ":" + std::to_string(where.begin.line) + ":" + std::to_string(where.begin.column) +
                          ": " + what);
    }

    // Every key of the table must be one of `allowed`.
    void onlyKeys(const toml::table& table, std::initializer_list<std::string_view> allowed,
                  std::string_view within) const {
        for (auto&& [key, value] : table) {
            bool known = false;
            for (std::string_view name : allowed)
                known = known || key.str() == name;
            if (known)
                continue;
            std::string list;
            for (std::string_view name : allowed)
                list += (list.empty() ? "" : ", ") + std::string(name);
            fail(key.source(), "unknown key \"" + std::string(key.str()) + "\" in " + std::string(within) +
                                   "; expected one of " + list);
        }
    }

    const toml::node& required(const toml::table& table, std::string_view key, std::string_view within) const {
        const toml::node* node = table.get(key);
        if (!node)
            fail(table.source(), std::string(within) + " has no \"" + std::string(key) + "\"");
        return *node;
    }

    [[noreturn]] void wrongType(const toml::node& node, std::string_view key, std::string_view expected) const {
        fail(node.source(),
             quotedKey(key) + " expected " + std::string(expected) + ", found " + std::string(typeName(node)));
    }

    const toml::table& table(const toml::node& node, std::string_view key) const {
        if (!node.is_table())
            wrongType(node, key, "a table");
        return *node.as_table();
    }

    const toml::array& array(const toml::node& node, std::string_view key, std::size_t longest) const {
        if (!node.is_array())
            wrongType(node, key, "a list");
        const toml::array& list = *node.as_array();
        if (list.empty() || list.size() > longest)
            fail(node.source(), quotedKey(key) + " expected a list of 1 to " + std::to_string(longest) +
                                    " entries, found " + std::to_string(list.size()));
        return list;
    }

    std::string string(const toml::node& node, std::string_view key) const {
        if (!node.is_string())
            wrongType(node, key, "a string");
        return node.as_string()->get();
    }

    bool boolean(const toml::node& node, std::string_view key) const {
        if (!node.is_boolean())
            wrongType(node, key, "true or false");
        return node.as_boolean()->get();
    }

    std::int64_t integer(const toml::node& node, std::string_view key, std::int64_t least, std::int64_t most) const {
        if (!node.is_integer())
            wrongType(node, key, "a whole number from " + std::to_string(least) + " to " + std::to_string(most));
        const std::int64_t value = node.as_integer()->get();
        if (value < least || value > most)
            fail(node.source(), quotedKey(key) + " expected a whole number from " + std::to_string(least) + " to " +
                                    std::to_string(most) + ", found " + std::to_string(value));
        return value;
    }

    // An amount of dollars, a whole multiple of 25 cents from least to most.
    Money money(const toml::node& node, std::string_view key, Money least, Money most) const {
        const std::string range =
            "an amount in dollars, a multiple of 0.25 from " + least.toPlainString() + " to " + most.toPlainString();
        double dollars = 0;
        if (node.is_integer())
            dollars = static_cast<double>(node.as_integer()->get());
        else if (node.is_floating_point())
            dollars = node.as_floating_point()->get();
        else
            wrongType(node, key, range);
        // Quarters below 2^53 are exact in a double, and the range is far below.
        const double quarters = dollars * 4;
        const bool inRange = std::isfinite(quarters) &&
                             quarters >= static_cast<double>(least.tenThousandths() / 2500) &&
                             quarters <= static_cast<double>(most.tenThousandths() / 2500);
        if (!inRange || quarters != std::floor(quarters)) {
            std::ostringstream found;
            if (node.is_integer())
                found << node.as_integer()->get();
            else
                found << dollars;
            fail(node.source(), quotedKey(key) + " expected " + range + ", found " + found.str());
        }
        return Money::fromCents(static_cast<std::int64_t>(quarters) * 25);
    }

    template <typename T, std::size_t N>
    T word(const toml::node& node, std::string_view key, const std::array<Word<T>, N>& words) const {
        const std::string text = string(node, key);
        if (auto value = valueOf(words, text))
            return *value;
        fail(node.source(), quotedKey(key) + " expected " + wordList(words) + ", found \"" + text + "\"");
    }

    template <std::size_t N>
    std::size_t kind(const toml::node& node, std::string_view key, const std::array<std::string_view, N>& kinds) const {
        const std::string text = string(node, key);
        for (std::size_t i = 0; i < N; ++i)
            if (kinds[i] == text)
                return i;
        fail(node.source(), quotedKey(key) + " expected " + kindList(kinds) + ", found \"" + text + "\"");
    }

    std::vector<std::int64_t> units(const toml::node& node, std::string_view key) const {
        std::vector<std::int64_t> numbers;
        for (const toml::node& entry : array(node, key, kMaxListLength))
            numbers.push_back(integer(entry, key, 1, kMaxUnits));
        return numbers;
    }

    Move move(const toml::node& node, std::string_view key) const {
        // "next", "start", "stay", "back" or "back N".
        const std::string text = string(node, key);
        const std::string expected =
            "\"next\", \"start\", \"stay\", \"back\" or \"back N\" (N from 1 to " + std::to_string(kMaxCount) + ")";
        if (auto kind = valueOf(kMoveWords, text))
            return Move{*kind, 1};
        if (text.starts_with("back ")) {
            const std::string digits = text.substr(5);
            if (!digits.empty() && digits.size() <= 6 && digits.find_first_not_of("0123456789") == std::string::npos) {
                const int by = std::stoi(digits);
                if (by >= 1 && by <= kMaxCount)
                    return Move{MoveKind::Back, by};
            }
        }
        fail(node.source(), quotedKey(key) + " expected " + expected + ", found \"" + text + "\"");
    }

    SpotChips spot(const toml::node& node, Wheel wheel) const {
        const toml::table& entry = table(node, "spots");
        onlyKeys(entry, {"spot", "chips"}, "a spot");
        const toml::node& name = required(entry, "spot", "the spot");
        SpotChips spot{string(name, "spot"), 1};
        const auto slot = slotOfName(spot.spot);
        if (!slot)
            fail(name.source(), "\"spot\" expected the name of a bet spot of the table, such as \"lblRed\" or "
                                "\"lblOneSixSixLine\", found \"" +
                                    spot.spot + "\"");
        if (!betSpot(*slot).takesChipsOn(wheel))
            fail(name.source(), "the spot " + spot.spot + " is not on the " +
                                    (wheel == Wheel::European ? "European" : "American") + " wheel");
        if (const toml::node* chips = entry.get("chips"))
            spot.chips = integer(*chips, "chips", 1, kMaxChipsPerSpot);
        return spot;
    }

    Selection selection(const toml::node& node, Wheel wheel) const {
        const toml::table& t = table(node, "select");
        const std::size_t index = kind(required(t, "kind", "the selection"), "kind", kSelectionKinds);
        Selection result = alternative<Selection>(index);
        std::visit(
            [&](auto& s) {
                using S = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<S, FixedSpots>) {
                    onlyKeys(t, {"kind", "spots"}, "a selection of spots");
                    for (const toml::node& entry :
                         array(required(t, "spots", "the selection"), "spots", kMaxListLength))
                        s.spots.push_back(spot(entry, wheel));
                } else if constexpr (std::is_same_v<S, LastCame>) {
                    onlyKeys(t, {"kind", "group", "side"}, "a selection of what came last");
                    s.group = word(required(t, "group", "the selection"), "group", kGroupWords);
                    if (const toml::node* side = t.get("side"))
                        s.side = word(*side, "side", kSideWords);
                } else if constexpr (std::is_same_v<S, Sleepers>) {
                    onlyKeys(t, {"kind", "group", "absent_at_least", "longest_only"}, "a selection of sleepers");
                    const toml::node& group = required(t, "group", "the selection");
                    s.group = word(group, "group", kGroupWords);
                    if (s.group != OutsideGroup::Dozen && s.group != OutsideGroup::Column)
                        fail(group.source(), "\"group\" of sleepers expected \"dozen\" or \"column\", found \"" +
                                                 std::string(wordFor(kGroupWords, s.group)) + "\"");
                    if (const toml::node* absent = t.get("absent_at_least"))
                        s.absentAtLeast = static_cast<std::int32_t>(integer(*absent, "absent_at_least", 0, kMaxCount));
                    if (const toml::node* longest = t.get("longest_only"))
                        s.longestOnly = boolean(*longest, "longest_only");
                } else if constexpr (std::is_same_v<S, Pattern>) {
                    onlyKeys(t, {"kind", "bets"}, "a pattern");
                    for (const toml::node& entry : array(required(t, "bets", "the pattern"), "bets", kMaxListLength))
                        s.bets.push_back(word(entry, "bets", kOutsideBetWords));
                } else if constexpr (std::is_same_v<S, AfterMisses>) {
                    onlyKeys(t, {"kind", "bet", "misses"}, "a selection after misses");
                    s.bet = word(required(t, "bet", "the selection"), "bet", kOutsideBetWords);
                    s.misses = static_cast<std::int32_t>(
                        integer(required(t, "misses", "the selection"), "misses", 1, kMaxCount));
                }
            },
            result);
        return result;
    }

    MoneyManagement money(const toml::node& node) const {
        // A bare kind stands for that money management with its usual numbers.
        if (node.is_string())
            return alternative<MoneyManagement>(kind(node, "money", kMoneyKinds));
        const toml::table& t = table(node, "money");
        const std::size_t index = kind(required(t, "kind", "the money management"), "kind", kMoneyKinds);
        MoneyManagement result = alternative<MoneyManagement>(index);
        std::visit(
            [&](auto& m) {
                using M = std::decay_t<decltype(m)>;
                if constexpr (std::is_same_v<M, Paroli>) {
                    onlyKeys(t, {"kind", "wins"}, "a Paroli");
                    if (const toml::node* wins = t.get("wins"))
                        m.wins = static_cast<std::int32_t>(integer(*wins, "wins", 1, kMaxCount));
                } else if constexpr (std::is_same_v<M, Labouchere>) {
                    onlyKeys(t, {"kind", "line"}, "a Labouchere");
                    if (const toml::node* line = t.get("line"))
                        m.line = units(*line, "line");
                } else if constexpr (std::is_same_v<M, ReverseLabouchere>) {
                    onlyKeys(t, {"kind", "line", "restart_at_length"}, "a reverse Labouchere");
                    if (const toml::node* line = t.get("line"))
                        m.line = units(*line, "line");
                    if (const toml::node* length = t.get("restart_at_length")) {
                        m.restartAtLength =
                            static_cast<std::int32_t>(integer(*length, "restart_at_length", 0, kMaxListLength));
                        if (m.restartAtLength != 0 && m.restartAtLength <= static_cast<std::int32_t>(m.line.size()))
                            fail(length->source(), "\"restart_at_length\" expected 0 (never) or more than the line's " +
                                                       std::to_string(m.line.size()) + " numbers, found " +
                                                       std::to_string(m.restartAtLength));
                    }
                } else if constexpr (std::is_same_v<M, StakeList>) {
                    onlyKeys(t, {"kind", "stakes", "on_win", "on_loss"}, "a list of stakes");
                    m.stakes = units(required(t, "stakes", "the list of stakes"), "stakes");
                    if (const toml::node* win = t.get("on_win"))
                        m.onWin = move(*win, "on_win");
                    if (const toml::node* loss = t.get("on_loss"))
                        m.onLoss = move(*loss, "on_loss");
                } else {
                    onlyKeys(t, {"kind"}, "this money management");
                }
            },
            result);
        return result;
    }

    Bet bet(const toml::node& node, Wheel wheel) const {
        const toml::table& t = table(node, "bet");
        onlyKeys(t, {"select", "money", "chips", "at_cap"}, "a bet");
        Bet bet{selection(required(t, "select", "the bet"), wheel), Flat{}, 1, AtCap::Stay};
        if (const toml::node* money = t.get("money"))
            bet.money = this->money(*money);
        if (const toml::node* chips = t.get("chips"))
            bet.chips = integer(*chips, "chips", 1, kMaxChipsPerSpot);
        if (const toml::node* atCap = t.get("at_cap"))
            bet.atCap = word(*atCap, "at_cap", kAtCapWords);
        return bet;
    }

    void session(const toml::node& node, SystemRules& rules) const {
        const toml::table& t = table(node, "session");
        onlyKeys(t, {"bankroll", "spins", "stop_loss", "target", "stop_after_win", "stop_at_series_end"}, "[session]");
        const Money chip = unitRow(rules.unit).chipValue;
        const Money largest = chip * kMaxBankrollChips;
        if (const toml::node* bankroll = t.get("bankroll"))
            rules.bankroll = money(*bankroll, "bankroll", chip, largest);
        if (const toml::node* spins = t.get("spins"))
            rules.spins = static_cast<std::int32_t>(integer(*spins, "spins", 1, kMaxSpins));
        if (const toml::node* stopLoss = t.get("stop_loss"))
            rules.stopLoss = money(*stopLoss, "stop_loss", Money{}, rules.bankroll - Money::fromCents(25));
        if (const toml::node* target = t.get("target"))
            rules.target = money(*target, "target", rules.bankroll + Money::fromCents(25), largest);
        if (const toml::node* stop = t.get("stop_after_win"))
            rules.stopAfterWin = boolean(*stop, "stop_after_win");
        if (const toml::node* stop = t.get("stop_at_series_end"))
            rules.stopAtSeriesEnd = boolean(*stop, "stop_at_series_end");
    }

    BettingUnit unit(const toml::node& node) const {
        const Money amount = money(node, "unit", Money::fromCents(25), Money::fromDollars(10));
        for (const BettingUnitRow& row : kBettingUnits)
            if (row.chipValue == amount)
                return row.unit;
        fail(node.source(),
             "\"unit\" expected 0.25, 0.5, 1, 5 or 10 (dollars a chip), found " + amount.toPlainString());
    }

    System system(const toml::table& top, std::string_view defaultName) const {
        onlyKeys(top, {"name", "description", "wheel", "unit", "table_minimums", "session", "bet"}, "a system");
        System system;
        system.name = defaultName;
        if (const toml::node* name = top.get("name"))
            system.name = string(*name, "name");
        if (const toml::node* description = top.get("description"))
            system.description = string(*description, "description");
        if (const toml::node* wheel = top.get("wheel"))
            system.rules.wheel = word(*wheel, "wheel", kWheelWords);
        if (const toml::node* unit = top.get("unit"))
            system.rules.unit = this->unit(*unit);
        if (const toml::node* minimums = top.get("table_minimums"))
            system.rules.tableMinimums = boolean(*minimums, "table_minimums");
        if (const toml::node* session = top.get("session"))
            this->session(*session, system.rules);
        const toml::node* bets = top.get("bet");
        if (!bets)
            fail(top.source(), "the system has no [[bet]]; expected at least one");
        for (const toml::node& entry : array(*bets, "bet", kMaxBets))
            system.bets.push_back(bet(entry, system.rules.wheel));
        // Everything the model itself refuses has been caught above with its
        // place in the file; this keeps the two from drifting apart.
        if (auto problem = problemWith(system))
            fail(top.source(), *problem);
        return system;
    }

private:
    std::string source_;
};

// The TOML parser of Debian 12 (toml++ 3.3) reaches code it marks as
// unreachable when it asks whether some non-ASCII characters are whitespace,
// which in a release build is undefined behaviour. This mirrors its test and
// is true for exactly those characters, so they can be refused beforehand.
bool tripsTheParser(char32_t c) {
    if (c < 0xA0 || c > 0xFEFF)
        return false;
    const auto block = (c - 0xA0) / 0x3FA;
    if (((std::uint64_t{1} << block) & 0x7FFFFFFFFFFFF75Eull) != 0 || c == 0xA0 || c == 0x3000 || c == 0xFEFF)
        return false;
    return block != 5 && block != 7;
}

// Refuses the first such character, with its place. Malformed UTF-8 is left
// to the parser, which refuses it.
void refuseCharactersTheParserTripsOn(std::string_view text, const Reader& reader) {
    toml::source_position at{1, 1};
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (length > 1 && tripsTheParser(c)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            toml::source_region where;
            where.begin = where.end = at;
            reader.fail(where, std::string("a system file cannot hold the character ") + code +
                                   "; in a string write it as \\u" + (code + 2));
        }
        if (lead == '\n') {
            ++at.line;
            at.column = 1;
        } else {
            ++at.column;
        }
        i += length;
    }
}

} // namespace

System parseSystem(std::string_view text, std::string_view source, std::string_view defaultName) {
    const Reader reader(source);
    refuseCharactersTheParserTripsOn(text, reader);
    toml::table top;
    try {
        top = toml::parse(text, source);
    } catch (const toml::parse_error& error) {
        reader.fail(error.source(), std::string(error.description()));
    }
    return reader.system(top, defaultName);
}

System readSystemFile(const std::filesystem::path& path) {
    return parseSystem(readTextFile(path, kMaxSystemFileBytes), path.string(), path.stem().string());
}

} // namespace systems::files
