#include "analysis/AnalysisJob.h"

#include <exception>
#include <stdexcept>

#include "analysis/WorkerPriority.h"

// What the worker hands over to the window's thread. The worker writes
// `result` and `error` once, before it publishes `finished` with release
// order; readers look at them only after seeing `finished` with acquire.
struct AnalysisJob::Shared {
    std::atomic<double> progress{0.0};
    std::atomic<bool> finished{false};
    std::atomic<bool> cancelled{false};
    std::optional<Result> result;
    std::string error;
};

namespace {

// Runs the analysis and, when a system A was kept, the comparison; the two
// share the progress bar half and half.
AnalysisJob::Result analyse(const BettingSystem& system, const std::optional<BettingSystem>& keptA,
                            std::int64_t sessions, std::uint64_t seed, unsigned threads, std::stop_token stop,
                            std::atomic<double>& progress) {
    const double share = keptA ? 0.5 : 1.0;
    AnalysisJob::Result result;
    result.sessions = analyseSessions(system, sessions, seed, threads, stop,
                                      [&](double done) { progress.store(done * share, std::memory_order_relaxed); });
    if (keptA && !stop.stop_requested())
        result.comparison = compareSystems(*keptA, system, sessions, seed, threads, stop, [&](double done) {
            progress.store(share + done * share, std::memory_order_relaxed);
        });
    return result;
}

} // namespace

AnalysisJob::AnalysisJob(const BettingSystem& system, std::optional<BettingSystem> keptA, std::int64_t sessions,
                         std::uint64_t seed, unsigned threads)
    : shared_(std::make_shared<Shared>()) {
    worker_ = std::jthread(
        [shared = shared_, system, keptA = std::move(keptA), sessions, seed, threads](std::stop_token stop) {
            lowerThisThreadsPriority();
            try {
                Result result = analyse(system, keptA, sessions, seed, threads, stop, shared->progress);
                if (stop.stop_requested()) {
                    shared->cancelled.store(true, std::memory_order_relaxed);
                } else {
                    shared->result = std::move(result);
                    shared->progress.store(1.0, std::memory_order_relaxed);
                }
            } catch (const std::exception& problem) {
                shared->error = problem.what();
            } catch (...) {
                shared->error = "The analysis failed.";
            }
            shared->finished.store(true, std::memory_order_release);
        });
}

AnalysisJob::~AnalysisJob() {
    cancel();
    if (worker_.joinable())
        worker_.join();
}

void AnalysisJob::cancel() { worker_.request_stop(); }

double AnalysisJob::progress() const { return shared_->progress.load(std::memory_order_relaxed); }

bool AnalysisJob::finished() const { return shared_->finished.load(std::memory_order_acquire); }

bool AnalysisJob::cancelled() const { return finished() && shared_->cancelled.load(std::memory_order_relaxed); }

const std::optional<AnalysisJob::Result>& AnalysisJob::result() const { return shared_->result; }

const std::string& AnalysisJob::error() const { return shared_->error; }
