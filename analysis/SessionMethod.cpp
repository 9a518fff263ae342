#include "analysis/SessionAnalysis.h"
#include "analysis/SystemCheck.h"

SessionOutcome analyseSessions(const BettingSystem& system, std::int64_t sessions, std::uint64_t seed,
                               const WorkerThreads& threads, std::stop_token stop, const ProgressSink& progress) {
    requireValidSystem(system, sessions);
    if (exactMethodFits(system))
        return analyseExactly(system, stop, progress);
    return simulateSessions(system, sessions, seed, threads, stop, progress);
}
