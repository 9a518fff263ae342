#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "analysis/WorkerThreads.h"
#include "systems/SystemAnalysis.h"

// One analysis of a system (and of a second one kept to compare it with)
// running on its own threads, for a window that must never wait: it starts
// at once, is polled for progress and can be cancelled at any moment.
// Destroying it only asks its threads to stop; they end on their own,
// holding what they use.
namespace systems {

class SystemJob {
public:
    struct Result {
        SystemOutcome outcome;
        std::optional<SystemOutcome> kept; // the system kept as A, from the same seed
    };

    // Both systems are analysed by `choice` from the same seed. The
    // simulated sessions run on threads started by `start`; the exact
    // figures never wait for them.
    SystemJob(System system, std::optional<System> kept, MethodChoice choice, std::int64_t sessions, std::uint64_t seed,
              unsigned threads, ThreadStarter start = startPlainThread);
    ~SystemJob();
    SystemJob(const SystemJob&) = delete;
    SystemJob& operator=(const SystemJob&) = delete;

    void cancel();
    double progress() const; // 0 to 1, from any thread
    // Done, cancelled or failed, with the job's threads past their work.
    bool finished() const;
    // After finished(): the result, or nothing when cancelled or failed.
    const std::optional<Result>& result() const;
    // Before the result, once every system of the job is answered exactly:
    // the exact figures, their path figures still to come (sessions 0).
    // Nothing until then, or when a system is simulated. From the owner's thread.
    const std::optional<Result>& exactFigures() const;
    // After finished(): empty, or a sentence saying why the analysis failed.
    const std::string& error() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace systems
