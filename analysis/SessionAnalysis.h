#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

#include "analysis/BettingSystem.h"
#include "analysis/WorkerThreads.h"

// Which way a figure was found.
enum class Method : std::uint8_t { Exact, MonteCarlo };

// A probability or mean with its 95% confidence interval. An exact figure has
// low == high == value.
struct Estimate {
    double value = 0;
    double low = 0;
    double high = 0;
};

// Percentiles of the bankroll, in chips, after one spin of the session (after
// the session has ended the bankroll stays where it ended).
struct BankrollBand {
    double p5 = 0, p25 = 0, p50 = 0, p75 = 0, p95 = 0;
};

// How a session ended, by what the player holds after its last spin, tested
// in this order: the target reached, the stop-loss reached, the next stake
// (the progression's next step) not covered, all the spins played. A bankroll
// that cannot cover the next stake after the very last spin counts as not
// covered.
enum class SessionEnd : std::uint8_t { SpinsDone, NotCovered, StopLoss, Target };
inline constexpr std::size_t kSessionEnds = 4;

// One bar of a histogram of results in chips: [low, high) holds `probability`,
// shared out by how the sessions in it ended: byEnd[SessionEnd] adds up to
// `probability`. (Comparison histograms leave byEnd at zero.)
struct HistogramBin {
    double low = 0;
    double high = 0;
    double probability = 0;
    std::array<double, kSessionEnds> byEnd{};
};

// What many sessions of a system come to. Bankroll figures are in chips of the
// system's unit; chipValue turns them into money.
struct SessionOutcome {
    Method method = Method::Exact;
    std::uint64_t seed = 0;    // Monte Carlo only
    std::int64_t sessions = 0; // Monte Carlo only: sessions played
    Money chipValue;
    std::int64_t startChips = 0;
    // The chances of the four ends, which add up to 1, and of ending ahead.
    Estimate target, stopLoss, notCovered, spinsDone, ahead;
    // The chance of ending with less than the smallest stake the system
    // bets: broke, whichever way the session ended.
    Estimate broke;
    // The mean bankroll of the sessions that stopped because the next stake
    // was not covered (0 when none do).
    Estimate meanChipsLeftWhenNotCovered;
    // The least and the most those sessions hold (0 when none do).
    double fewestChipsLeftWhenNotCovered = 0, mostChipsLeftWhenNotCovered = 0;
    // The mean spins played by the sessions that ended each way, by
    // SessionEnd (0 for a way none ended).
    std::array<double, kSessionEnds> meanSpinsByEnd{};
    Estimate meanEndChips;
    double medianEndChips = 0;
    Estimate meanSpinsPlayed;
    // Everything staked over a session, on average, counting every spin's
    // whole stake whether it won or lost.
    Estimate meanTotalStakedChips;
    // The expected loss per chip staked: the house edge, as every bet on the
    // table pays (36 / numbers covered - 1) to one and no progression can
    // change it (taken over the steps as staked, so it holds whatever the
    // layout). So the mean end is the start less this times the mean total
    // staked.
    double lossPerChipStaked = 0;
    std::vector<BankrollBand> bands;        // index 0 = before the first spin
    std::vector<HistogramBin> endHistogram; // of the end bankroll
};

// Called from worker threads with the share done, 0 to 1.
using ProgressSink = std::function<void(double)>;

// The state space (bankroll chips x progression states x spins) that the exact
// method takes on; beyond it Monte Carlo answers. The budget is time and
// memory: at most kExactWorkBudget visits of one (bankroll, step) cell (one per
// distinct net result of the step, and four more) over the session, counting
// at each spin only the bankrolls that spin can reach and the steps it can
// have climbed to (an upper bound), and at most kExactMemoryBudget bytes of
// tables. At the under 1 ns a visit costs on one core of the development
// machine, the budget is a second at worst: what Monte Carlo needs for a
// million 400-spin sessions on two cores, and exact where Monte Carlo is only
// near.
inline constexpr double kExactWorkBudget = 1.5e9;
inline constexpr double kExactMemoryBudget = 256.0 * 1024 * 1024;
bool exactMethodFits(const BettingSystem& system);

// The exact distribution by dynamic programming; the system must fit.
// Throws std::invalid_argument for a system checkSystem refuses or one that
// does not fit. When a stop is requested it returns at once, with figures the
// caller must discard.
SessionOutcome analyseExactly(const BettingSystem& system, std::stop_token stop = {});
// The same, telling `progress` the share of the spins done.
SessionOutcome analyseExactly(const BettingSystem& system, std::stop_token stop, const ProgressSink& progress);

// `sessions` simulated sessions from `seed`, on `threads` threads (0: one
// per core); the same seed gives the same figures on any number of threads.
// Probabilities, means and the median and histogram of the end bankroll count
// every session. The bands are taken from a fixed subsample, the first 2,000
// sessions (fewer for sessions of more than 20,000 spins, never fewer than
// 200), so that they cost a small share of the run. The histogram has at most
// 40 bars of equal width, as the exact method's: from the 0.05th to the
// 99.95th percentile, the first and last bars stretched to the lowest and
// highest end bankroll. Throws std::invalid_argument for a system checkSystem
// refuses; when stopped it returns early with sessions == 0.
SessionOutcome simulateSessions(const BettingSystem& system, std::int64_t sessions, std::uint64_t seed,
                                const WorkerThreads& threads, std::stop_token stop = {},
                                const ProgressSink& progress = {});

// Exact where it fits, Monte Carlo otherwise.
SessionOutcome analyseSessions(const BettingSystem& system, std::int64_t sessions, std::uint64_t seed,
                               const WorkerThreads& threads, std::stop_token stop = {},
                               const ProgressSink& progress = {});
