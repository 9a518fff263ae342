#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "analysis/BankrollBands.h"
#include "analysis/BlockRunner.h"
#include "analysis/ConfidenceInterval.h"
#include "analysis/CountHistogram.h"
#include "systems/SessionRun.h"
#include "systems/SystemSimulation.h"

namespace systems {
namespace {

__extension__ using Int128 = __int128;

constexpr int kHistogramBars = 40;

struct Sum {
    Int128 sum = 0, squares = 0;
    void add(std::int64_t x) {
        sum += x;
        squares += Int128{x} * x;
    }
    void merge(const Sum& o) {
        sum += o.sum;
        squares += o.squares;
    }
    Estimate mean(std::int64_t n) const {
        return meanInterval(static_cast<long double>(sum), static_cast<long double>(squares), n);
    }
};

// One worker's sums: whole numbers only, so they merge to the same totals
// however the sessions were shared out.
struct alignas(64) Tally {
    std::int64_t sessions = 0, ahead = 0, limited = 0, largestStake = 0;
    std::int64_t ends[kEndReasons] = {};
    Sum gain, staked, spins, drawdown, streak, stake;
    Int128 gainTimesStaked = 0;
    std::vector<std::int64_t> lengths; // sessions that played exactly n spins
    CountHistogram endChips, drawdowns, streaks;

