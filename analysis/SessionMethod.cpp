#include "analysis/SessionAnalysis.h"

SessionOutcome analyseSessions(const BettingSystem& system, std::int64_t sessions, std::uint64_t seed, unsigned threads,
                               std::stop_token stop, const ProgressSink& progress) {
    return simulateSessions(system, sessions, seed, threads, stop, progress);
}
