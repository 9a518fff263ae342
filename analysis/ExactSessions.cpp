#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

#include "analysis/CellRange.h"
#include "analysis/ChipDistribution.h"
#include "analysis/ExactPlan.h"
#include "analysis/SessionAnalysis.h"
#include "analysis/ZeroedDoubles.h"

namespace {

Estimate exact(double value) { return {value, value, value}; }

// The mean bankroll of a part of the sessions, 0 when the part is empty.
double meanOf(const ChipDistribution& d) {
    double mass = 0, sum = 0;
    for (std::size_t i = 0; i < d.mass.size(); ++i) {
        mass += d.mass[i];
        sum += d.mass[i] * static_cast<double>(d.first + static_cast<std::int64_t>(i));
    }
    return mass > 0 ? sum / mass : 0.0;
}

// The probability table over (progression step x bankroll), advanced one spin
// at a time; sessions that end leave it for the tally of end bankrolls. A row
// of the largest tables takes milliseconds, so the passes over the rows look
// for a stop before each row; once stopped, the table holds nothing to read.
class SessionTable {
public:
    SessionTable(const ExactPlan& plan, std::stop_token stop)
        : plan_(plan), stop_(std::move(stop)), width_(plan.high - plan.low + 1),
          steps_(static_cast<std::int64_t>(plan.steps.size())), now_(static_cast<std::size_t>(width_ * steps_)),
          next_(now_.size()), ended_(static_cast<std::size_t>(width_)), total_(static_cast<std::size_t>(width_)),
          live_(plan.steps.size()), nextLive_(plan.steps.size()) {
        for (ZeroedDoubles& ended : endedBy_)
            ended = ZeroedDoubles(static_cast<std::size_t>(width_));
        const std::int64_t start = plan.chips.bankroll - plan.low;
        now_[static_cast<std::size_t>(start)] = 1.0;
        live_[0].take(start, start);
    }

    // Sessions whose bankroll cannot cover their step's stake end here: after
    // every spin, the last one included, as the next spin would need it.
    void endUncovered() {
        for (std::int64_t s = 0; s < steps_; ++s) {
            CellRange& r = live_[static_cast<std::size_t>(s)];
            const std::int64_t covered = plan_.steps[static_cast<std::size_t>(s)].stake - plan_.low;
            if (!r.empty() && r.first < covered)
                end(SessionEnd::NotCovered, s, r.first, std::min(r.last, covered - 1));
            r.first = std::max(r.first, covered);
        }
    }

    // The sessions about to play a spin: adds their share to `playing`, what
    // they stake to `staked` and what they expect to lose to `loss`.
    void countStakes(double& playing, double& staked, double& loss) {
        for (std::int64_t s = 0; s < steps_ && !stop_.stop_requested(); ++s) {
            const double mass = massOf(s, live_[static_cast<std::size_t>(s)]);
            const ExactStep& step = plan_.steps[static_cast<std::size_t>(s)];
            playing += mass;
            staked += mass * static_cast<double>(step.stake);
            loss += mass * step.expectedLoss;
        }
    }

    void spin() {
        ++spinsPlayed_;
        for (CellRange& r : nextLive_)
            r = CellRange{};
        for (std::int64_t s = 0; s < steps_; ++s) {
            if (stop_.stop_requested())
                return;
            const CellRange r = live_[static_cast<std::size_t>(s)];
            if (r.empty())
                continue;
            const double* __restrict from = row(now_, s) + r.first;
            const auto n = static_cast<std::size_t>(r.last - r.first + 1);
            for (const ExactMove& move : plan_.steps[static_cast<std::size_t>(s)].moves) {
                double* __restrict to = row(next_, move.nextStep) + r.first + move.net;
                const double p = move.probability;
                for (std::size_t i = 0; i < n; ++i)
                    to[i] += p * from[i];
                nextLive_[static_cast<std::size_t>(move.nextStep)].take(r.first + move.net, r.last + move.net);
            }
            std::fill(row(now_, s) + r.first, row(now_, s) + r.last + 1, 0.0);
        }
        std::swap(now_, next_);
        std::swap(live_, nextLive_);
    }

