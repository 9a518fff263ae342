#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "analysis/CellRange.h"
#include "analysis/ChipDistribution.h"
#include "systems/SessionRun.h"
#include "systems/SystemSimulation.h"

// The exact method: the chance of every (state, bankroll) pair, carried one
// spin at a time over the state graph; sessions that end leave the table for
// the tally of end bankrolls, by how they ended.

namespace systems {
namespace {

struct ExactMove {
    std::int32_t next = 0; // with the graph's flag bits
    std::int64_t net = 0;
    double probability = 0;
};

// The distinct moves of every state: pockets that lead to the same state
// with the same net are one move.
std::vector<std::vector<ExactMove>> movesOf(const StateGraph& graph) {
    std::vector<std::vector<ExactMove>> moves(static_cast<std::size_t>(graph.states()));
    const double p = 1.0 / graph.pockets;
    for (std::int32_t s = 0; s < graph.states(); ++s) {
        auto& mine = moves[static_cast<std::size_t>(s)];
        for (int pocket = 0; pocket < graph.pockets; ++pocket) {
            const GraphMove& m = graph.moves[static_cast<std::size_t>(s) * static_cast<std::size_t>(graph.pockets) +
                                             static_cast<std::size_t>(pocket)];
            const auto same = std::find_if(mine.begin(), mine.end(),
                                           [&](const ExactMove& e) { return e.next == m.next && e.net == m.net; });
            if (same != mine.end())
                same->probability += p;
            else
                mine.push_back({m.next, m.net, p});
        }
    }
    return moves;
}

// Besides its moves, a live cell is visited to be ended, counted and cleared.
constexpr double kPassesPerCell = 4;

// The bankrolls each state can hold during the session (its window), found
// by carrying ranges instead of chances; and the cost of the real run.
struct ExactPlan {
    std::vector<CellRange> window;
    CellRange ended; // every bankroll a session can end with
    double work = 0;
    double bytes = 0;
    bool fits = false;
};

// The live part of a state's range: what did not end at a limit.
CellRange liveAfterLimits(CellRange r, const ChipBounds& b, std::int64_t stake) {
    r.first = std::max({r.first, b.stopLoss + 1, stake});
    r.last = std::min(r.last, b.target - 1);
    return r;
}

ExactPlan planOf(const StateGraph& graph, const std::vector<std::vector<ExactMove>>& moves, const ChipBounds& b) {
    ExactPlan plan;
    const auto states = static_cast<std::size_t>(graph.states());
    plan.window.assign(states, CellRange{});
    std::vector<CellRange> live(states), next(states);
    plan.window[0].take(b.start, b.start);
    plan.ended.take(b.start, b.start);
    live[0] = liveAfterLimits(plan.window[0], b, graph.stake[0]);
    for (std::int32_t spin = 0; spin < b.spins; ++spin) {
        std::fill(next.begin(), next.end(), CellRange{});
        bool any = false;
        for (std::size_t s = 0; s < states; ++s) {
            const CellRange r = live[s];
            if (r.empty())
                continue;
            plan.work += static_cast<double>(r.width()) * (static_cast<double>(moves[s].size()) + kPassesPerCell);
            if (plan.work > kExactWorkBudget)
                return plan;
            for (const ExactMove& m : moves[s]) {
                const auto to = static_cast<std::size_t>(m.next & kStateMask);
                plan.ended.take(r.first + m.net, r.last + m.net);
                if (m.next & kStopsBit)
                    continue;
                plan.window[to].take(r.first + m.net, r.last + m.net);
                next[to].take(r.first + m.net, r.last + m.net);
                any = true;
            }
        }
        for (std::size_t s = 0; s < states; ++s)
            live[s] = liveAfterLimits(next[s], b, graph.stake[s]);
        if (!any)
            break;
    }
    double cells = static_cast<double>(plan.ended.width()) * 2;
    for (const CellRange& w : plan.window)
        cells += 2.0 * static_cast<double>(w.width());
    plan.bytes = cells * sizeof(double);
    plan.fits = plan.work <= kExactWorkBudget && plan.bytes <= kExactMemoryBudget;
    return plan;
}

Estimate exact(double value) { return {value, value, value}; }

class ExactRun {
public:
    ExactRun(const StateGraph& graph, const std::vector<std::vector<ExactMove>>& moves, const ExactPlan& plan,
             const ChipBounds& bounds)
        : graph_(graph), moves_(moves), plan_(plan), b_(bounds), offset_(plan.window.size() + 1),
          live_(plan.window.size()), nextLive_(plan.window.size()) {
        for (std::size_t s = 0; s < plan.window.size(); ++s)
            offset_[s + 1] = offset_[s] + static_cast<std::size_t>(plan.window[s].width());
        now_.assign(offset_.back(), 0.0);
        next_.assign(offset_.back(), 0.0);
        ended_.assign(static_cast<std::size_t>(plan.ended.width()), 0.0);
        at(now_, 0, b_.start) = 1.0;
        live_[0].take(b_.start, b_.start);
        endAtLimits(0);
    }

