#include "analysis/FairnessJob.h"

#include <atomic>
#include <exception>

struct FairnessJob::Shared {
    Wheel wheel = Wheel::European;
    NumberHitCounts hits{};
    FairnessReport report;
    std::atomic<bool> done{false};

    void work() {
        report = testFairness(wheel, hits);
        done.store(true, std::memory_order_release);
    }
};

FairnessJob::FairnessJob(Wheel wheel, const NumberHitCounts& hits, const ThreadStarter& start)
    : shared_(std::make_shared<Shared>()) {
    shared_->wheel = wheel;
    shared_->hits = hits;
    try {
        start([shared = shared_] { shared->work(); }).detach();
    } catch (const std::exception&) {
        // No thread to spare: the report still has to show.
        shared_->work();
    }
}

FairnessJob::~FairnessJob() = default;

bool FairnessJob::finished() const { return shared_->done.load(std::memory_order_acquire); }

const FairnessReport& FairnessJob::report() const { return shared_->report; }
