#include "systems/SystemPlayer.h"

#include <algorithm>
#include <type_traits>

#include "layout/BetSpotCatalogue.h"
#include "systems/OutsideBets.h"

// Selector memory in BetState::choice:
//   LastCame     [0] the member that came last, -1 before any
//   Sleepers     [0..2] spins each member has been absent, capped at the
//                threshold; [3..5] the members from the one seen longest ago
//                (never seen ones first, in order) to the one seen last
//   Pattern      [0] the position in the pattern
//   AfterMisses  [0] misses in a row, capped at the threshold

namespace systems {
namespace {

constexpr int kLongestStep = 40; // 2^40 units is past every table limit times the largest chip count

std::array<std::int8_t, 3> membersOf(OutsideGroup group, int& count) {
    using O = OutsideBet;
    auto m = [](O o) { return static_cast<std::int8_t>(o); };
    switch (group) {
    case OutsideGroup::Colour: count = 2; return {m(O::Red), m(O::Black), 0};
    case OutsideGroup::Parity: count = 2; return {m(O::Even), m(O::Odd), 0};
    case OutsideGroup::HighLow: count = 2; return {m(O::Low), m(O::High), 0};
    case OutsideGroup::Dozen: count = 3; return {m(O::FirstDozen), m(O::SecondDozen), m(O::ThirdDozen)};
    case OutsideGroup::Column: count = 3; return {m(O::FirstColumn), m(O::SecondColumn), m(O::ThirdColumn)};
    }
    count = 0;
    return {};
}

SpotRule ruleOf(int displaySlot, std::int64_t chips, const SystemRules& rules) {
    const BetSpot& spot = betSpot(displaySlot);
    SpotRule rule;
    rule.slot = static_cast<std::int16_t>(displaySlot);
    rule.covers = spot.coversOn(rules.wheel).bits;
    rule.payback = oddsOf(spot.kindOn(rules.wheel)) + 1;
    rule.limit = spot.limitOn(rules.wheel);
    // As the table does: with minimums on and the $5 unit, an outside spot
    // opens with 5 chips (even money) or 2 (dozens and columns).
    if (rules.tableMinimums && rules.unit == BettingUnit::FiveDollars && spot.isOutside())
        rule.minimum = spot.kindOn(Wheel::European) == BetKind::EvenMoney ? 5 : 2;
    rule.chips = chips;
    return rule;
}

std::int64_t stakeOn(const SpotRule& spot, std::int64_t units) {
    const std::int64_t raw = spot.chips * units;
    return std::min(std::max(raw, spot.minimum), spot.limit);
}

std::int64_t fibonacci(std::int64_t step) {
    std::int64_t previous = 1, current = 1;
    for (std::int64_t k = 0; k < std::min<std::int64_t>(step, 88); ++k) {
        const std::int64_t following = previous + current;
        previous = current;
        current = following;
    }
    return previous;
}

template <typename F>
void forEachSpot(const SystemPlayer::ResolvedBet& bet, std::uint16_t chosen, F&& f) {
    if (bet.choose == SystemPlayer::Choose::Fixed) {
        for (const SpotRule& spot : bet.fixed)
            f(spot);
        return;
    }
    while (chosen != 0) {
        const int k = __builtin_ctz(chosen);
        chosen = static_cast<std::uint16_t>(chosen & (chosen - 1));
        f(bet.outside[static_cast<std::size_t>(k)]);
    }
}

} // namespace

SystemPlayer::SystemPlayer(const System& system)
    : pockets_(pocketsOn(system.rules.wheel)), spins_(system.rules.spins), tracksSeries_(system.rules.stopAtSeriesEnd) {
    for (const systems::Bet& bet : system.bets) {
        ResolvedBet r;
        for (std::size_t k = 0; k < kOutsideBetSlots.size(); ++k)
            r.outside[k] = ruleOf(kOutsideBetSlots[k], bet.chips, system.rules);
        std::visit(
            [&](const auto& s) {
                using S = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<S, FixedSpots>) {
                    r.choose = Choose::Fixed;
                    for (const SpotChips& spot : s.spots)
                        r.fixed.push_back(
                            ruleOf(slotOfName(spot.spot).value_or(0), spot.chips * bet.chips, system.rules));
                } else if constexpr (std::is_same_v<S, LastCame>) {
                    r.choose = Choose::LastCame;
                    r.group = s.group;
                    r.side = s.side;
                } else if constexpr (std::is_same_v<S, Sleepers>) {
                    r.choose = Choose::Sleepers;
                    r.group = s.group;
                    r.threshold = s.absentAtLeast;
                    r.longestOnly = s.longestOnly;
                } else if constexpr (std::is_same_v<S, Pattern>) {
                    r.choose = Choose::Pattern;
                    for (OutsideBet o : s.bets)
                        r.pattern.push_back(static_cast<std::uint8_t>(o));
                } else {
                    r.choose = Choose::AfterMisses;
                    r.trigger = static_cast<std::uint8_t>(s.bet);
                    r.threshold = s.misses;
                }
            },
            bet.selection);
        r.members = membersOf(r.group, r.memberCount);
        for (int pocket = 0; pocket < kPocketCount; ++pocket) {
            r.memberOf[static_cast<std::size_t>(pocket)] = -1;
            for (int m = 0; m < r.memberCount; ++m)
                if ((r.outside[static_cast<std::size_t>(r.members[static_cast<std::size_t>(m)])].covers >> pocket) & 1U)
                    r.memberOf[static_cast<std::size_t>(pocket)] = static_cast<std::int8_t>(m);
        }

        r.stakes = static_cast<Stakes>(bet.money.index());
        r.atCap = bet.atCap;
        std::visit(
            [&](const auto& m) {
                using M = std::decay_t<decltype(m)>;
                if constexpr (std::is_same_v<M, Paroli>) {
                    r.paroliWins = m.wins;
                } else if constexpr (std::is_same_v<M, Labouchere>) {
                    r.line = m.line;
                } else if constexpr (std::is_same_v<M, ReverseLabouchere>) {
                    r.line = m.line;
                    r.restartAtLength = m.restartAtLength;
                } else if constexpr (std::is_same_v<M, StakeList>) {
                    r.line = m.stakes;
                    r.onWin = m.onWin;
                    r.onLoss = m.onLoss;
                }
            },
            bet.money);
        r.climbs = r.stakes == Stakes::Martingale || r.stakes == Stakes::ReverseMartingale ||
                   r.stakes == Stakes::DAlembert || r.stakes == Stakes::Fibonacci || r.stakes == Stakes::Labouchere ||
                   r.stakes == Stakes::ReverseLabouchere || r.stakes == Stakes::OscarsGrind;
        bets_.push_back(std::move(r));
    }
}

