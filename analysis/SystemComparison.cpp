#include "analysis/SystemComparison.h"

#include <numeric>
#include <stdexcept>
#include <string>

#include "analysis/BlockRunner.h"
#include "analysis/ConfidenceInterval.h"
#include "analysis/CountHistogram.h"
#include "analysis/SessionPlay.h"
#include "analysis/SessionTally.h"
#include "analysis/SystemCheck.h"

namespace {

__extension__ using Int128 = __int128;

constexpr int kHistogramBars = 40;
constexpr double kTenThousandthsPerDollar = 10'000.0;

// One system's play: its tables and its chip in ten-thousandths of a dollar.
struct Player {
    explicit Player(const BettingSystem& system)
        : tables(system), chipValue(unitRow(system.unit).chipValue.tenThousandths()) {}

    SessionTables tables;
    std::int64_t chipValue;
};

struct alignas(64) Tally { // one cache line apart, as each worker writes its own
    std::int64_t sessions = 0, bNetsMore = 0, level = 0;
    Int128 nets = 0, netSquares = 0; // of B's net less A's, in ten-thousandths
    CountHistogram steps;            // the same in steps of `step` ten-thousandths
    SessionTally a, b;

    void merge(const Tally& other) {
        sessions += other.sessions;
        bNetsMore += other.bNetsMore;
        level += other.level;
        nets += other.nets;
        netSquares += other.netSquares;
        steps.merge(other.steps);
        a.merge(other.a);
        b.merge(other.b);
    }
};

const char* wheelName(Wheel wheel) { return wheel == Wheel::European ? "European" : "American"; }

} // namespace

std::optional<InputProblem> checkComparable(const BettingSystem& a, const BettingSystem& b) {
    if (a.wheel == b.wheel)
        return std::nullopt;
    return InputProblem{SystemField::Layout,
                        std::string("Systems A and B must be on the same wheel to be compared: A is on the ") +
                            wheelName(a.wheel) + " wheel, B on the " + wheelName(b.wheel) + "."};
}

Comparison compareSystems(const BettingSystem& a, const BettingSystem& b, std::int64_t sessions, std::uint64_t seed,
                          const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress) {
    requireValidSystem(a, sessions);
    requireValidSystem(b, sessions);
    if (const std::optional<InputProblem> problem = checkComparable(a, b))
        throw std::invalid_argument(problem->message);
    const Player playerA(a), playerB(b);
    // Every difference of nets is a whole number of this many
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
            SessionRandom randomA = random, randomB = random;
            const SessionResult sessionA = playSession(playerA.tables, randomA);
            const SessionResult sessionB = playSession(playerB.tables, randomB);
            tally.a.add(sessionA, playerA.tables);
            tally.b.add(sessionB, playerB.tables);
            const std::int64_t netA = (sessionA.chips - playerA.tables.startChips) * playerA.chipValue;
            const std::int64_t netB = (sessionB.chips - playerB.tables.startChips) * playerB.chipValue;
            const std::int64_t difference = netB - netA;
            ++tally.sessions;
            tally.bNetsMore += difference > 0;
            tally.level += difference == 0;
            tally.nets += difference;
            tally.netSquares += Int128{difference} * difference;
            tally.steps.add(difference / step);
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
    for (auto [outcome, tally, player, system] :
         {std::tuple{&comparison.a, &all.a, &playerA, &a}, std::tuple{&comparison.b, &all.b, &playerB, &b}}) {
        outcome->method = Method::MonteCarlo;
        outcome->seed = seed;
        outcome->chipValue = unitRow(system->unit).chipValue;
        tally->fill(*outcome, player->tables);
    }
    comparison.bNetsMore = wilsonInterval(all.bNetsMore, all.sessions);
    comparison.level = wilsonInterval(all.level, all.sessions);
    const Estimate nets =
        meanInterval(static_cast<long double>(all.nets), static_cast<long double>(all.netSquares), all.sessions);
    auto dollars = [](double tenThousandths) { return tenThousandths / kTenThousandthsPerDollar; };
    comparison.meanNetDifference = {dollars(nets.value), dollars(nets.low), dollars(nets.high)};
    comparison.netDifference = all.steps.bars(kHistogramBars, static_cast<double>(step) / kTenThousandthsPerDollar);
    return comparison;
}