    // One spin; returns the chance that a session plays it.
    double spin(bool last) {
        double playing = 0;
        for (CellRange& r : nextLive_)
            r = CellRange{};
        for (std::size_t s = 0; s < live_.size(); ++s) {
            const CellRange r = live_[s];
            if (r.empty())
                continue;
            double* from = &at(now_, s, r.first);
            const auto n = static_cast<std::size_t>(r.width());
            double mass = 0;
            for (std::size_t i = 0; i < n; ++i)
                mass += from[i];
            playing += mass;
            staked_ += mass * graph_.stake[s];
            for (const ExactMove& m : moves_[s]) {
                const auto to = static_cast<std::size_t>(m.next & kStateMask);
                const double p = m.probability;
                if (m.next & kStopsBit) {
                    for (std::size_t i = 0; i < n; ++i)
                        endOne(r.first + static_cast<std::int64_t>(i) + m.net, p * from[i], to, EndReason::SystemStop);
                    continue;
                }
                double* __restrict dest = &at(next_, to, r.first + m.net);
                for (std::size_t i = 0; i < n; ++i)
                    dest[i] += p * from[i];
                nextLive_[to].take(r.first + m.net, r.last + m.net);
            }
            std::fill(from, from + n, 0.0);
        }
        std::swap(now_, next_);
        std::swap(live_, nextLive_);
        for (std::size_t s = 0; s < live_.size(); ++s)
            endAtLimits(s);
        if (last)
            for (std::size_t s = 0; s < live_.size(); ++s)
                if (!live_[s].empty()) {
                    endCells(s, live_[s].first, live_[s].last, EndReason::SpinsDone);
                    live_[s] = CellRange{};
                }
        return playing;
    }

    bool over() const {
        return std::all_of(live_.begin(), live_.end(), [](const CellRange& r) { return r.empty(); });
    }
    double staked() const { return staked_; }
    double endedBy(EndReason e) const { return ends_[static_cast<int>(e)]; }
    ChipDistribution ends() const { return {plan_.ended.first, ended_}; }

private:
    double& at(std::vector<double>& table, std::size_t s, std::int64_t chips) {
        return table[offset_[s] + static_cast<std::size_t>(chips - plan_.window[s].first)];
    }

    // A session that stops by the system's rule still ends by a limit first.
    void endOne(std::int64_t chips, double mass, std::size_t state, EndReason otherwise) {
        EndReason e = otherwise;
        if (chips >= b_.target)
            e = EndReason::Target;
        else if (chips <= b_.stopLoss)
            e = EndReason::StopLoss;
        else if (chips < graph_.stake[state])
            e = EndReason::NotCovered;
        ends_[static_cast<int>(e)] += mass;
        ended_[static_cast<std::size_t>(chips - plan_.ended.first)] += mass;
    }