void SystemPlayer::reset(const ResolvedBet& bet, BetState& state) const {
    state.step = 0;
    state.units = 1;
    state.profit = 0;
    state.head = 0;
    if (bet.stakes == Stakes::Labouchere || bet.stakes == Stakes::ReverseLabouchere)
        state.line.assign(bet.line.begin(), bet.line.end());
}

PlayState SystemPlayer::start() const {
    PlayState state;
    state.bets.resize(bets_.size());
    std::size_t longest = 0;
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        // A line grows by at most one number a spin.
        state.bets[i].line.reserve(bets_[i].line.size() + static_cast<std::size_t>(spins_) + 2);
        longest = std::max(longest, state.bets[i].line.capacity());
    }
    state.saved.line.reserve(longest);
    restart(state);
    return state;
}

void SystemPlayer::restart(PlayState& state) const {
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        const ResolvedBet& bet = bets_[i];
        BetState& s = state.bets[i];
        reset(bet, s);
        s.choice = {};
        if (bet.choose == Choose::LastCame)
            s.choice[0] = -1;
        if (bet.choose == Choose::Sleepers)
            for (int m = 0; m < 3; ++m)
                s.choice[static_cast<std::size_t>(3 + m)] = m;
    }
}

[[gnu::always_inline]] inline std::uint16_t SystemPlayer::chosen(const ResolvedBet& bet, const BetState& state) const {
    auto bit = [](int outside) { return static_cast<std::uint16_t>(1U << outside); };
    switch (bet.choose) {
    case Choose::Fixed: return 0;
    case Choose::LastCame: {
        const int last = state.choice[0];
        if (last < 0)
            return 0;
        if (bet.side == Side::Follow)
            return bit(bet.members[static_cast<std::size_t>(last)]);
        std::uint16_t others = 0;
        for (int m = 0; m < bet.memberCount; ++m)
            if (m != last)
                others |= bit(bet.members[static_cast<std::size_t>(m)]);
        return others;
    }
    case Choose::Sleepers: {
        std::uint16_t sleepers = 0;
        for (int k = 0; k < 3; ++k) {
            const int m = state.choice[static_cast<std::size_t>(3 + k)];
            if (state.choice[static_cast<std::size_t>(m)] >= bet.threshold) {
                sleepers |= bit(bet.members[static_cast<std::size_t>(m)]);
                if (bet.longestOnly)
                    break;
            }
        }
        return sleepers;
    }
    case Choose::Pattern: return bit(bet.pattern[static_cast<std::size_t>(state.choice[0])]);
    case Choose::AfterMisses: return state.choice[0] >= bet.threshold ? bit(bet.trigger) : 0;
    }
    return 0;
}

