#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "analysis/SessionAnalysis.h"
#include "analysis/SystemComparison.h"

// One analysis running on its own threads, for a window that must never wait:
// it starts at once, is polled for progress, and can be cancelled at any
// moment. Destroying it cancels and joins its threads.
class AnalysisJob {
public:
    struct Result {
        SessionOutcome sessions;
        std::optional<Comparison> comparison; // when a system A was given
    };

    // Analyses `system` (and compares it with `keptA` if given) on copies.
    AnalysisJob(const BettingSystem& system, std::optional<BettingSystem> keptA, std::int64_t sessions,
                std::uint64_t seed, unsigned threads);
    ~AnalysisJob();
    AnalysisJob(const AnalysisJob&) = delete;
    AnalysisJob& operator=(const AnalysisJob&) = delete;

    void cancel();
    double progress() const; // 0 to 1, from any thread
    bool finished() const;   // done, cancelled or failed
    bool cancelled() const;
    // After finished(): the result, or nothing when cancelled or failed.
    const std::optional<Result>& result() const;
    const std::string& error() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::jthread worker_;
};
