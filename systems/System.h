#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/Money.h"
#include "game/Pocket.h"
#include "layout/BettingUnit.h"

// A betting system that reacts to the spins, as a plain value: what each bet
// covers (fixed spots or a choice made from the spins so far), how much it
// stakes (a money management counted in units), and when a session stops.
// Everything here is data a file reader can fill and compare with ==; the
// rules that give it meaning live in SystemPlayer.
namespace systems {

// The twelve outside bets.
enum class OutsideBet : std::uint8_t {
    Red,
    Black,
    Even,
    Odd,
    Low,
    High,
    FirstDozen,
    SecondDozen,
    ThirdDozen,
    FirstColumn,
    SecondColumn,
    ThirdColumn,
};

// The outside bets that share out the numbers 1 to 36 between them: two
// colours, parities or halves, three dozens or columns.
enum class OutsideGroup : std::uint8_t { Colour, Parity, HighLow, Dozen, Column };

// ---- What a bet covers ----------------------------------------------------
// Zero and double zero are a miss for every outside bet and are never chosen.

// One spot by its control name as the table names it ("lblRed", "lblOneSixSixLine").
struct SpotChips {
    std::string spot;
    std::int64_t chips = 1; // per unit of the money management
    friend bool operator==(const SpotChips&, const SpotChips&) = default;
};

// The same spots every spin: the layout on the table.
struct FixedSpots {
    std::vector<SpotChips> spots;
    friend bool operator==(const FixedSpots&, const FixedSpots&) = default;
};

enum class Side : std::uint8_t { Follow, Against };

// The member of `group` that came on the last spin that was not a zero
// (Follow), or the other members of the group (Against: the other colour, or
// the two dozens that did not come). No bet until a number 1 to 36 has come.
struct LastCame {
    OutsideGroup group = OutsideGroup::Colour;
    Side side = Side::Follow;
    friend bool operator==(const LastCame&, const LastCame&) = default;
};

// Sleepers: the dozens (or columns) that have not come for at least
// `absentAtLeast` spins, or only the one absent longest of those (ties go to
// the first). Absence counts spins since the member last came, from the
// start of the session.
struct Sleepers {
    OutsideGroup group = OutsideGroup::Dozen; // Dozen or Column
    std::int32_t absentAtLeast = 0;
    bool longestOnly = true;
    friend bool operator==(const Sleepers&, const Sleepers&) = default;
};

// A repeating pattern: spin n of the session bets pattern[n mod length].
struct Pattern {
    std::vector<OutsideBet> bets;
    friend bool operator==(const Pattern&, const Pattern&) = default;
};

// A trigger: bet `bet` only while it has missed at least `misses` spins in a
// row (so it starts after that many misses and stops when it comes).
struct AfterMisses {
    OutsideBet bet = OutsideBet::Red;
    std::int32_t misses = 1;
    friend bool operator==(const AfterMisses&, const AfterMisses&) = default;
};

using Selection = std::variant<FixedSpots, LastCame, Sleepers, Pattern, AfterMisses>;

// ---- How much a bet stakes, in units ----------------------------------------
// A spin is lost when the bet's own net result is below zero, won otherwise;
// a spin without a bet leaves the money management where it was. A series
// ends when the money management is back at its start after a bet.

struct Flat {
    friend bool operator==(const Flat&, const Flat&) = default;
};
// Double after a loss, back to one unit after a win.
struct Martingale {
    friend bool operator==(const Martingale&, const Martingale&) = default;
};
// Double after a win, back to one unit after a loss.
struct ReverseMartingale {
    friend bool operator==(const ReverseMartingale&, const ReverseMartingale&) = default;
};
// One unit more after a loss, one less after a win (never below one).
struct DAlembert {
    friend bool operator==(const DAlembert&, const DAlembert&) = default;
};
// Along 1, 1, 2, 3, 5, ...: one step up after a loss, two back after a win.
struct Fibonacci {
    friend bool operator==(const Fibonacci&, const Fibonacci&) = default;
};
// Double after a win; after `wins` wins in a row, or a loss, back to one.
struct Paroli {
    std::int32_t wins = 3;
    friend bool operator==(const Paroli&, const Paroli&) = default;
};
// Stake the first plus the last number of the line (the only one when one
// is left); a win crosses both off, a loss appends the stake. The series ends
// when the line is empty, and starts again from `line`.
struct Labouchere {
    std::vector<std::int64_t> line{1, 2, 3, 4};
    friend bool operator==(const Labouchere&, const Labouchere&) = default;
};
// A win appends the stake, a loss crosses first and last off. The line starts
// again when it is empty or, when restartAtLength > 0, that long.
struct ReverseLabouchere {
    std::vector<std::int64_t> line{1, 2, 3, 4};
    std::int32_t restartAtLength = 0;
    friend bool operator==(const ReverseLabouchere&, const ReverseLabouchere&) = default;
};
// One unit of profit a series: a win at u units counts +u, a loss -u; after
// a win the stake rises by one unit, but never past what would bring the
// series one unit ahead; the series ends once it is a unit ahead.
struct OscarsGrind {
    friend bool operator==(const OscarsGrind&, const OscarsGrind&) = default;
};
// 1, 3, 2, 6 units: a win moves on, a loss or a fourth win goes back to 1.
struct OneThreeTwoSix {
    friend bool operator==(const OneThreeTwoSix&, const OneThreeTwoSix&) = default;
};

enum class MoveKind : std::uint8_t { Next, Start, Stay, Back };
// Where a stake list goes next. Next past the last stake goes back to the
// first; Back goes `by` stakes back, never before the first.
struct Move {
    MoveKind kind = MoveKind::Next;
    std::int32_t by = 1; // for Back
    friend bool operator==(const Move&, const Move&) = default;
};
struct StakeList {
    std::vector<std::int64_t> stakes{1};
    Move onWin{MoveKind::Start, 1};
    Move onLoss{MoveKind::Next, 1};
    friend bool operator==(const StakeList&, const StakeList&) = default;
};

using MoneyManagement = std::variant<Flat, Martingale, ReverseMartingale, DAlembert, Fibonacci, Paroli, Labouchere,
                                     ReverseLabouchere, OscarsGrind, OneThreeTwoSix, StakeList>;

// What a climbing progression (Martingale and its reverse, D'Alembert,
// Fibonacci, the Labouchere lines, Oscar's Grind) does once the table limit
// stops it, that is once every spot of the bet is at its limit. Stay: it goes
// no higher (a move that would raise the stake is not taken). Restart: a move
// to a stake the table would cut starts the series again instead. Paroli,
// 1-3-2-6 and stake lists keep to their own steps with Stay, the table only
// cutting the stake; with Restart they start again as the climbing ones do.
enum class AtCap : std::uint8_t { Stay, Restart };

// One bet of a system. A selected spot stakes chips x units of the money
// management; a fixed spot its own chips x chips x units. Every spot's stake
// is capped at its table limit and, with table minimums on, raised to the
// minimum the table asks of an outside spot.
struct Bet {
    Selection selection;
    MoneyManagement money;
    std::int64_t chips = 1;
    AtCap atCap = AtCap::Stay;
    friend bool operator==(const Bet&, const Bet&) = default;
};

// When a session ends, besides running out of spins: checked after every
// spin in the order target, stop-loss, next stake not covered, then these.
struct SystemRules {
    Wheel wheel = Wheel::European;
    BettingUnit unit = BettingUnit::OneDollar;
    bool tableMinimums = false; // the table's minimums for outside spots (they apply to the $5 unit)
    Money bankroll = Money::fromDollars(500);
    std::int32_t spins = 400;
    std::optional<Money> stopLoss; // stop once the bankroll is at or below this
    std::optional<Money> target;   // stop once the bankroll is at or above this
    bool stopAfterWin = false;     // stop after the first spin that nets more than zero
    bool stopAtSeriesEnd = false;  // stop when a bet's series ends and no other bet is in the middle of one
    friend bool operator==(const SystemRules&, const SystemRules&) = default;
};

struct System {
    std::string name;        // short, as a file or the library names it ("martingale-red")
    std::string description; // how it is played, in a paragraph
    std::vector<Bet> bets;   // played together every spin, each on spots of its own; at least one
    SystemRules rules;
    friend bool operator==(const System&, const System&) = default;
};

// Bounds on the numbers a system may hold, so that nothing it asks for can
// overflow or take forever.
inline constexpr std::size_t kMaxBets = 16;
inline constexpr std::size_t kMaxListLength = 1000;   // lines, stake lists, patterns, fixed spots
inline constexpr std::int64_t kMaxUnits = 1'000'000;  // one number of a line or stake list
inline constexpr std::int64_t kMaxChipsPerSpot = 600; // the largest table limit
inline constexpr std::int32_t kMaxCount = 100'000;    // misses, absences, wins, lengths, Back by
inline constexpr std::int32_t kMaxSpins = 100'000;
inline constexpr std::int64_t kMaxBankrollChips = std::int64_t{1} << 40;

// The first thing wrong with the system, as a sentence for the player, or
// nothing when it can be played: no bets, an unknown spot or one the wheel
// does not have, two bets that could stake one spot (or one spot listed
// twice), a line, list or pattern empty or too long, a number out of
// range, a bankroll that is not positive or too large, a stop-loss not below
// or a target not above the bankroll.
std::optional<std::string> problemWith(const System& system);

} // namespace systems
