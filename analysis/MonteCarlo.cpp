#include <algorithm>
#include <stdexcept>

#include "analysis/BankrollBands.h"
#include "analysis/BlockRunner.h"
#include "analysis/SessionAnalysis.h"
#include "analysis/SessionPlay.h"
#include "analysis/SessionTally.h"
#include "analysis/SystemCheck.h"

namespace {

template <bool Flat>
void playBlock(const SessionTables& tables, std::uint64_t seed, std::int64_t first, std::int64_t end,
               SessionTally& tally) {
    for (std::int64_t session = first; session < end; ++session) {
        SessionRandom random(seed, static_cast<std::uint64_t>(session));
        tally.add(playSession<Flat>(tables, random), tables);
    }
}

} // namespace

SessionOutcome simulateSessions(const BettingSystem& system, std::int64_t sessions, std::uint64_t seed,
                                const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress) {
    requireValidSystem(system, sessions);
    const SessionTables tables(system);
    const std::int64_t perBlock = sessionsPerBlock(tables.spins);
    const std::int64_t sessionBlocks = (sessions + perBlock - 1) / perBlock;

    std::vector<SessionTally> tallies(workerCount(sessionBlocks + 1, threads.count));
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

    SessionTally all;
    for (const SessionTally& tally : tallies)
        all.merge(tally);
    all.fill(outcome, tables);
    outcome.bands = std::move(bands);
    return outcome;
}