    void add(const SessionSummary& s, std::int64_t start) {
        ++sessions;
        ++ends[static_cast<int>(s.end)];
        ahead += s.chips > start;
        limited += s.limitStopped;
        largestStake = std::max(largestStake, s.largestStake);
        gain.add(s.chips - start);
        staked.add(s.staked);
        gainTimesStaked += Int128{s.chips - start} * s.staked;
        spins.add(s.spins);
        drawdown.add(s.drawdown);
        streak.add(s.losingStreak);
        stake.add(s.largestStake);
        ++lengths[static_cast<std::size_t>(s.spins)];
        endChips.add(s.chips);
        drawdowns.add(s.drawdown);
        streaks.add(s.losingStreak);
    }
    void merge(const Tally& o) {
        sessions += o.sessions;
        ahead += o.ahead;
        limited += o.limited;
        largestStake = std::max(largestStake, o.largestStake);
        for (int e = 0; e < kEndReasons; ++e)
            ends[e] += o.ends[e];
        gain.merge(o.gain);
        staked.merge(o.staked);
        gainTimesStaked += o.gainTimesStaked;
        spins.merge(o.spins);
        drawdown.merge(o.drawdown);
        streak.merge(o.streak);
        stake.merge(o.stake);
        for (std::size_t n = 0; n < lengths.size(); ++n)
            lengths[n] += o.lengths[n];
        endChips.merge(o.endChips);
        drawdowns.merge(o.drawdowns);
        streaks.merge(o.streaks);
    }
};

template <typename Spinner>
void playBlock(Spinner& spinner, const ChipBounds& bounds, std::uint64_t seed, std::int64_t first, std::int64_t end,
               Tally& tally) {
    for (std::int64_t session = first; session < end; ++session) {
        SessionRandom random(seed, static_cast<std::uint64_t>(session));
        tally.add(playSystemSession(spinner, bounds, random), bounds.start);
    }
}

template <typename Spinner>
std::vector<SamplePath> samplePaths(Spinner& spinner, const ChipBounds& bounds, std::uint64_t seed,
                                    std::int64_t sessions) {
    std::vector<SamplePath> paths;
    std::vector<std::int64_t> chips(static_cast<std::size_t>(bounds.spins) + 1);
    for (std::int64_t session = 0; session < std::min<std::int64_t>(sessions, kSamplePaths); ++session) {
        SessionRandom random(seed, static_cast<std::uint64_t>(session));
        const SessionSummary s = playSystemSession(spinner, bounds, random, chips.data());
        paths.push_back({{chips.begin(), chips.begin() + s.spins + 1}, s.end});
    }
    return paths;
}

// The sessions' bankrolls held for the bands: about this many (a session is
// held only as far as it played), but never fewer than 100 sessions, so that
// the 5% band is still a rank of its own.
constexpr std::int64_t kBandBankrolls = 4'000'000;

// The bands from the first sessions of the seed, as the table's analyser
// takes them: each session is played whole and held as far as it went.
template <typename Spinner>
std::vector<BankrollBand> bandsOf(Spinner& spinner, const ChipBounds& bounds, std::uint64_t seed, std::int64_t sessions,
                                  std::stop_token stop) {
    const std::int64_t count = std::min(bandSessionCount(sessions, bounds.spins),
                                        std::max<std::int64_t>(100, kBandBankrolls / (std::int64_t{bounds.spins} + 1)));
    std::vector<std::vector<std::int64_t>> paths;
    paths.reserve(static_cast<std::size_t>(count));
    std::vector<std::int64_t> chips(static_cast<std::size_t>(bounds.spins) + 1);
    for (std::int64_t session = 0; session < count; ++session) {
        if (stop.stop_requested())
            return {};
        SessionRandom random(seed, static_cast<std::uint64_t>(session));
        const SessionSummary s = playSystemSession(spinner, bounds, random, chips.data());
        paths.emplace_back(chips.begin(), chips.begin() + s.spins + 1);
    }
    std::vector<BankrollBand> bands;
    bands.reserve(static_cast<std::size_t>(bounds.spins) + 1);
    PercentilePicker picker;
    std::vector<std::int64_t> column(paths.size());
    for (std::size_t spin = 0; spin <= static_cast<std::size_t>(bounds.spins); ++spin) {
        bool moving = false;
        for (std::size_t s = 0; s < paths.size(); ++s) {
            moving |= spin < paths[s].size();
            column[s] = paths[s][std::min(spin, paths[s].size() - 1)];
        }
        if (!moving) { // every session has ended: nothing moves any more
            bands.resize(static_cast<std::size_t>(bounds.spins) + 1, bands.back());
            break;
        }
        bands.push_back(picker.of(column));
    }
    return bands;
}

// The ratio -sum(gain) / sum(staked) with the delta method's 95% interval:
// the variance of gain + ratio x staked over the squared mean stake.
Estimate lossPerChipStaked(const Tally& t, std::int64_t n) {
    if (t.staked.sum <= 0 || n < 2)
        return {};
    const auto count = static_cast<long double>(n);
    const long double ratio = -static_cast<long double>(t.gain.sum) / static_cast<long double>(t.staked.sum);
    const long double meanStaked = static_cast<long double>(t.staked.sum) / count;
    const long double sumOfSquares = static_cast<long double>(t.gain.squares) +
                                     2 * ratio * static_cast<long double>(t.gainTimesStaked) +
                                     ratio * ratio * static_cast<long double>(t.staked.squares);
    const long double sum = static_cast<long double>(t.gain.sum) + ratio * static_cast<long double>(t.staked.sum);
    const long double variance = std::max(0.0L, (sumOfSquares - sum * sum / count) / (count - 1));
    const long double half = 1.959963984540054L * std::sqrt(variance / count) / meanStaked;
    return {static_cast<double>(ratio), static_cast<double>(ratio - half), static_cast<double>(ratio + half)};
}

Estimate shifted(Estimate e, double by) { return {e.value + by, e.low + by, e.high + by}; }

} // namespace

ChipBounds chipBoundsOf(const System& system) {
    const SystemRules& r = system.rules;
    const std::int64_t unit = unitRow(r.unit).chipValue.tenThousandths();
    ChipBounds b;
    // As the table's analyser does: the bankroll and the stop-loss rounded
    // down to whole chips, the target up.
    b.start = r.bankroll.tenThousandths() / unit;
    if (r.stopLoss)
        b.stopLoss = r.stopLoss->tenThousandths() / unit;
    if (r.target)
        b.target = (r.target->tenThousandths() + unit - 1) / unit;
    b.spins = r.spins;
    b.pockets = pocketsOn(r.wheel);
    b.stopAfterWin = r.stopAfterWin;
    b.stopAtSeriesEnd = r.stopAtSeriesEnd;
    return b;
}

SystemOutcome simulateOn(const System& system, const StateGraph* graph, std::int64_t sessions, std::uint64_t seed,
                         const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress) {
    const ChipBounds bounds = chipBoundsOf(system);
    const SystemPlayer player(system);
    const std::optional<GraphTables> tables =
        graph ? std::optional<GraphTables>(std::in_place, *graph, bounds) : std::nullopt;
    const std::int64_t perBlock = sessionsPerBlock(bounds.spins);
    const std::int64_t blocks = (sessions + perBlock - 1) / perBlock;
    std::vector<Tally> tallies(workerCount(blocks, threads.count));
    for (Tally& t : tallies)
        t.lengths.assign(static_cast<std::size_t>(bounds.spins) + 1, 0);

    const bool complete = runBlocks(blocks, threads, stop, progress, [&](std::int64_t block, unsigned worker) {
        const std::int64_t first = block * perBlock;
        const std::int64_t end = std::min(sessions, first + perBlock);
        if (graph) {
            GraphSpinner spinner(*tables);
            playBlock(spinner, bounds, seed, first, end, tallies[worker]);
        } else {
            RuleSpinner spinner(player, bounds);
            playBlock(spinner, bounds, seed, first, end, tallies[worker]);
        }
    });

    SystemOutcome o;
    o.method = Method::MonteCarlo;
    o.seed = seed;
    o.chipValue = unitRow(system.rules.unit).chipValue;
    o.startChips = bounds.start;
    if (!complete || stop.stop_requested())
        return o;

    Tally all = std::move(tallies[0]);
    for (std::size_t w = 1; w < tallies.size(); ++w)
        all.merge(tallies[w]);
    const std::int64_t n = all.sessions;
    o.sessions = n;
    for (int e = 0; e < kEndReasons; ++e)
        o.ends[e] = wilsonInterval(all.ends[e], n);
    o.ahead = wilsonInterval(all.ahead, n);
    o.meanNetChips = all.gain.mean(n);
    o.meanEndChips = shifted(o.meanNetChips, static_cast<double>(bounds.start));
    o.meanTotalStakedChips = all.staked.mean(n);
    o.meanSpinsPlayed = all.spins.mean(n);
    o.lossPerChipStaked = lossPerChipStaked(all, n);
    std::int64_t stillPlaying = n;
    for (std::int32_t spin = 0; spin < bounds.spins; ++spin) {
        stillPlaying -= all.lengths[static_cast<std::size_t>(spin)];
        o.stillPlaying.push_back(static_cast<double>(stillPlaying) / static_cast<double>(n));
    }
    o.endHistogram = all.endChips.bars(kHistogramBars, 1.0);

    o.largestDrawdown = all.drawdowns.bars(kHistogramBars, 1.0);
    o.meanLargestDrawdown = all.drawdown.mean(n);
    o.longestLosingStreak = all.streaks.bars(kHistogramBars, 1.0);
    o.meanLongestLosingStreak = all.streak.mean(n);
    o.largestStake = all.largestStake;
    o.meanLargestStake = all.stake.mean(n);
    o.limitStopped = wilsonInterval(all.limited, n);
    o.bankrollStopped = o.ends[static_cast<int>(EndReason::NotCovered)];
    if (graph) {
        GraphSpinner spinner(*tables);
        o.samplePaths = samplePaths(spinner, bounds, seed, n);
        o.bands = bandsOf(spinner, bounds, seed, n, stop);
    } else {
        RuleSpinner spinner(player, bounds);
        o.samplePaths = samplePaths(spinner, bounds, seed, n);
        o.bands = bandsOf(spinner, bounds, seed, n, stop);
    }
    return o;
}

} // namespace systems
