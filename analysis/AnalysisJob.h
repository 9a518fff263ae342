#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "analysis/SessionAnalysis.h"
#include "analysis/SystemComparison.h"
#include "analysis/WorkerThreads.h"

// One analysis running on its own threads, for a window that must never wait:
// it starts at once, is polled for progress, and can be cancelled at any
// moment. Nothing about it ever blocks the thread that owns it: destroying it
// only asks its threads to stop, and they end on their own, holding what
// they use, within a few milliseconds of processor time.
class AnalysisJob {
public:
    struct Result {
        SessionOutcome sessions;
        std::optional<Comparison> comparison; // when a system A was given
        // Fewer started than wanted when the system had no more threads to
        // spare; the figures are the same either way.
        unsigned threadsStarted = 0;
        unsigned threadsWanted = 0;
    };

    // Analyses `system` (and compares it with `keptA` if given) on copies,
    // starting every thread with `start`. Never throws for want of a thread:
    // the job then finishes at once with an error.
    AnalysisJob(const BettingSystem& system, std::optional<BettingSystem> keptA, std::int64_t sessions,
                std::uint64_t seed, unsigned threads, ThreadStarter start = startPlainThread);
    ~AnalysisJob();
    AnalysisJob(const AnalysisJob&) = delete;
    AnalysisJob& operator=(const AnalysisJob&) = delete;

    void cancel();
    double progress() const; // 0 to 1, from any thread
    // Done, cancelled or failed, with every thread of the job past its work.
    bool finished() const;
    bool cancelled() const;
    // After finished(): the result, or nothing when cancelled or failed.
    const std::optional<Result>& result() const;
    // After finished(): empty, or a sentence for the player saying why the
    // analysis failed.
    const std::string& error() const;

    // Jobs in the whole process whose threads are still at work, cancelled
    // or not, abandoned or not.
    static int jobsAtWork();

    static constexpr const char* kNoThreads =
        "The analysis could not start: the system has no threads to spare. Close other programs and try again.";
    static constexpr const char* kNoMemory =
        "The analysis stopped: the system has no memory to spare. Close other programs and try again.";
    static constexpr const char* kFailed = "The analysis stopped on an unexpected error.";

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};
