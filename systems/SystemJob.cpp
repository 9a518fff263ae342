#include "systems/SystemJob.h"

#include <new>
#include <stdexcept>
#include <stop_token>
#include <system_error>
#include <thread>
#include <utility>

#include "analysis/AnalysisJob.h"
#include "analysis/WorkerPriority.h"

namespace systems {

// The job's thread writes `result` and `error` once, before it publishes
// `finished` with release order; the owner reads them only after seeing
// `finished` with acquire.
struct SystemJob::Shared {
    std::stop_source stop;
    std::atomic<double> progress{0.0};
    std::atomic<bool> finished{false};
    std::optional<Result> result;
    std::string error;
};

namespace {
std::string sentenceFor(std::exception_ptr failure) {
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const std::invalid_argument& refused) {
        return refused.what();
    } catch (const std::bad_alloc&) {
        return AnalysisJob::kNoMemory;
    } catch (const std::system_error&) {
        return AnalysisJob::kNoThreads;
    } catch (...) {
        return AnalysisJob::kFailed;
    }
}
} // namespace

SystemJob::SystemJob(System system, std::optional<System> kept, MethodChoice choice, std::int64_t sessions,
                     std::uint64_t seed, unsigned threads)
    : shared_(std::make_shared<Shared>()) {
    try {
        std::thread([shared = shared_, system = std::move(system), kept = std::move(kept), choice, sessions, seed,
                     threads] {
            lowerThisThreadsPriority();
            const std::stop_token stop = shared->stop.get_token();
            const double share = kept ? 0.5 : 1.0;
            try {
                Result result;
                result.outcome = analyseSystem(system, choice, sessions, seed, threads, stop, [&](double done) {
                    shared->progress.store(done * share, std::memory_order_relaxed);
                });
                if (kept && !stop.stop_requested())
                    result.kept = analyseSystem(*kept, choice, sessions, seed, threads, stop, [&](double done) {
                        shared->progress.store(share + done * share, std::memory_order_relaxed);
                    });
                if (!stop.stop_requested())
                    shared->result = std::move(result);
            } catch (...) {
                shared->error = sentenceFor(std::current_exception());
            }
            shared->finished.store(true, std::memory_order_release);
        }).detach();
    } catch (...) {
        shared_->error = sentenceFor(std::current_exception());
        shared_->finished.store(true, std::memory_order_release);
    }
}

SystemJob::~SystemJob() { cancel(); }

void SystemJob::cancel() { shared_->stop.request_stop(); }

double SystemJob::progress() const { return shared_->progress.load(std::memory_order_relaxed); }

bool SystemJob::finished() const { return shared_->finished.load(std::memory_order_acquire); }

const std::optional<SystemJob::Result>& SystemJob::result() const { return shared_->result; }

const std::string& SystemJob::error() const { return shared_->error; }

} // namespace systems
