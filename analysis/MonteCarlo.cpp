#include <algorithm>
#include <stdexcept>

#include "analysis/BankrollBands.h"
#include "analysis/BlockRunner.h"
#include "analysis/ConfidenceInterval.h"
#include "analysis/CountHistogram.h"
#include "analysis/SessionAnalysis.h"
#include "analysis/SessionPlay.h"
#include "analysis/SystemCheck.h"

namespace {

__extension__ using Int128 = __int128;

constexpr int kHistogramBars = 40;

// One worker's sums. Everything is a whole number, so the sums of all workers
// come to the same total however the sessions were shared out.
struct alignas(64) Tally { // one cache line apart, as each worker writes its own
    std::int64_t sessions = 0, ruin = 0, target = 0, stopLoss = 0, ahead = 0;
    Int128 gain = 0, gainSquares = 0; // end bankroll minus start, in chips
    Int128 spins = 0, spinSquares = 0;
    CountHistogram ends;

    void add(const SessionResult& session, std::int64_t startChips) {
        ++sessions;
        ruin += session.end == SessionEnd::Ruin;
        target += session.end == SessionEnd::Target;
        stopLoss += session.end == SessionEnd::StopLoss;
        ahead += session.chips > startChips;
        const Int128 gained = session.chips - startChips;
        gain += gained;
        gainSquares += gained * gained;
        spins += session.spins;
        spinSquares += Int128{session.spins} * session.spins;
        ends.add(session.chips);
    }

    void merge(const Tally& other) {
        sessions += other.sessions;
        ruin += other.ruin;
        target += other.target;
        stopLoss += other.stopLoss;
        ahead += other.ahead;
        gain += other.gain;
        gainSquares += other.gainSquares;
        spins += other.spins;
        spinSquares += other.spinSquares;
        ends.merge(other.ends);
    }
};

template <bool Flat>
void playBlock(const SessionTables& tables, std::uint64_t seed, std::int64_t first, std::int64_t end, Tally& tally) {
    for (std::int64_t session = first; session < end; ++session) {
        SessionRandom random(seed, static_cast<std::uint64_t>(session));
        tally.add(playSession<Flat>(tables, random), tables.startChips);
    }
}

Estimate shifted(Estimate estimate, double by) { return {estimate.value + by, estimate.low + by, estimate.high + by}; }

} // namespace

SessionOutcome simulateSessions(const BettingSystem& system, std::int64_t sessions, std::uint64_t seed,
                                const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress) {
    requireValidSystem(system, sessions);
    const SessionTables tables(system);
    const std::int64_t perBlock = sessionsPerBlock(tables.spins);
    const std::int64_t sessionBlocks = (sessions + perBlock - 1) / perBlock;

    std::vector<Tally> tallies(workerCount(sessionBlocks + 1, threads.count));
    std::vector<BankrollBand> bands;
    // Block 0 takes the bands, so they start first; the sessions follow.
    const bool complete =
        runBlocks(sessionBlocks + 1, threads, stop, progress, [&](std::int64_t block, unsigned worker) {
            if (block == 0) {
                bands = bankrollBands(tables, seed, bandSessionCount(sessions, tables.spins), stop);
                return;
            }
            const std::int64_t first = (block - 1) * perBlock;
            const std::int64_t end = std::min(sessions, first + perBlock);
            if (tables.flat)
                playBlock<true>(tables, seed, first, end, tallies[worker]);
            else
                playBlock<false>(tables, seed, first, end, tallies[worker]);
        });
    SessionOutcome outcome;
    outcome.method = Method::MonteCarlo;
    outcome.seed = seed;
    outcome.chipValue = unitRow(system.unit).chipValue;
    outcome.startChips = tables.startChips;
    if (!complete || stop.stop_requested())
        return outcome; // stopped: no sessions to speak of (the bands may be cut short)

    Tally all;
    for (const Tally& tally : tallies)
        all.merge(tally);
    const std::int64_t n = all.sessions;
    outcome.sessions = n;
    outcome.ruin = wilsonInterval(all.ruin, n);
    outcome.target = wilsonInterval(all.target, n);
    outcome.stopLoss = wilsonInterval(all.stopLoss, n);
    outcome.ahead = wilsonInterval(all.ahead, n);
    outcome.meanEndChips =
        shifted(meanInterval(static_cast<long double>(all.gain), static_cast<long double>(all.gainSquares), n),
                static_cast<double>(tables.startChips));
    outcome.medianEndChips = all.ends.median();
    outcome.meanSpinsPlayed =
        meanInterval(static_cast<long double>(all.spins), static_cast<long double>(all.spinSquares), n);
    outcome.bands = std::move(bands);
    outcome.endHistogram = all.ends.bars(kHistogramBars, 1.0);
    return outcome;
}