    void endCells(std::size_t s, std::int64_t from, std::int64_t to, EndReason e) {
        for (std::int64_t c = from; c <= to; ++c) {
            double& cell = at(now_, s, c);
            ends_[static_cast<int>(e)] += cell;
            ended_[static_cast<std::size_t>(c - plan_.ended.first)] += cell;
            cell = 0;
        }
    }

    // Target, then stop-loss, then the next stake not covered.
    void endAtLimits(std::size_t s) {
        CellRange& r = live_[s];
        if (r.empty())
            return;
        if (r.last >= b_.target) {
            endCells(s, std::max(r.first, b_.target), r.last, EndReason::Target);
            r.last = std::min(r.last, b_.target - 1);
        }
        if (!r.empty() && r.first <= b_.stopLoss) {
            endCells(s, r.first, std::min(r.last, b_.stopLoss), EndReason::StopLoss);
            r.first = b_.stopLoss + 1;
        }
        if (!r.empty() && r.first < graph_.stake[s]) {
            endCells(s, r.first, std::min<std::int64_t>(r.last, graph_.stake[s] - 1), EndReason::NotCovered);
            r.first = graph_.stake[s];
        }
    }

    const StateGraph& graph_;
    const std::vector<std::vector<ExactMove>>& moves_;
    const ExactPlan& plan_;
    ChipBounds b_;
    std::vector<std::size_t> offset_;
    std::vector<double> now_, next_, ended_;
    std::vector<CellRange> live_, nextLive_;
    double ends_[kEndReasons] = {};
    double staked_ = 0;
};

} // namespace

bool exactFits(const System& system, const StateGraph& graph) {
    return planOf(graph, movesOf(graph), chipBoundsOf(system)).fits;
}

std::optional<SystemOutcome> solveExactly(const System& system, const StateGraph& graph, std::stop_token stop,
                                          const ProgressSink& progress) {
    const ChipBounds bounds = chipBoundsOf(system);
    const auto moves = movesOf(graph);
    const ExactPlan plan = planOf(graph, moves, bounds);
    if (!plan.fits)
        return std::nullopt;

    SystemOutcome o;
    o.method = Method::Exact;
    o.chipValue = unitRow(system.rules.unit).chipValue;
    o.startChips = bounds.start;
    ExactRun run(graph, moves, plan, bounds);
    double spinsPlayed = 0;
    const std::int32_t reportEvery = std::max(1, bounds.spins / 100);
    for (std::int32_t spin = 0; spin < bounds.spins; ++spin) {
        if (stop.stop_requested())
            return o;
        const double playing = run.over() ? 0.0 : run.spin(spin + 1 == bounds.spins);
        o.stillPlaying.push_back(playing);
        spinsPlayed += playing;
        if (progress && (spin + 1) % reportEvery == 0)
            progress(static_cast<double>(spin + 1) / bounds.spins);
    }
    const ChipDistribution ends = run.ends();
    double mean = 0, ahead = 0;
    for (std::size_t i = 0; i < ends.mass.size(); ++i) {
        const auto chips = ends.first + static_cast<std::int64_t>(i);
        mean += ends.mass[i] * static_cast<double>(chips);
        if (chips > bounds.start)
            ahead += ends.mass[i];
    }
    for (int e = 0; e < kEndReasons; ++e)
        o.ends[e] = exact(run.endedBy(static_cast<EndReason>(e)));
    o.ahead = exact(ahead);
    o.meanEndChips = exact(mean);
    o.meanNetChips = exact(mean - static_cast<double>(bounds.start));
    o.meanTotalStakedChips = exact(run.staked());
    o.meanSpinsPlayed = exact(spinsPlayed);
    if (run.staked() > 0)
        o.lossPerChipStaked = exact(-o.meanNetChips.value / run.staked());
    o.endHistogram = histogramOf(ends);
    return o;
}

} // namespace systems