[[gnu::always_inline]] inline std::int64_t SystemPlayer::unitsOf(const ResolvedBet& bet, const BetState& state) const {
    switch (bet.stakes) {
    case Stakes::Flat: return 1;
    case Stakes::Martingale:
    case Stakes::ReverseMartingale:
    case Stakes::Paroli: return std::int64_t{1} << std::min<std::int64_t>(state.step, kLongestStep);
    case Stakes::DAlembert:
    case Stakes::OscarsGrind: return state.units;
    case Stakes::Fibonacci: return fibonacci(state.step);
    case Stakes::Labouchere:
    case Stakes::ReverseLabouchere: {
        const std::size_t live = state.line.size() - state.head;
        return live == 1 ? state.line[state.head] : state.line[state.head] + state.line.back();
    }
    case Stakes::OneThreeTwoSix: {
        constexpr std::array<std::int64_t, 4> kSteps = {1, 3, 2, 6};
        return kSteps[static_cast<std::size_t>(state.step)];
    }
    case Stakes::StakeList: return bet.line[static_cast<std::size_t>(state.step)];
    }
    return 1;
}

[[gnu::always_inline]] inline bool SystemPlayer::atStart(const ResolvedBet& bet, const BetState& state) const {
    if (state.step != 0 || state.units != 1 || state.profit != 0)
        return false;
    if (bet.stakes != Stakes::Labouchere && bet.stakes != Stakes::ReverseLabouchere)
        return true;
    return state.line.size() - state.head == bet.line.size() &&
           std::equal(bet.line.begin(), bet.line.end(), state.line.begin() + static_cast<std::ptrdiff_t>(state.head));
}

[[gnu::always_inline]] inline void SystemPlayer::remember(const ResolvedBet& bet, BetState& state, int pocket) const {
    const int member = bet.memberOf[static_cast<std::size_t>(pocket)];
    switch (bet.choose) {
    case Choose::Fixed: return;
    case Choose::LastCame:
        if (member >= 0)
            state.choice[0] = member;
        return;
    case Choose::Sleepers: {
        for (int m = 0; m < 3; ++m) {
            std::int32_t& age = state.choice[static_cast<std::size_t>(m)];
            age = m == member ? 0 : std::min(age + 1, bet.threshold);
        }
        if (member >= 0) {
            auto order = state.choice.begin() + 3;
            std::rotate(std::find(order, order + 3, member), std::find(order, order + 3, member) + 1, order + 3);
        }
        return;
    }
    case Choose::Pattern:
        state.choice[0] = (state.choice[0] + 1) % static_cast<std::int32_t>(bet.pattern.size());
        return;
    case Choose::AfterMisses: {
        const bool hit = (bet.outside[bet.trigger].covers >> pocket) & 1U;
        state.choice[0] = hit ? 0 : std::min(state.choice[0] + 1, bet.threshold);
        return;
    }
    }
}

