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

// One system's money at the end of a session: what it sat down with, less
// the change its unit could not stake, plus what it won in chips.
struct Player {
    explicit Player(const BettingSystem& system)
        : tables(system), chipValue(unitRow(system.unit).chipValue.tenThousandths()),
          bankroll(system.rules.bankroll.tenThousandths()) {}

    std::int64_t endMoney(SessionRandom random) const {
        const SessionResult session = playSession(tables, random);
        return bankroll + (session.chips - tables.startChips) * chipValue;
    }

    SessionTables tables;
    std::int64_t chipValue;
    std::int64_t bankroll;
};

struct Tally {
    std::int64_t sessions = 0, bAhead = 0, ties = 0;
    Int128 difference = 0, differenceSquares = 0; // in ten-thousandths
    CountHistogram steps;                         // differences in steps of `step` ten-thousandths

    void merge(const Tally& other) {
        sessions += other.sessions;
        bAhead += other.bAhead;
        ties += other.ties;
        difference += other.difference;
        differenceSquares += other.differenceSquares;
        steps.merge(other.steps);
    }
};

} // namespace

Comparison compareSystems(const BettingSystem& a, const BettingSystem& b, std::int64_t sessions, std::uint64_t seed,
                          unsigned threads, std::stop_token stop, const ProgressSink& progress) {
    requireValidSystem(a, sessions);
    requireValidSystem(b, sessions);
    const Player playerA(a), playerB(b);
    // Every difference is a whole number of this many ten-thousandths, so the
    // histogram can count them exactly.
    const std::int64_t step =
        std::gcd(std::gcd(playerA.chipValue, playerB.chipValue), playerB.bankroll - playerA.bankroll);
    const std::int64_t perBlock =
        std::max<std::int64_t>(64, 262'144 / std::max(a.rules.spinsPerSession, b.rules.spinsPerSession));
    const std::int64_t blocks = (sessions + perBlock - 1) / perBlock;

    std::vector<Tally> tallies(workerCount(blocks, threads));
    const bool complete = runBlocks(blocks, threads, stop, progress, [&](std::int64_t block, unsigned worker) {
        Tally& tally = tallies[worker];
        const std::int64_t end = std::min(sessions, (block + 1) * perBlock);
        for (std::int64_t session = block * perBlock; session < end; ++session) {
            // The same stream for both: spin k of A and spin k of B come from
            // the same draw, each mapped onto its own wheel.
            const SessionRandom random(seed, static_cast<std::uint64_t>(session));
            const std::int64_t difference = playerB.endMoney(random) - playerA.endMoney(random);
            ++tally.sessions;
            tally.bAhead += difference > 0;
            tally.ties += difference == 0;
            tally.difference += difference;
            tally.differenceSquares += Int128{difference} * difference;
            tally.steps.add(difference / step);
        }
    });

    Comparison comparison;
    comparison.seed = seed;
    if (!complete)
        return comparison; // stopped
    Tally all;
    for (const Tally& tally : tallies)
        all.merge(tally);
    comparison.sessions = all.sessions;
    comparison.bAhead = wilsonInterval(all.bAhead, all.sessions);
    comparison.tie = wilsonInterval(all.ties, all.sessions);
    const Estimate inTenThousandths = meanInterval(static_cast<long double>(all.difference),
                                                   static_cast<long double>(all.differenceSquares), all.sessions);
    comparison.meanDifference = {inTenThousandths.value / kTenThousandthsPerDollar,
                                 inTenThousandths.low / kTenThousandthsPerDollar,
                                 inTenThousandths.high / kTenThousandthsPerDollar};
    comparison.difference = all.steps.bars(kHistogramBars, static_cast<double>(step) / kTenThousandthsPerDollar);
    return comparison;
}
