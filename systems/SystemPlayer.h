#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "game/Pocket.h"
#include "layout/BetSpotCatalogue.h"
#include "systems/System.h"

// The rules of a system put to work: what each bet stakes on which spots for
// the next spin, given everything the session has seen so far, and how that
// changes with the pocket that comes. Built once per system; playing a spin
// reads tables only and allocates nothing.
namespace systems {

// One spot a bet may stake on, with what the table does to its stake.
struct SpotRule {
    std::int16_t slot = 0;
    std::uint64_t covers = 0; // PocketSet bits on the system's wheel
    std::int64_t payback = 0; // per chip staked on a win: odds + 1
    std::int64_t limit = 0;   // the table limit
    std::int64_t minimum = 0; // the table minimum for an empty spot, 0 when none applies
    std::int64_t chips = 1;   // chips per unit of the money management
};

// The memory of one bet: its selector's, its money management's.
struct BetState {
    std::array<std::int32_t, 6> choice{}; // selector memory (see SystemPlayer.cpp)
    std::int64_t step = 0;                // position in a progression
    std::int64_t units = 1;               // D'Alembert and Oscar's Grind stake
    std::int64_t profit = 0;              // Oscar's Grind: units ahead in the series
    std::vector<std::int64_t> line;       // Labouchere lines, live from `head`
    std::size_t head = 0;
};

struct PlayState {
    std::vector<BetState> bets;
    BetState saved; // room to undo a move the table stops, without allocating
};

// Flags of one spin's outcome.
enum SpinFlag : std::uint8_t {
    kSeriesEnded = 1,  // the system stops here (set only for a system that stops at the end of a series)
    kLimitStopped = 2, // a table limit cut a stake or stopped a progression
};

struct SpinOutcome {
    std::int64_t staked = 0; // chips staked on the spin
    std::int64_t net = 0;    // chips won, below zero when lost
    std::int64_t nextStake = 0;
    std::uint8_t flags = 0;
};

class SystemPlayer {
public:
    // The system must be one problemWith accepts.
    explicit SystemPlayer(const System& system);

    int pockets() const { return pockets_; }
    int bets() const { return static_cast<int>(bets_.size()); }

    // A fresh session's state, with room for `spins` spins of line growth.
    PlayState start() const;
    void restart(PlayState& state) const; // the same without allocating

    // The chips the next spin stakes, all bets together.
    std::int64_t stake(const PlayState& state) const;

    // Plays one spin: stakes, settles against `pocket`, moves every bet on.
    SpinOutcome play(PlayState& state, int pocket) const;

    // The stakes of bet `bet` for the next spin, by spot, as the table takes
    // them (after limits and minimums); zero chips for a spot not staked.
    // Returns how many entries of `out` it filled.
    int stakesOf(const PlayState& state, int bet, std::array<std::int64_t, kSpotCount>& out) const;

    // Moves every bet on after a spin of `pocket` whose per-bet nets were
    // `nets` (the table's settlement of stakesOf); returns the spin's flags.
    std::uint8_t advance(PlayState& state, int pocket, const std::int64_t* nets) const;

    // How the selectors see `pocket`: two pockets with the same sign move
    // every selector's memory the same way.
    std::uint64_t signOf(int pocket) const;

    // Appends a key that tells states apart (equal keys, equal futures).
    void keyOf(const PlayState& state, std::vector<std::int64_t>& key) const;

    // The rules of one bet, resolved against the catalogue and the table.
    enum class Choose : std::uint8_t { Fixed, LastCame, Sleepers, Pattern, AfterMisses };
    enum class Stakes : std::uint8_t {
        Flat,
        Martingale,
        ReverseMartingale,
        DAlembert,
        Fibonacci,
        Paroli,
        Labouchere,
        ReverseLabouchere,
        OscarsGrind,
        OneThreeTwoSix,
        StakeList,
    };
    struct ResolvedBet {
        Choose choose = Choose::Fixed;
        std::vector<SpotRule> fixed;
        std::array<SpotRule, 12> outside{};   // by OutsideBet
        std::array<std::int8_t, 3> members{}; // of the group, as OutsideBet
        int memberCount = 0;
        std::array<std::int8_t, kPocketCount> memberOf{}; // the member a pocket belongs to, -1 for none
        OutsideGroup group = OutsideGroup::Colour;
        Side side = Side::Follow;
        std::int32_t threshold = 0; // misses, or spins absent
        bool longestOnly = true;
        std::vector<std::uint8_t> pattern;
        std::uint8_t trigger = 0;

        Stakes stakes = Stakes::Flat;
        bool climbs = false; // grows without end unless the table stops it
        AtCap atCap = AtCap::Stay;
        std::int32_t paroliWins = 3;
        std::vector<std::int64_t> line; // Labouchere lines, stake lists
        std::int32_t restartAtLength = 0;
        Move onWin, onLoss;
    };

private:
    std::uint16_t chosen(const ResolvedBet& bet, const BetState& state) const;
    std::int64_t unitsOf(const ResolvedBet& bet, const BetState& state) const;
    void reset(const ResolvedBet& bet, BetState& state) const;
    bool atStart(const ResolvedBet& bet, const BetState& state) const;
    void remember(const ResolvedBet& bet, BetState& state, int pocket) const;
    void progress(const ResolvedBet& bet, BetState& state, bool won, std::int64_t units) const;
    // What a bet's spots took on a spin, and what the table did to them.
    struct Staked {
        std::int64_t chips = 0;
        bool placed = false; // any spot staked
        bool capped = true;  // every spot at its limit
        bool cut = false;    // a spot's stake cut by its limit
        std::int64_t add(const SpotRule& spot, std::int64_t units) {
            const std::int64_t raw = spot.chips * units;
            const std::int64_t taken = std::min(std::max(raw, spot.minimum), spot.limit);
            chips += taken;
            placed = true;
            capped &= raw >= spot.limit;
            cut |= raw > spot.limit;
            return taken;
        }
    };
    // Moves one bet on after a spin that staked `units` on the spots of
    // `mask`; returns the spin's flags for it, and whether it is back at its start.
    std::uint8_t advanceBet(const ResolvedBet& bet, PlayState& all, BetState& state, int pocket, std::int64_t net,
                            std::uint16_t mask, std::int64_t units, const Staked& staked, bool& back) const;

    std::vector<ResolvedBet> bets_;
    int pockets_ = 37;
    std::int32_t spins_ = 0;
    bool tracksSeries_ = false; // kSeriesEnded is worked out only for a system that stops on it
};

} // namespace systems