    // Target first, then the stop-loss: the bankroll cannot meet both.
    void endAtLimits() {
        for (std::int64_t s = 0; s < steps_; ++s) {
            CellRange& r = live_[static_cast<std::size_t>(s)];
            if (r.empty())
                continue;
            if (plan_.chips.target) {
                const std::int64_t reached = *plan_.chips.target - plan_.low;
                if (r.last >= reached)
                    end(SessionEnd::Target, s, std::max(r.first, reached), r.last);
                r.last = std::min(r.last, reached - 1);
            }
            if (plan_.chips.stopLoss) {
                const std::int64_t reached = *plan_.chips.stopLoss - plan_.low;
                if (!r.empty() && r.first <= reached)
                    end(SessionEnd::StopLoss, s, r.first, std::min(r.last, reached));
                r.first = std::max(r.first, reached + 1);
            }
        }
    }

    void endAll() {
        for (std::int64_t s = 0; s < steps_; ++s) {
            CellRange& r = live_[static_cast<std::size_t>(s)];
            if (!r.empty())
                end(SessionEnd::SpinsDone, s, r.first, r.last);
            r = CellRange{};
        }
    }

    // Every session's bankroll now, ended or not.
    BankrollBand band() {
        if (stop_.stop_requested())
            return {};
        CellRange all = endedRange_;
        for (const CellRange& r : live_)
            if (!r.empty())
                all.take(r.first, r.last);
        std::copy(ended_.begin() + all.first, ended_.begin() + all.last + 1, total_.begin() + all.first);
        for (std::int64_t s = 0; s < steps_; ++s) {
            if (stop_.stop_requested())
                return {};
            const CellRange& r = live_[static_cast<std::size_t>(s)];
            for (std::int64_t b = r.first; b <= r.last; ++b)
                total_[static_cast<std::size_t>(b)] += row(now_, s)[b];
        }
        return bandOf(
            {plan_.low + all.first, total_.span().subspan(static_cast<std::size_t>(all.first),
                                                          static_cast<std::size_t>(all.last - all.first + 1))});
    }

    // The end bankrolls of all sessions, or of those that ended one way.
    ChipDistribution ends() const { return spanOf(ended_); }
    ChipDistribution ends(SessionEnd how) const { return spanOf(endedBy_[static_cast<std::size_t>(how)]); }
    double chanceOf(SessionEnd how) const { return chance_[static_cast<std::size_t>(how)]; }
    double meanSpinsOf(SessionEnd how) const {
        const auto i = static_cast<std::size_t>(how);
        return chance_[i] > 0 ? spinsByEnd_[i] / chance_[i] : 0.0;
    }

private:
    double* row(ZeroedDoubles& table, std::int64_t step) { return table.data() + step * width_; }

    double massOf(std::int64_t s, const CellRange& r) {
        double mass = 0;
        for (std::int64_t b = r.first; b <= r.last; ++b)
            mass += row(now_, s)[b];
        return mass;
    }

    ChipDistribution spanOf(const ZeroedDoubles& ended) const {
        return {plan_.low + endedRange_.first,
                ended.span().subspan(static_cast<std::size_t>(endedRange_.first),
                                     static_cast<std::size_t>(endedRange_.last - endedRange_.first + 1))};
    }

    // Moves cells from..to of step s into the end tallies, as ending `how`.
    void end(SessionEnd how, std::int64_t s, std::int64_t from, std::int64_t to) {
        double mass = 0;
        double* cells = row(now_, s);
        ZeroedDoubles& endedHow = endedBy_[static_cast<std::size_t>(how)];
        for (std::int64_t b = from; b <= to; ++b) {
            mass += cells[b];
            ended_[static_cast<std::size_t>(b)] += cells[b];
            endedHow[static_cast<std::size_t>(b)] += cells[b];
            cells[b] = 0;
        }
        if (from <= to)
            endedRange_.take(from, to);
        chance_[static_cast<std::size_t>(how)] += mass;
        spinsByEnd_[static_cast<std::size_t>(how)] += mass * spinsPlayed_;
    }

    const ExactPlan& plan_;
    std::stop_token stop_;
    std::int64_t width_;
    std::int64_t steps_;
    ZeroedDoubles now_, next_; // step-major: row s holds bankrolls low..high
    ZeroedDoubles ended_, total_;
    std::array<ZeroedDoubles, kSessionEnds> endedBy_; // by SessionEnd
    std::vector<CellRange> live_, nextLive_;
    CellRange endedRange_;
    std::array<double, kSessionEnds> chance_{};
    std::array<double, kSessionEnds> spinsByEnd_{}; // chance times spins played, by end
    double spinsPlayed_ = 0;
};

} // namespace

