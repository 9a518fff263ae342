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

// The job's thread writes `exact` once before it publishes `exactDone`, and
// `result` and `error` once, before it publishes
// `finished` with release order; the owner reads them only after seeing
// `finished` with acquire.
struct SystemJob::Shared {
    std::stop_source stop;
    std::atomic<double> progress{0.0};
    std::atomic<bool> finished{false};
    std::atomic<bool> exactDone{false}; // `exact` written, published as `finished` is
    std::optional<Result> exact;
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
                     std::uint64_t seed, unsigned threads, ThreadStarter start)
    : shared_(std::make_shared<Shared>()) {
    try {
        std::thread([shared = shared_, system = std::move(system), kept = std::move(kept), choice, sessions, seed,
                     workers = WorkerThreads(threads, std::move(start))] {
            lowerThisThreadsPriority();
            const std::stop_token stop = shared->stop.get_token();
            // Each system's share of the progress, half of it for its exact
            // figures when it has them; the parts follow each other in the
            // order they run, so that the progress never goes back.
            const double share = kept ? 0.5 : 1.0;
            double at = 0;
            auto part = [&shared, &at](double width) {
                const double from = at;
                at += width;
                return ProgressSink([&shared, from, width](double done) {
                    shared->progress.store(from + done * width, std::memory_order_relaxed);
                });
            };
            try {
                // A system that is not answered exactly reports no progress
                // there and gives its part back.
                std::optional<SystemOutcome> exact = exactFiguresOf(system, choice, stop, part(share / 2));
                if (!exact)
                    at -= share / 2;
                std::optional<SystemOutcome> keptExact;
                if (kept && !stop.stop_requested()) {
                    keptExact = exactFiguresOf(*kept, choice, stop, part(share / 2));
                    if (!keptExact)
                        at -= share / 2;
                }
                if (exact && (!kept || keptExact) && !stop.stop_requested()) {
                    shared->exact = Result{*exact, keptExact};
                    shared->exactDone.store(true, std::memory_order_release);
                }
                const ProgressSink simulation = part(exact ? share / 2 : share);
                const ProgressSink keptSimulation = part(kept ? 1 - at : 0);
                Result result;
                // The simulation runs wholly on started threads, so that it
                // can be held back without holding back the exact figures.
                std::exception_ptr failure;
                workers
                    .start([&] {
                        try {
                            result.outcome =
                                completeAnalysis(system, std::move(exact), sessions, seed, workers, stop, simulation);
                            if (kept && !stop.stop_requested())
                                result.kept = completeAnalysis(*kept, std::move(keptExact), sessions, seed, workers,
                                                               stop, keptSimulation);
                        } catch (...) {
                            failure = std::current_exception();
                        }
                    })
                    .join();
                if (failure)
                    std::rethrow_exception(failure);
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

const std::optional<SystemJob::Result>& SystemJob::exactFigures() const {
    static const std::optional<Result> none;
    return shared_->exactDone.load(std::memory_order_acquire) ? shared_->exact : none;
}

const std::string& SystemJob::error() const { return shared_->error; }

} // namespace systems
