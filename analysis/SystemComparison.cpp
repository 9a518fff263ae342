#include "analysis/SystemComparison.h"

#include <numeric>

#include "analysis/BlockRunner.h"
#include "analysis/ConfidenceInterval.h"
#include "analysis/CountHistogram.h"
#include "analysis/SessionPlay.h"
#include "analysis/SystemCheck.h"

namespace {

__extension__ using Int128 = __int128;

constexpr int kHistogramBars = 40;
constexpr double kTenThousandthsPerDollar = 10'000.0;

// One system's play. A session ends with the bankroll it sat down with
// (change its unit could not stake included) plus its gain.
struct Player {
    explicit Player(const BettingSystem& system)
        : tables(system), chipValue(unitRow(system.unit).chipValue.tenThousandths()),
          bankroll(system.rules.bankroll.tenThousandths()) {}

    // In ten-thousandths.
    std::int64_t gain(SessionRandom random) const {
        const SessionResult session = playSession(tables, random);
        return (session.chips - tables.startChips) * chipValue;
    }

    SessionTables tables;
    std::int64_t chipValue;
    std::int64_t bankroll;
};

// The difference of the end bankrolls is the difference of the bankrolls the
// two sat down with, the same in every session, plus the difference of their
// gains; only the latter varies, and only it is summed, so that the sums stay
// far from overflowing whatever the bankrolls.
struct alignas(64) Tally { // one cache line apart, as each worker writes its own
    std::int64_t sessions = 0, bAhead = 0, ties = 0;
    Int128 gains = 0, gainSquares = 0; // of B's gain less A's, in ten-thousandths
    CountHistogram steps;              // the same in steps of `step` ten-thousandths

    void merge(const Tally& other) {
        sessions += other.sessions;
        bAhead += other.bAhead;
        ties += other.ties;
        gains += other.gains;
        gainSquares += other.gainSquares;
        steps.merge(other.steps);
    }
};

} // namespace

Comparison compareSystems(const BettingSystem& a, const BettingSystem& b, std::int64_t sessions, std::uint64_t seed,
                          const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress) {
    requireValidSystem(a, sessions);
    requireValidSystem(b, sessions);
    const Player playerA(a), playerB(b);
    const std::int64_t satDown = playerB.bankroll - playerA.bankroll;
    // Every difference of gains is a whole number of this many
    // ten-thousandths, so the histogram can count them exactly.
    const std::int64_t step = std::gcd(playerA.chipValue, playerB.chipValue);
    const std::int64_t perBlock = sessionsPerBlock(std::max(a.rules.spinsPerSession, b.rules.spinsPerSession));
    const std::int64_t blocks = (sessions + perBlock - 1) / perBlock;

    std::vector<Tally> tallies(workerCount(blocks, threads.count));
    const bool complete = runBlocks(blocks, threads, stop, progress, [&](std::int64_t block, unsigned worker) {
        Tally& tally = tallies[worker];
        const std::int64_t end = std::min(sessions, (block + 1) * perBlock);
        for (std::int64_t session = block * perBlock; session < end; ++session) {
            // The same stream for both: spin k of A and spin k of B come from
            // the same draw, each mapped onto its own wheel.
            const SessionRandom random(seed, static_cast<std::uint64_t>(session));
            const std::int64_t gained = playerB.gain(random) - playerA.gain(random);
            ++tally.sessions;
            tally.bAhead += gained > -satDown;
            tally.ties += gained == -satDown;
            tally.gains += gained;
            tally.gainSquares += Int128{gained} * gained;
            tally.steps.add(gained / step);
        }
    });

    Comparison comparison;
    comparison.seed = seed;
    if (!complete || stop.stop_requested())
        return comparison; // stopped
    Tally all;
    for (const Tally& tally : tallies)
        all.merge(tally);
    comparison.sessions = all.sessions;
    comparison.bAhead = wilsonInterval(all.bAhead, all.sessions);
    comparison.tie = wilsonInterval(all.ties, all.sessions);
    const Estimate gains =
        meanInterval(static_cast<long double>(all.gains), static_cast<long double>(all.gainSquares), all.sessions);
    auto dollars = [&](double gained) { return (gained + static_cast<double>(satDown)) / kTenThousandthsPerDollar; };
    comparison.meanDifference = {dollars(gains.value), dollars(gains.low), dollars(gains.high)};
    comparison.difference = all.steps.bars(kHistogramBars, static_cast<double>(step) / kTenThousandthsPerDollar,
                                           static_cast<double>(satDown) / kTenThousandthsPerDollar);
    return comparison;
}
