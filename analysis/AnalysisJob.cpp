#include "analysis/AnalysisJob.h"

#include <algorithm>
#include <exception>
#include <new>
#include <stdexcept>
#include <stop_token>
#include <system_error>
#include <utility>

#include "analysis/WorkerPriority.h"

// What the job's threads hand over to the owner's thread. The job's thread
// writes `result` and `error` once, before it publishes `finished` with
// release order; readers look at them only after seeing `finished` with
// acquire. The job's thread holds this too, so an owner that goes away
// leaves it nothing dangling.
struct AnalysisJob::Shared {
    std::stop_source stop;
    std::atomic<double> progress{0.0};
    std::atomic<bool> finished{false};
    std::atomic<bool> cancelled{false};
    std::optional<Result> result;
    std::string error;
};

namespace {

std::atomic<int> jobsAtWorkNow{0};

// Runs the analysis and, when a system A was kept, the comparison; the two
// share the progress bar half and half.
AnalysisJob::Result analyse(const BettingSystem& system, const std::optional<BettingSystem>& keptA,
                            std::int64_t sessions, std::uint64_t seed, WorkerThreads& threads,
                            const std::stop_token& stop, std::atomic<double>& progress) {
    const double share = keptA ? 0.5 : 1.0;
    AnalysisJob::Result result;
    threads.shortOfThreads = [&result](unsigned started, unsigned wanted) {
        result.threadsStarted = result.threadsStarted == 0 ? started : std::min(result.threadsStarted, started);
        result.threadsWanted = std::max(result.threadsWanted, wanted);
    };
    result.sessions = analyseSessions(system, sessions, seed, threads, stop,
                                      [&](double done) { progress.store(done * share, std::memory_order_relaxed); });
    if (keptA && !stop.stop_requested())
        result.comparison = compareSystems(*keptA, system, sessions, seed, threads, stop, [&](double done) {
            progress.store(share + done * share, std::memory_order_relaxed);
        });
    return result;
}

// The player's sentence for what ended the analysis; the analyser's own
// refusals are sentences already.
std::string sentenceFor(std::exception_ptr failure) {
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const std::invalid_argument& refused) {
        return refused.what();
    } catch (const std::bad_alloc&) {
        return AnalysisJob::kNoMemory;
    } catch (const std::system_error& refused) {
        if (refused.code() == std::errc::resource_unavailable_try_again)
            return AnalysisJob::kNoThreads;
        return AnalysisJob::kFailed;
    } catch (...) {
        return AnalysisJob::kFailed;
    }
}

// Why the job's own thread did not start: any refusal of the system to start
// a thread is told as having none to spare, which is what it comes to.
std::string couldNotStart(std::exception_ptr failure) {
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const std::system_error&) {
        return AnalysisJob::kNoThreads;
    } catch (const std::bad_alloc&) {
        return AnalysisJob::kNoMemory;
    } catch (...) {
        return AnalysisJob::kFailed;
    }
}

} // namespace

AnalysisJob::AnalysisJob(const BettingSystem& system, std::optional<BettingSystem> keptA, std::int64_t sessions,
                         std::uint64_t seed, unsigned threads, ThreadStarter start)
    : shared_(std::make_shared<Shared>()) {
    jobsAtWorkNow.fetch_add(1, std::memory_order_relaxed);
    try {
        std::thread worker = start([shared = shared_, system, keptA = std::move(keptA), sessions, seed,
                                    workers = WorkerThreads(threads, start)]() mutable {
            lowerThisThreadsPriority(); // helpers started from here inherit it
            const std::stop_token stop = shared->stop.get_token();
            try {
                Result result = analyse(system, keptA, sessions, seed, workers, stop, shared->progress);
                if (stop.stop_requested()) {
                    shared->cancelled.store(true, std::memory_order_relaxed);
                } else {
                    shared->result = std::move(result);
                    shared->progress.store(1.0, std::memory_order_relaxed);
                }
            } catch (...) {
                shared->error = sentenceFor(std::current_exception());
            }
            shared->finished.store(true, std::memory_order_release);
            jobsAtWorkNow.fetch_sub(1, std::memory_order_relaxed);
        });
        worker.detach();
    } catch (...) {
        // Not even the job's own thread: nothing started, nothing to stop.
        shared_->error = couldNotStart(std::current_exception());
        shared_->finished.store(true, std::memory_order_release);
        jobsAtWorkNow.fetch_sub(1, std::memory_order_relaxed);
    }
}

AnalysisJob::~AnalysisJob() { cancel(); }

void AnalysisJob::cancel() { shared_->stop.request_stop(); }

double AnalysisJob::progress() const { return shared_->progress.load(std::memory_order_relaxed); }

bool AnalysisJob::finished() const { return shared_->finished.load(std::memory_order_acquire); }

bool AnalysisJob::cancelled() const { return finished() && shared_->cancelled.load(std::memory_order_relaxed); }

const std::optional<AnalysisJob::Result>& AnalysisJob::result() const { return shared_->result; }

const std::string& AnalysisJob::error() const { return shared_->error; }

int AnalysisJob::jobsAtWork() { return jobsAtWorkNow.load(std::memory_order_relaxed); }