[[gnu::always_inline]] inline void SystemPlayer::progress(const ResolvedBet& bet, BetState& state, bool won,
                                                          std::int64_t units) const {
    auto crossOff = [&] {
        ++state.head;
        if (state.line.size() > state.head)
            state.line.pop_back();
        if (state.line.size() == state.head)
            reset(bet, state);
    };
    switch (bet.stakes) {
    case Stakes::Flat: return;
    case Stakes::Martingale: state.step = won ? 0 : std::min<std::int64_t>(state.step + 1, kLongestStep); return;
    case Stakes::ReverseMartingale: state.step = won ? std::min<std::int64_t>(state.step + 1, kLongestStep) : 0; return;
    case Stakes::DAlembert: state.units = won ? std::max<std::int64_t>(1, state.units - 1) : state.units + 1; return;
    case Stakes::Fibonacci: state.step = won ? std::max<std::int64_t>(0, state.step - 2) : state.step + 1; return;
    case Stakes::Paroli: state.step = won && state.step + 1 < bet.paroliWins ? state.step + 1 : 0; return;
    case Stakes::Labouchere:
        if (won)
            crossOff();
        else
            state.line.push_back(units);
        return;
    case Stakes::ReverseLabouchere:
        if (won) {
            state.line.push_back(units);
            if (bet.restartAtLength > 0 &&
                state.line.size() - state.head >= static_cast<std::size_t>(bet.restartAtLength))
                reset(bet, state);
        } else {
            crossOff();
        }
        return;
    case Stakes::OscarsGrind:
        if (!won) {
            state.profit -= units;
        } else if ((state.profit += units) >= 1) {
            reset(bet, state);
        } else {
            state.units = std::min(units + 1, 1 - state.profit);
        }
        return;
    case Stakes::OneThreeTwoSix: state.step = won ? (state.step + 1) % 4 : 0; return;
    case Stakes::StakeList: {
        const Move& move = won ? bet.onWin : bet.onLoss;
        const auto length = static_cast<std::int64_t>(bet.line.size());
        switch (move.kind) {
        case MoveKind::Next: state.step = (state.step + 1) % length; return;
        case MoveKind::Start: state.step = 0; return;
        case MoveKind::Stay: return;
        case MoveKind::Back: state.step = std::max<std::int64_t>(0, state.step - move.by); return;
        }
        return;
    }
    }
}

std::int64_t SystemPlayer::stake(const PlayState& state) const {
    std::int64_t chips = 0;
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        const ResolvedBet& bet = bets_[i];
        const BetState& s = state.bets[i];
        const std::int64_t units = unitsOf(bet, s);
        forEachSpot(bet, chosen(bet, s), [&](const SpotRule& spot) { chips += stakeOn(spot, units); });
    }
    return chips;
}

int SystemPlayer::stakesOf(const PlayState& state, int bet, std::array<std::int64_t, kSpotCount>& out) const {
    out.fill(0);
    const ResolvedBet& b = bets_[static_cast<std::size_t>(bet)];
    const BetState& s = state.bets[static_cast<std::size_t>(bet)];
    const std::int64_t units = unitsOf(b, s);
    int filled = 0;
    forEachSpot(b, chosen(b, s), [&](const SpotRule& spot) {
        out[static_cast<std::size_t>(spot.slot)] += stakeOn(spot, units);
        ++filled;
    });
    return filled;
}

