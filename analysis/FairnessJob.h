#pragma once

#include <memory>
#include <optional>

#include "analysis/WheelFairness.h"
#include "analysis/WorkerThreads.h"

// The fairness report of one snapshot of the hit counts, worked out on a
// thread of its own: with few spins per pocket its chances are simulated,
// which takes too long for a window that refreshes after every spin. The
// owner never waits for it: dropping the job leaves its thread to finish
// on its own, holding what it uses.
class FairnessJob {
public:
    // Starts at once. When no thread can be started the report is worked out
    // on the calling thread instead, so it is never lost.
    FairnessJob(Wheel wheel, const NumberHitCounts& hits, const ThreadStarter& start = startPlainThread);
    ~FairnessJob();
    FairnessJob(const FairnessJob&) = delete;
    FairnessJob& operator=(const FairnessJob&) = delete;

    bool finished() const;
    // After finished(): the report.
    const FairnessReport& report() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};