bool exactMethodFits(const BettingSystem& system) {
    if (checkSystem(system, 1))
        return false;
    const ExactPlan plan = planExactly(system);
    return plan.work <= kExactWorkBudget && plan.bytes <= kExactMemoryBudget;
}

SessionOutcome analyseExactly(const BettingSystem& system, std::stop_token stop) {
    return analyseExactly(system, std::move(stop), {});
}

SessionOutcome analyseExactly(const BettingSystem& system, std::stop_token stop, const ProgressSink& progress) {
    if (const auto problem = checkSystem(system, 1))
        throw std::invalid_argument(problem->message);
    const ExactPlan plan = planExactly(system);
    if (plan.work > kExactWorkBudget || plan.bytes > kExactMemoryBudget)
        throw std::invalid_argument("The system is too large to analyse exactly.");

    SessionOutcome outcome;
    outcome.method = Method::Exact;
    outcome.chipValue = plan.chips.chipValue;
    outcome.startChips = plan.chips.bankroll;
    const auto start = static_cast<double>(plan.chips.bankroll);
    outcome.bands.push_back({start, start, start, start, start});

    SessionTable table(plan, stop);
    double spinsPlayed = 0, staked = 0, loss = 0;
    const std::int32_t reportEvery = std::max(1, plan.spins / 100);
    table.endUncovered();
    for (std::int32_t spin = 1; spin <= plan.spins; ++spin) {
        if (stop.stop_requested())
            return outcome;
        table.countStakes(spinsPlayed, staked, loss);
        table.spin();
        if (stop.stop_requested())
            return outcome;
        table.endAtLimits();
        table.endUncovered();
        if (spin == plan.spins)
            table.endAll();
        outcome.bands.push_back(table.band());
        if (progress && spin % reportEvery == 0)
            progress(static_cast<double>(spin) / plan.spins);
    }

    const ChipDistribution ends = table.ends();
    double mean = 0, ahead = 0, broke = 0;
    for (std::size_t i = 0; i < ends.mass.size(); ++i) {
        const auto bankroll = ends.first + static_cast<std::int64_t>(i);
        mean += ends.mass[i] * static_cast<double>(bankroll);
        if (bankroll > plan.chips.bankroll)
            ahead += ends.mass[i];
        if (bankroll < plan.steps[0].stake)
            broke += ends.mass[i];
    }
    outcome.target = exact(table.chanceOf(SessionEnd::Target));
    outcome.stopLoss = exact(table.chanceOf(SessionEnd::StopLoss));
    outcome.notCovered = exact(table.chanceOf(SessionEnd::NotCovered));
    outcome.spinsDone = exact(table.chanceOf(SessionEnd::SpinsDone));
    outcome.ahead = exact(ahead);
    outcome.broke = exact(broke);
    const ChipDistribution notCovered = table.ends(SessionEnd::NotCovered);
    outcome.meanChipsLeftWhenNotCovered = exact(meanOf(notCovered));
    const auto held = [](double mass) { return mass > 0; };
    const auto fewest = std::find_if(notCovered.mass.begin(), notCovered.mass.end(), held);
    if (fewest != notCovered.mass.end()) {
        const auto most = std::find_if(notCovered.mass.rbegin(), notCovered.mass.rend(), held);
        outcome.fewestChipsLeftWhenNotCovered =
            static_cast<double>(notCovered.first + (fewest - notCovered.mass.begin()));
        outcome.mostChipsLeftWhenNotCovered =
            static_cast<double>(notCovered.first + (notCovered.mass.rend() - most) - 1);
    }
    for (std::size_t how = 0; how < kSessionEnds; ++how)
        outcome.meanSpinsByEnd[how] = table.meanSpinsOf(static_cast<SessionEnd>(how));
    outcome.meanEndChips = exact(mean);
    outcome.medianEndChips = quantileOf(ends, 0.5);
    outcome.meanSpinsPlayed = exact(spinsPlayed);
    outcome.meanTotalStakedChips = exact(staked);
    outcome.lossPerChipStaked = staked > 0 ? loss / staked : 0.0;
    std::array<ChipDistribution, kSessionEnds> byEnd;
    for (std::size_t how = 0; how < kSessionEnds; ++how)
        byEnd[how] = table.ends(static_cast<SessionEnd>(how));
    outcome.endHistogram = histogramOf(ends, byEnd);
    return outcome;
}