[[gnu::always_inline]] inline std::uint8_t SystemPlayer::advanceBet(const ResolvedBet& bet, PlayState& all, BetState& s,
                                                                    int pocket, std::int64_t net, std::uint16_t mask,
                                                                    std::int64_t units, const Staked& staked,
                                                                    bool& back) const {
    std::uint8_t flags = 0;
    const bool placed = staked.placed, capped = staked.capped, cut = staked.cut;
    remember(bet, s, pocket);
    if (placed) {
        const bool won = net >= 0;
        if (cut)
            flags |= kLimitStopped;
        if (bet.climbs && bet.atCap == AtCap::Stay && capped) {
            all.saved = s;
            progress(bet, s, won, units);
            if (unitsOf(bet, s) > units) {
                s = all.saved; // the selector's memory was saved after it moved on
                flags |= kLimitStopped;
            }
        } else {
            progress(bet, s, won, units);
            if (bet.atCap == AtCap::Restart) {
                const std::int64_t next = unitsOf(bet, s);
                bool wouldCut = false;
                forEachSpot(bet, mask, [&](const SpotRule& spot) { wouldCut |= spot.chips * next > spot.limit; });
                if (wouldCut) {
                    reset(bet, s);
                    flags |= kLimitStopped;
                }
            }
        }
    }
    // Only a system that stops at the end of a series needs to know (and
    // comparing a Labouchere line with its start every spin is not free).
    back = !tracksSeries_ || bet.stakes == Stakes::Flat || atStart(bet, s);
    return flags;
}

std::uint8_t SystemPlayer::advance(PlayState& state, int pocket, const std::int64_t* nets) const {
    std::uint8_t flags = 0;
    bool anyEnded = false, allAtStart = true;
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        const ResolvedBet& bet = bets_[i];
        BetState& s = state.bets[i];
        const std::uint16_t mask = chosen(bet, s);
        const std::int64_t units = unitsOf(bet, s);
        Staked staked;
        forEachSpot(bet, mask, [&](const SpotRule& spot) { staked.add(spot, units); });
        bool back = false;
        flags |= advanceBet(bet, state, s, pocket, nets[i], mask, units, staked, back);
        anyEnded |= staked.placed && back;
        allAtStart &= back;
    }
    if (anyEnded && allAtStart)
        flags |= kSeriesEnded;
    return flags;
}

SpinOutcome SystemPlayer::play(PlayState& state, int pocket) const {
    SpinOutcome outcome;
    bool anyEnded = false, allAtStart = true;
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        const ResolvedBet& bet = bets_[i];
        BetState& s = state.bets[i];
        const std::uint16_t mask = chosen(bet, s);
        const std::int64_t units = unitsOf(bet, s);
        Staked staked;
        std::int64_t returned = 0;
        forEachSpot(bet, mask, [&](const SpotRule& spot) {
            const std::int64_t chips = staked.add(spot, units);
            returned += ((spot.covers >> pocket) & 1U) ? chips * spot.payback : 0;
        });
        const std::int64_t net = returned - staked.chips;
        outcome.staked += staked.chips;
        outcome.net += net;
        bool back = false;
        outcome.flags |= advanceBet(bet, state, s, pocket, net, mask, units, staked, back);
        anyEnded |= staked.placed && back;
        allAtStart &= back;
        const std::int64_t nextUnits = unitsOf(bet, s);
        forEachSpot(bet, chosen(bet, s), [&](const SpotRule& spot) { outcome.nextStake += stakeOn(spot, nextUnits); });
    }
    if (anyEnded && allAtStart)
        outcome.flags |= kSeriesEnded;
    return outcome;
}

std::uint64_t SystemPlayer::signOf(int pocket) const {
    std::uint64_t sign = 0;
    for (const ResolvedBet& bet : bets_) {
        const bool hit = (bet.outside[bet.trigger].covers >> pocket) & 1U;
        sign = (sign << 4) | static_cast<std::uint64_t>((bet.memberOf[static_cast<std::size_t>(pocket)] + 1) << 1) |
               (hit ? 1U : 0U);
    }
    return sign;
}

void SystemPlayer::keyOf(const PlayState& state, std::vector<std::int64_t>& key) const {
    for (const BetState& s : state.bets) {
        key.insert(key.end(), s.choice.begin(), s.choice.end());
        key.push_back(s.step);
        key.push_back(s.units);
        key.push_back(s.profit);
        key.push_back(static_cast<std::int64_t>(s.line.size() - s.head));
        key.insert(key.end(), s.line.begin() + static_cast<std::ptrdiff_t>(s.head), s.line.end());
    }
}

} // namespace systems
